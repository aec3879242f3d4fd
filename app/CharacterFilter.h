#pragma once
// The character filter of the filtered edit boxes: which typed characters each mode accepts.
//
// A mode is one byte set by the form that owns the box. Backspace (character 8) is accepted in
// every mode except 0. Modes that turn lower-case letters into upper case answer ResendUpper:
// the box drops the typed letter and types the upper-case letter instead, which then passes
// the filter on its own.
//
//   0  nothing                      8  digits, A-Z (a-z turned), space, # $ % ( ) * + , - / = \ _ @
//   1  everything                   9  digits 1-4
//   2  digits                      10  digits, A (a turned), * and #
//   3  digits and '.'              20  digits 0-5, '-' and '+'
//   5  digits, A-D (a-d turned), * #  21  digits, or a single A standing alone (a turned)
//   6  hex digits (a-f turned)     any other mode: everything
//   7  letters and digits (ASCII)  30  printable ASCII, 0x20..0x7E (text the radio stores as typed)

#include <cstdint>

namespace tsw {

namespace filter {
inline constexpr std::uint8_t None = 0;
inline constexpr std::uint8_t All = 1;
inline constexpr std::uint8_t Digits = 2;
inline constexpr std::uint8_t Decimal = 3;
inline constexpr std::uint8_t Dtmf = 5;
inline constexpr std::uint8_t Hex = 6;
inline constexpr std::uint8_t Alphanumeric = 7;
inline constexpr std::uint8_t Message = 8;
inline constexpr std::uint8_t OneToFour = 9;
inline constexpr std::uint8_t DigitsAStarHash = 10;
inline constexpr std::uint8_t Offset = 20;
inline constexpr std::uint8_t DigitsOrA = 21;
inline constexpr std::uint8_t PrintableAscii = 30;
} // namespace filter

inline constexpr char32_t kBackspace = 8;

enum class FilterVerdict { Accept, Reject, ResendUpper };

// What the filter needs to know about the box (only mode 21 looks at it).
struct FilterBoxState {
    bool empty = true;              // the box holds no text
    bool wholeTextSelected = false; // the selection covers the whole (non-empty) text
    bool holdsSingleA = false;      // the box's text is exactly "A"
};

// The verdict for one typed character. `mayResend` false turns ResendUpper into Reject (a
// letter that was already re-sent once is never turned again).
FilterVerdict filterCharacter(std::uint8_t mode, char32_t ch, const FilterBoxState& box,
                              bool mayResend = true);

} // namespace tsw
