#include <gtest/gtest.h>

#include "app/NumberText.h"

using namespace tsw;

TEST(NumberText, ClampNumberTextClampsRoundsAndRewrites) {
    struct Case {
        std::string in;
        int max, min, step;
        int value;
        std::string out;
    };
    const Case cases[] = {
        {"5", 16, 1, 1, 5, "5"},
        {"17", 16, 1, 1, 16, "16"},
        {"0", 16, 1, 1, 1, "1"},
        {"-3", 16, 1, 1, 1, "1"},
        {"007", 16, 1, 1, 7, "7"},
        {"12abc", 16, 1, 1, 12, "12"},
        {"", 16, 1, 1, 1, "1"},
        {"abc", 16, 0, 1, 0, "0"},
        {"99999999999999", 16, 1, 1, 16, "16"},
        {"47", 100, 0, 5, 45, "45"}, // rounded down to a multiple of the step
        {"45", 100, 0, 5, 45, "45"},
        {"-7", 0, -20, 5, -5, "-5"}, // toward zero
        {"3", 100, 1, 5, 0, "0"},    // the step wins over the minimum
        {"7", 100, 0, 0, 7, "7"},    // no step: taken as 1
        {"50", 1, 16, 1, 50, "50"},  // min > max: value as read, text untouched
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(clampNumberText(text, c.max, c.min, c.step), c.value) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(NumberText, StepValueWraps) {
    struct Case {
        int value, max, min, step, direction, result;
    };
    const Case cases[] = {
        {0, 15, 0, 1, 1, 1},    {14, 15, 0, 1, 1, 15},  {15, 15, 0, 1, 1, 0},
        {20, 15, 0, 1, 1, 0},   {15, 15, 0, 1, -1, 14}, {0, 15, 0, 1, -1, 15},
        {-4, 15, 0, 1, -1, 15}, {7, 15, 0, 1, 0, 7},    {10, 100, 0, 5, 3, 15},
        {3, 100, 0, 5, -2, -2}, {17, 16, 1, 1, 1, 1},   {1, 16, 1, 1, -1, 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepValue(c.value, c.max, c.min, c.step, c.direction), c.result)
            << c.value << " dir " << c.direction;
}

TEST(NumberText, trimTrailingSpaces) {
    struct Case {
        std::string in;
        int length;
        bool trimmed;
        std::string out;
    };
    const Case cases[] = {
        {"ABC   ", 6, true, "ABC"},
        {"ABC", 3, false, "ABC"},
        {"A B ", 4, true, "A B"},
        {"    ", 4, true, ""},
        {"AB  CD", 4, true, "AB"}, // only the first `length` characters are looked at
        {"AB  CD", 6, false, "AB  CD"},
        {"AB  ", 260, true, "AB"},    // 260 counts as 4
        {"AB  ", 256, false, "AB  "}, // 256 counts as 0
        {"AB  ", 100, true, "AB"},    // never past the text's end
        {"", 10, false, ""},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(trimTrailingSpaces(text, c.length), c.trimmed) << '"' << c.in << '"';
        EXPECT_EQ(text, c.out) << '"' << c.in << '"';
    }
}
