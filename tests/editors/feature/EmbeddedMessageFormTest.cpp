#include <gtest/gtest.h>

#include "app/CharacterFilter.h"
#include "app/ImageLayout.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

std::string storedLine(const RadioImage& image, std::size_t at) {
    std::string s;
    for (std::size_t i = 0; i < 32; ++i)
        s.push_back(static_cast<char>(image.byte(at + i)));
    return s;
}

TEST(EmbeddedMessageForm, LinesAreStoredAsTheirCharactersThenFF) {
    const std::string ff(32, '\xFF');
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {
        {"", ff},
        {"HELLO", "HELLO" + std::string(27, '\xFF')},
        {std::string(32, 'Z'), std::string(32, 'Z')},
        {std::string(40, 'Y'), std::string(32, 'Y')},
        {" ~\x7F", " ~\x7F" + std::string(29, '\xFF')},
        {"caf\xC3\xA9", ff}, // an accented letter: bytes of 0x80 and more
        {"A\x80", ff},
        {"TAB\tX", ff},
        {"\x1F", ff},
    };
    for (const auto& c : cases) {
        RadioImage image = test::defaultImage();
        image.setByte(layout::kMessageLine2, 'Q');
        const RadioImage before = image;
        EmbeddedMessageForm form(image);
        form.commit(c.typed, "");
        EXPECT_EQ(storedLine(image, layout::kMessageLine1), c.stored) << c.typed;
        EXPECT_EQ(storedLine(image, layout::kMessageLine2), ff);
        EXPECT_TRUE(
            test::changedOnlyWithin(before, image, test::bytesAt(layout::kMessageLine1, 64)));
    }
}

TEST(EmbeddedMessageForm, LinesShowUpToTheirFirstFF) {
    RadioImage image = test::blankImage();
    EmbeddedMessageForm form(image);
    EXPECT_EQ(form.line(0), "");
    form.commit("FIRST LINE", std::string(32, 'x'));
    EXPECT_EQ(form.line(0), "FIRST LINE");
    EXPECT_EQ(form.line(1), std::string(32, 'x'));
    image.setByte(layout::kMessageLine1 + 3, 0xFF);
    EXPECT_EQ(form.line(0), "FIR");
    EXPECT_EQ(image.byte(layout::kMessageLine2 + 32), 0xFF); // line 2 stops at 0x33F
}

// The view refuses what its filter rejects so that a typed line is never stored empty: every
// character the filter takes must be one the line stores as it is.
TEST(EmbeddedMessageForm, EveryCharacterTheLineFilterTakesIsStored) {
    int taken = 0;
    for (char32_t c = 0; c < 0x100; ++c) {
        if (c == kBackspace ||
            filterCharacter(filter::PrintableAscii, c, {}) != FilterVerdict::Accept)
            continue;
        ++taken;
        RadioImage image = test::blankImage();
        EmbeddedMessageForm form(image);
        const std::string line(32, static_cast<char>(c));
        form.commit(line, "");
        EXPECT_EQ(form.line(0), line) << static_cast<unsigned>(c);
    }
    EXPECT_EQ(taken, 0x7F - 0x20);
}

} // namespace
