#pragma once
// Keyboard rules shared by the grid editors: the arrow keys that wrap between rows, where Enter
// in a cell's editor moves on to, and the characters a tone text may hold.

#include <functional>
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

// Where the current cell goes after Enter stored the editor of cell `from` (data cells count
// from row 1 and column 1).
//   Right: to the next column that can be edited; from the last one, with `wrapRows`, to the
//          first that can be edited in the next row (none after `lastRow`), else nowhere.
//   Down:  one row down, not past `lastRow`.
// No value: the current cell stays. `editable` empty: every column 1..lastColumn can be edited.
enum class EnterMove { Right, Down };
std::optional<GridCell> cellAfterEnter(GridCell from, EnterMove move, bool wrapRows, int lastRow,
                                       int lastColumn,
                                       const std::function<bool(int column)>& editable = {});

// A character typed into a tone text: digits, '.', and the letters D, I, N (d, i, n turned
// into upper case) pass; Backspace passes; anything else gives 0.
char32_t toneInputCharacter(char32_t ch);

} // namespace tsw
