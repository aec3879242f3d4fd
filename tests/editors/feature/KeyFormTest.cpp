#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/KeyForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

// A stored byte outside 1..11 (0, 12, 0xFF) shows position 0, "no function"; position 0 and
// no selection are stored as 0xFF.
TEST(KeyForm, StoredBytesAndListPositions) {
    const std::pair<int, int> shown[] = {{0, 0}, {1, 1}, {11, 11}, {12, 0}, {0xFF, 0}};
    for (auto [stored, position] : shown) {
        RadioImage image = test::defaultImage();
        image.setByte(layout::kKeyPf1, static_cast<std::uint8_t>(stored));
        EXPECT_EQ(KeyForm(image).position(ProgrammableKey::Pf1), position) << stored;
    }
    const struct {
        ProgrammableKey key;
        int position, stored;
    } cases[] = {
        {ProgrammableKey::Pf1, 0, 0xFF},  {ProgrammableKey::Pf1, 1, 1},
        {ProgrammableKey::Pf2, 11, 11},   {ProgrammableKey::Pf2, 12, 0xFF},
        {ProgrammableKey::Pf2, -1, 0xFF},
    };
    for (const auto& c : cases) {
        RadioImage image = test::defaultImage();
        const RadioImage before = image;
        KeyForm(image).commit(c.key, c.position);
        EXPECT_EQ(image.byte(keyOffset(c.key)), c.stored) << c.position;
        EXPECT_TRUE(test::changedOnlyWithin(before, image, test::bytesAt(keyOffset(c.key))));
    }
}

TEST(KeyForm, EntryAndPrintedNames) {
    const auto text = test::fakeLookup();
    EXPECT_EQ(keyEntryText(3, text), "(03)  #3420080");
    EXPECT_EQ(keyEntryText(12, text), "");
    const std::string none = keyEntryText(0, text).substr(6);
    const std::pair<int, std::string> cases[] = {
        {1, "#3420076"}, {11, "#3420096"}, {12, ""}, {0, none}, {13, none}, {0xFF, none},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(keyFunctionName(static_cast<std::uint8_t>(code), text), name) << code;
}

} // namespace
