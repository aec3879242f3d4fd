#include "editors/channel/ChannelCsvRules.h"

#include "app/NumberText.h"

namespace tsw::csvrules {

namespace {

constexpr int kMaxWholeDigits = 9;

} // namespace

std::optional<long long> parseScaled(std::string_view text, int fractionDigits) {
    long long whole = 0;
    int wholeDigits = 0;
    std::size_t i = 0;
    for (; i < text.size() && isDecimalDigit(text[i]); ++i) {
        if (++wholeDigits > kMaxWholeDigits)
            return std::nullopt;
        whole = whole * 10 + (text[i] - '0');
    }
    long long fraction = 0;
    int digits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDecimalDigit(text[i]); ++i, ++digits) {
            if (digits < fractionDigits)
                fraction = fraction * 10 + (text[i] - '0');
            else if (text[i] != '0')
                return std::nullopt;
        }
    }
    if (i != text.size() || (wholeDigits == 0 && digits == 0))
        return std::nullopt;
    for (int d = digits; d < fractionDigits; ++d)
        fraction *= 10;
    long long scale = 1;
    for (int d = 0; d < fractionDigits; ++d)
        scale *= 10;
    return whole * scale + fraction;
}

std::string scaledText(long long value, int fractionDigits) {
    long long scale = 1;
    for (int d = 0; d < fractionDigits; ++d)
        scale *= 10;
    std::string fraction = std::to_string(value % scale);
    fraction.insert(0, static_cast<std::size_t>(fractionDigits) - fraction.size(), '0');
    std::string text = std::to_string(value / scale);
    if (fractionDigits > 0)
        text += "." + fraction;
    return text;
}

} // namespace tsw::csvrules
