#pragma once
// Small numeric and text helpers shared by every editor: number boxes that clamp what was
// typed, spin controls that wrap, fixed-length texts padded with spaces, the time of day, and
// the reading and writing of numbers in texts that the codecs and the file formats share.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tsw {

// Reads `text` as a decimal integer (leading blanks, an optional sign, then digits; anything
// after the digits is ignored, no digits read as 0). When min > max the value is returned as
// read and the text is left alone. Otherwise the value is clamped to [min, max], rounded
// toward zero to a multiple of `step` when it is not one already (a step below 1 counts as 1),
// written back into `text` as a plain decimal number and returned.
int clampNumberText(std::string& text, int max, int min, int step);

// One click of a spin control. direction > 0: value >= max wraps to min, else value + step;
// direction < 0: value <= min wraps to max, else value - step; direction 0: value unchanged.
int stepValue(int value, int max, int min, int step, int direction);

// Looks at the first `length` characters of `text` (length taken modulo 256, and never more
// than the text holds). When they end in a run of spaces the text is cut at the first space of
// that run and true is returned; otherwise the text is unchanged and false is returned.
bool trimTrailingSpaces(std::string& text, int length);

// The local time of day in the C library's "%X" form.
std::string currentTimeText();

// '0' to '9'.
constexpr bool isDecimalDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

// The integer a text starts with: blanks, an optional sign, then decimal digits. The magnitude
// stops growing at `cap` (reading stops there and `saturated` is set); `end` is the index
// after the last character read.
struct LeadingInteger {
    long long magnitude = 0;
    bool negative = false;
    bool saturated = false;
    std::size_t end = 0;
};
LeadingInteger readLeadingInteger(std::string_view text, long long cap);

// True when the two texts are the same without regard to (ASCII) case.
bool equalsNoCase(std::string_view a, std::string_view b);

// The bytes as two upper-case hex digits each, separated by single blanks ("50 0A").
std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace tsw
