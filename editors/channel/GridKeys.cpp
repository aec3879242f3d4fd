#include "editors/channel/GridKeys.h"

namespace tsw {

std::optional<GridCell> wrapArrowKey(bool right, GridCell at, int lastRow, int lastColumn) {
    if (right && at.column == lastColumn && at.row < lastRow && at.row >= 1)
        return GridCell{at.row + 1, 1};
    if (!right && at.column == 1 && at.row > 1 && at.row <= lastRow)
        return GridCell{at.row - 1, lastColumn};
    return std::nullopt;
}

std::optional<GridCell> cellAfterEnter(GridCell from, EnterMove move, bool wrapRows, int lastRow,
                                       int lastColumn,
                                       const std::function<bool(int column)>& editable) {
    if (move == EnterMove::Down) {
        if (from.row >= lastRow)
            return std::nullopt;
        return GridCell{from.row + 1, from.column};
    }
    const auto firstEditableFrom = [&](int column) {
        while (column <= lastColumn && editable && !editable(column))
            ++column;
        return column <= lastColumn ? std::optional<int>(column) : std::nullopt;
    };
    if (const auto next = firstEditableFrom(from.column + 1))
        return GridCell{from.row, *next};
    if (!wrapRows || from.row >= lastRow)
        return std::nullopt;
    if (const auto first = firstEditableFrom(1))
        return GridCell{from.row + 1, *first};
    return std::nullopt;
}

char32_t toneInputCharacter(char32_t ch) {
    if (ch == 8 || ch == '.' || (ch >= '0' && ch <= '9'))
        return ch;
    if (ch == 'd' || ch == 'i' || ch == 'n')
        return ch - 'a' + 'A';
    if (ch == 'D' || ch == 'I' || ch == 'N')
        return ch;
    return 0;
}

} // namespace tsw
