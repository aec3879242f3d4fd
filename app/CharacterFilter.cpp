#include "app/CharacterFilter.h"

#include <string_view>

#include "app/NumberText.h"

namespace tsw {
namespace {

bool isUpper(char32_t c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char32_t c) {
    return c >= 'a' && c <= 'z';
}
bool inSet(char32_t c, std::u32string_view set) {
    return set.find(c) != std::u32string_view::npos;
}

// A lower-case letter between `first` and `last` is turned into upper case.
FilterVerdict turned(char32_t c, char32_t first, char32_t last, bool mayResend) {
    if (c >= first && c <= last)
        return mayResend ? FilterVerdict::ResendUpper : FilterVerdict::Reject;
    return FilterVerdict::Reject;
}

FilterVerdict accept(bool ok) {
    return ok ? FilterVerdict::Accept : FilterVerdict::Reject;
}

FilterVerdict digitsOrA(char32_t c, const FilterBoxState& box, bool mayResend) {
    if (c == 'a')
        return turned(c, 'a', 'a', mayResend);
    if (c == 'A')
        return accept(box.empty || box.wholeTextSelected);
    if (isDecimalDigit(c))
        return accept(!box.holdsSingleA || box.wholeTextSelected);
    return FilterVerdict::Reject;
}

} // namespace

FilterVerdict filterCharacter(std::uint8_t mode, char32_t c, const FilterBoxState& box,
                              bool mayResend) {
    if (mode == filter::None)
        return FilterVerdict::Reject;
    if (c == kBackspace)
        return FilterVerdict::Accept;
    switch (mode) {
    case filter::Digits:
        return accept(isDecimalDigit(c));
    case filter::Decimal:
        return accept(isDecimalDigit(c) || c == '.');
    case filter::Dtmf:
        if (isDecimalDigit(c) || (c >= 'A' && c <= 'D') || c == '*' || c == '#')
            return FilterVerdict::Accept;
        return turned(c, 'a', 'd', mayResend);
    case filter::Hex:
        if (isDecimalDigit(c) || (c >= 'A' && c <= 'F'))
            return FilterVerdict::Accept;
        return turned(c, 'a', 'f', mayResend);
    case filter::Alphanumeric:
        return accept(isDecimalDigit(c) || isUpper(c) || isLower(c));
    case filter::Message:
        if (isDecimalDigit(c) || isUpper(c) || inSet(c, U" #$%()*+,-/=\\_@"))
            return FilterVerdict::Accept;
        return turned(c, 'a', 'z', mayResend);
    case filter::OneToFour:
        return accept(c >= '1' && c <= '4');
    case filter::DigitsAStarHash:
        if (isDecimalDigit(c) || c == 'A' || c == '*' || c == '#')
            return FilterVerdict::Accept;
        return turned(c, 'a', 'a', mayResend);
    case filter::Offset:
        return accept((c >= '0' && c <= '5') || c == '-' || c == '+');
    case filter::DigitsOrA:
        return digitsOrA(c, box, mayResend);
    case filter::PrintableAscii:
        return accept(c >= 0x20 && c <= 0x7E);
    default: // mode 1 and every mode outside the table
        return FilterVerdict::Accept;
    }
}

} // namespace tsw
