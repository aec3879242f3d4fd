#include <gtest/gtest.h>

#include <string>

#include "app/CharacterFilter.h"

using namespace tsw;

namespace {

// Runs every printable ASCII character and Backspace through a mode (box empty) and returns
// the characters accepted as they are, and separately the ones turned into upper case.
struct ModeResult {
    std::string accepted;
    std::string turned;
};

ModeResult run(std::uint8_t mode) {
    ModeResult r;
    FilterBoxState box;
    for (char32_t c = 8; c < 127; ++c) {
        if (c > 8 && c < 32)
            continue;
        switch (filterCharacter(mode, c, box)) {
        case FilterVerdict::Accept:
            r.accepted += c == kBackspace ? '\b' : static_cast<char>(c);
            break;
        case FilterVerdict::ResendUpper:
            r.turned += static_cast<char>(c);
            break;
        case FilterVerdict::Reject:
            break;
        }
    }
    return r;
}

std::string printable() {
    std::string s = "\b";
    for (char c = 32; c < 127; ++c)
        s += c;
    return s;
}

} // namespace

TEST(CharacterFilter, EachModeAcceptsExactlyItsCharacters) {
    const std::string digits = "0123456789";
    const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string lower = "abcdefghijklmnopqrstuvwxyz";
    struct Case {
        std::uint8_t mode;
        std::string accepted; // in ASCII order, Backspace first
        std::string turned;
    };
    const Case cases[] = {
        {0, "", ""},
        {1, printable(), ""},
        {2, "\b" + digits, ""},
        {3, "\b." + digits, ""},
        {4, printable(), ""},
        {5, "\b#*" + digits + "ABCD", "abcd"},
        {6, "\b" + digits + "ABCDEF", "abcdef"},
        {7, "\b" + digits + upper + lower, ""},
        {8, "\b #$%()*+,-/" + digits + "=@" + upper + "\\_", lower},
        {9, "\b1234", ""},
        {10, "\b#*" + digits + "A", "a"},
        {11, printable(), ""},
        {20, "\b+-012345", ""},
        {21, "\b" + digits + "A", "a"},
        {30, printable(), ""},
        {255, printable(), ""},
    };
    for (const auto& c : cases) {
        const ModeResult r = run(c.mode);
        EXPECT_EQ(r.accepted, c.accepted) << "mode " << int(c.mode);
        EXPECT_EQ(r.turned, c.turned) << "mode " << int(c.mode);
    }
}

TEST(CharacterFilter, ATurnedLetterIsNotTurnedTwice) {
    EXPECT_EQ(filterCharacter(filter::Dtmf, 'b', {}, false), FilterVerdict::Reject);
    EXPECT_EQ(filterCharacter(filter::Dtmf, 'B', {}, false), FilterVerdict::Accept);
    EXPECT_EQ(filterCharacter(filter::Dtmf, 'e', {}), FilterVerdict::Reject);
}

TEST(CharacterFilter, ASingleAStandsAloneInModeTwentyOne) {
    const FilterBoxState empty{true, false, false};
    const FilterBoxState holdsA{false, false, true};
    const FilterBoxState holdsASelected{false, true, true};
    const FilterBoxState holdsDigits{false, false, false};
    const FilterBoxState digitsSelected{false, true, false};
    struct Case {
        FilterBoxState box;
        char32_t c;
        FilterVerdict verdict;
    };
    const Case cases[] = {
        {empty, 'A', FilterVerdict::Accept},          {empty, 'a', FilterVerdict::ResendUpper},
        {empty, '7', FilterVerdict::Accept},          {holdsA, '7', FilterVerdict::Reject},
        {holdsA, 'A', FilterVerdict::Reject},         {holdsA, kBackspace, FilterVerdict::Accept},
        {holdsASelected, '7', FilterVerdict::Accept}, {holdsASelected, 'A', FilterVerdict::Accept},
        {holdsDigits, 'A', FilterVerdict::Reject},    {holdsDigits, '7', FilterVerdict::Accept},
        {digitsSelected, 'A', FilterVerdict::Accept}, {empty, '*', FilterVerdict::Reject},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filterCharacter(filter::DigitsOrA, c.c, c.box), c.verdict)
            << static_cast<char>(c.c) << " empty=" << c.box.empty
            << " selected=" << c.box.wholeTextSelected << " A=" << c.box.holdsSingleA;
}

TEST(CharacterFilter, NonAsciiCharactersPassOnlyInOpenModes) {
    EXPECT_EQ(filterCharacter(filter::All, U'\u00fc', {}), FilterVerdict::Accept);
    EXPECT_EQ(filterCharacter(filter::Alphanumeric, U'\u00fc', {}), FilterVerdict::Reject);
    EXPECT_EQ(filterCharacter(filter::Message, U'\u00fc', {}), FilterVerdict::Reject);
    for (const char32_t c : {U'\u00fc', char32_t{0x7F}, char32_t{0x80}, char32_t{0xFF},
                             char32_t{0x1F}, char32_t{'\t'}, U'\u20ac'})
        EXPECT_EQ(filterCharacter(filter::PrintableAscii, c, {}), FilterVerdict::Reject)
            << static_cast<unsigned>(c);
}
