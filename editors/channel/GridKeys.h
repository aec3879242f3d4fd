#pragma once
// Keyboard rules shared by the grid editors: the arrow keys that wrap between rows, and the
// characters a tone text may hold.

#include <optional>

namespace tsw {

struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

// Right arrow in the last column goes to column 1 of the next row; Left arrow in column 1 goes
// to the last column of the previous row; never past row 1 or `lastRow`. Any other position
// gives no wrap (the grid's own arrow handling applies).
std::optional<GridCell> wrapArrowKey(bool right, GridCell at, int lastRow, int lastColumn);

// A character typed into a tone text: digits, '.', and the letters D, I, N (d, i, n turned
// into upper case) pass; Backspace passes; anything else gives 0.
char32_t toneInputCharacter(char32_t ch);

} // namespace tsw
