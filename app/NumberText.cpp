#include "app/NumberText.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <ctime>

namespace tsw {

namespace {

// Decimal integer at the start of `text`, saturating instead of overflowing.
int readDecimal(const std::string& text) {
    const LeadingInteger read = readLeadingInteger(text, static_cast<long long>(INT_MAX) + 1);
    const long long value = read.negative ? -read.magnitude : read.magnitude;
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace

int clampNumberText(std::string& text, int max, int min, int step) {
    int value = readDecimal(text);
    if (min > max)
        return value;
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    if (step < 1)
        step = 1;
    value -= value % step; // C++ division truncates, so this rounds toward zero
    text = std::to_string(value);
    return value;
}

int stepValue(int value, int max, int min, int step, int direction) {
    if (direction > 0)
        return value >= max ? min : value + step;
    if (direction < 0)
        return value <= min ? max : value - step;
    return value;
}

bool trimTrailingSpaces(std::string& text, int length) {
    std::size_t n = static_cast<std::size_t>(length & 0xFF);
    if (n > text.size())
        n = text.size();
    if (n == 0 || text[n - 1] != ' ')
        return false;
    std::size_t first = n - 1;
    while (first > 0 && text[first - 1] == ' ')
        --first;
    text.resize(first);
    return true;
}

LeadingInteger readLeadingInteger(std::string_view text, long long cap) {
    LeadingInteger read;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        read.negative = text[i++] == '-';
    for (; i < text.size() && isDecimalDigit(static_cast<unsigned char>(text[i])); ++i) {
        read.magnitude = read.magnitude * 10 + (text[i] - '0');
        if (read.magnitude >= cap) {
            read.magnitude = cap;
            read.saturated = true;
            ++i;
            break;
        }
    }
    read.end = i;
    return read;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::string currentTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[64];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%X", &local);
    return std::string(buffer, n);
}

} // namespace tsw
