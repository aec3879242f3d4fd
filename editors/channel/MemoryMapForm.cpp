#include "editors/channel/MemoryMapForm.h"

#include <cctype>
#include <cstdio>

namespace tsw {

namespace {
bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}
} // namespace

MemoryMapForm::MemoryMapForm(const RadioImage& image) {
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        cells_[offset] = formatHex(image.byte(offset), 2);
}

bool MemoryMapForm::isDataCell(int row, int column) {
    return row >= 1 && row <= kDataRows && column >= 1 && column <= kDataColumns;
}

std::size_t MemoryMapForm::offsetOf(int row, int column) {
    return static_cast<std::size_t>(kDataRows - row) * kDataColumns +
           static_cast<std::size_t>(column - 1);
}

std::string MemoryMapForm::offsetText(int row, int column) {
    if (!isDataCell(row, column))
        return {};
    return formatHex(static_cast<int>(offsetOf(row, column)), 4);
}

std::string MemoryMapForm::cellText(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    if (row == 0 && column == 0)
        return {};
    if (row == 0)
        return "__" + formatHex(column - 1, 1);
    if (column == 0)
        return "   " + formatHex(kDataRows - row, 3) + "_";
    return cells_[offsetOf(row, column)];
}

std::string MemoryMapForm::commitCell(int row, int column, std::string_view typed) {
    if (!isDataCell(row, column))
        return cellText(row, column);
    std::string& cell = cells_[offsetOf(row, column)];
    if (typed.size() > static_cast<std::size_t>(kCellTextMax))
        typed = typed.substr(0, kCellTextMax);
    for (char c : typed)
        if (!isHexDigit(c))
            return cell;
    std::string text(typed);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (text.empty())
        text = "FF";
    else if (text.size() == 1)
        text = "0" + text;
    cell = text;
    return cell;
}

void MemoryMapForm::applyTo(RadioImage& image) const {
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        image.setByte(offset, parseHexCell(cells_[offset]));
}

std::string MemoryMapForm::formatHex(int value, int digits) {
    const char* format = "%02X";
    if (digits == 1)
        format = "%01X";
    else if (digits == 3)
        format = "%03X";
    else if (digits == 4)
        format = "%04X";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned>(value));
    return buffer;
}

std::uint8_t MemoryMapForm::parseHexCell(std::string_view text) {
    unsigned value = 0;
    for (char raw : text) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        const int digit = (c >= 'A' && c <= 'Z') ? c - 'A' + 10 : c - '0';
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace tsw
