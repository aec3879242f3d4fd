#include "app/NumberText.h"

#include <cctype>
#include <climits>
#include <ctime>

namespace tsw {

namespace {

// Decimal integer at the start of `text`, saturating instead of overflowing.
int readDecimal(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
            break;
        }
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

} // namespace

int ClampNumberText(std::string& text, int max, int min, int step) {
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

int StepValue(int value, int max, int min, int step, int direction) {
    if (direction > 0)
        return value >= max ? min : value + step;
    if (direction < 0)
        return value <= min ? max : value - step;
    return value;
}

bool TrimTrailingSpaces(std::string& text, int length) {
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

std::string CurrentTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[64];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%X", &local);
    return std::string(buffer, n);
}

} // namespace tsw
