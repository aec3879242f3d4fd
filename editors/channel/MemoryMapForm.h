#pragma once
// The memory map: the whole image as a 65 x 17 table of hex cells. Row 0 holds the column
// headers ("__0" .. "__F"), column 0 the row labels ("   03F_" .. "   000_", the offset / 16). The
// rows run bottom-up: row 1 shows offsets 0x3F0..0x3FF, row 64 offsets 0x000..0x00F.
//
// The table is a working copy: cells are changed one by one and reach the image only when the
// user confirms (applyTo rewrites all 1024 bytes from the cells); Cancel simply drops the form.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/RadioImage.h"

namespace tsw {

class MemoryMapForm {
public:
    static constexpr int kDataRows = 64;
    static constexpr int kDataColumns = 16;
    static constexpr int kRows = kDataRows + 1;
    static constexpr int kColumns = kDataColumns + 1;
    static constexpr int kCellTextMax = 2; // the edit box takes two hex digits

    // Sizes in twips.
    static constexpr int kLabelColumnWidth = 750;
    static constexpr int kDataColumnWidth = 420;
    static constexpr int kHeaderRowHeight = 255;
    static constexpr int kDataRowHeight = 240;

    // The cell the table starts on: the bottom-left data cell, offset 0x000.
    static constexpr int kStartRow = kDataRows;
    static constexpr int kStartColumn = 1;

    explicit MemoryMapForm(const RadioImage& image);

    // Text of any cell: header, row label or "%02X" of the byte. Empty outside the table.
    std::string cellText(int row, int column) const;

    static bool isDataCell(int row, int column);
    // Image offset of a data cell: (64 - row) * 16 + column - 1.
    static std::size_t offsetOf(int row, int column);
    // "%.4X" of the cell's offset; empty for a header cell.
    static std::string offsetText(int row, int column);

    // Commits what was typed over a data cell: an empty text counts as "FF", one digit gets a
    // leading "0". A text with a character that is not a hex digit is refused: the cell keeps
    // its text. Returns the cell's text afterwards.
    std::string commitCell(int row, int column, std::string_view typed);

    // OK: every cell's byte is written into the image, offsets 0x000..0x3FF.
    void applyTo(RadioImage& image) const;

    // "%01X", "%03X", "%04X" for 1, 3 and 4 digits, "%02X" for anything else.
    static std::string formatHex(int value, int digits);
    // Sum of digit x 16^position over the upper-cased characters, rightmost first; letters
    // count from 10 (A) upward, other characters by their distance from '0'. Kept to 8 bits.
    static std::uint8_t parseHexCell(std::string_view text);

private:
    std::array<std::string, kImageSize> cells_;
};

} // namespace tsw
