#include <gtest/gtest.h>

#include "editors/channel/GridKeys.h"

using namespace tsw;

TEST(GridKeys, ArrowKeysWrapBetweenRowsButNotPastTheEnds) {
    struct Case {
        bool right;
        GridCell at;
        std::optional<GridCell> to;
    };
    const Case cases[] = {
        {true, {3, 2}, GridCell{4, 1}},  // test frequency: right in column 2 of row 3
        {true, {8, 2}, std::nullopt},    // last row: no wrap
        {true, {3, 1}, std::nullopt},    // not the last column
        {false, {4, 1}, GridCell{3, 2}}, // left in column 1
        {false, {1, 1}, std::nullopt},   // first row
        {false, {4, 2}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapArrowKey(c.right, c.at, 8, 2), c.to) << c.at.row << "," << c.at.column;
    EXPECT_EQ(wrapArrowKey(true, {5, 4}, 16, 4), (GridCell{6, 1})); // channel table
}

TEST(GridKeys, EnterMovesOnToTheNextCellThatTakesInput) {
    struct Case {
        const char* name;
        GridCell from;
        EnterMove move;
        bool wrapRows;
        std::optional<GridCell> to;
    };
    // Eight rows, four columns; column 2 cannot be edited where the case says so.
    const Case cases[] = {
        {"right", {3, 1}, EnterMove::Right, false, GridCell{3, 2}},
        {"last column stays", {3, 4}, EnterMove::Right, false, std::nullopt},
        {"last column wraps", {3, 4}, EnterMove::Right, true, GridCell{4, 1}},
        {"last cell stays", {8, 4}, EnterMove::Right, true, std::nullopt},
        {"down", {3, 2}, EnterMove::Down, false, GridCell{4, 2}},
        {"down from the last row stays", {8, 2}, EnterMove::Down, true, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cellAfterEnter(c.from, c.move, c.wrapRows, 8, 4), c.to) << c.name;

    const auto notColumn2 = [](int column) { return column != 2; };
    const auto onlyColumn2 = [](int column) { return column == 2; };
    EXPECT_EQ(cellAfterEnter({3, 1}, EnterMove::Right, true, 8, 4, notColumn2), (GridCell{3, 3}));
    EXPECT_EQ(cellAfterEnter({3, 2}, EnterMove::Right, true, 8, 2, onlyColumn2), (GridCell{4, 2}));
    EXPECT_EQ(cellAfterEnter({3, 4}, EnterMove::Right, true, 8, 4, [](int) { return false; }),
              std::nullopt);
}

TEST(GridKeys, ToneTextsTakeDigitsPointAndTheDqtLetters) {
    EXPECT_EQ(toneInputCharacter('7'), U'7');
    EXPECT_EQ(toneInputCharacter('.'), U'.');
    EXPECT_EQ(toneInputCharacter('d'), U'D');
    EXPECT_EQ(toneInputCharacter('i'), U'I');
    EXPECT_EQ(toneInputCharacter('N'), U'N');
    EXPECT_EQ(toneInputCharacter(8), char32_t{8});
    for (char32_t rejected : {U'a', U'X', U' ', U'-', U'e', char32_t{0x7F}, char32_t{0xE9}})
        EXPECT_EQ(toneInputCharacter(rejected), char32_t{0}) << static_cast<int>(rejected);
}
