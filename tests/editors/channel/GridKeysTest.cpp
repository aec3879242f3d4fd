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
