#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/feature/KeyForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

TEST(KeyForm, StoredBytesSelectTheirPositionOrPositionZero) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 1},   {10, 10}, {11, 11},
                                         {12, 0}, {200, 0}, {0xFF, 0}};
    for (auto [stored, position] : cases)
        EXPECT_EQ(keyPositionForStored(static_cast<std::uint8_t>(stored)), position) << stored;
}

TEST(KeyForm, LeavingAListStoresItsPositionAndTouchesNothingElse) {
    struct Case {
        ProgrammableKey key;
        int position;
        int stored;
    } const cases[] = {
        {ProgrammableKey::Pf1, 0, 0xFF},  {ProgrammableKey::Pf1, 1, 1},
        {ProgrammableKey::Pf2, 10, 10},   {ProgrammableKey::Pf2, 11, 11},
        {ProgrammableKey::Pf2, -1, 0xFF}, // no selection
    };
    for (const Case& c : cases) {
        RadioImage image = test::defaultImage();
        const RadioImage before = image;
        KeyForm form(image);
        form.commit(c.key, c.position);
        EXPECT_EQ(image.byte(keyOffset(c.key)), c.stored);
        EXPECT_TRUE(test::changedOnlyWithin(before, image, test::bytesAt(keyOffset(c.key))));
    }
}

TEST(KeyForm, AStoredZeroShowsPositionZeroAndIsWrittenBackAsFF) {
    RadioImage image = test::defaultImage();
    image.setByte(layout::kKeyPf1, 0);
    KeyForm form(image);
    EXPECT_EQ(form.position(ProgrammableKey::Pf1), 0);
    EXPECT_EQ(form.position(ProgrammableKey::Pf2), 10); // the default image's PF2
    form.commit(ProgrammableKey::Pf1, form.position(ProgrammableKey::Pf1));
    EXPECT_EQ(image.byte(layout::kKeyPf1), 0xFF);
}

TEST(KeyForm, EntryTextsNumberThePositionInTwoDigits) {
    const auto text = test::fakeLookup();
    EXPECT_EQ(keyEntryText(0, text), "(00)  #3420072");
    EXPECT_EQ(keyEntryText(2, text), "(02)  #3006013");
    EXPECT_EQ(keyEntryText(3, text), "(03)  #3420080");
    EXPECT_EQ(keyEntryText(10, text), "(10)  #3420094");
    EXPECT_EQ(keyEntryText(11, text), "(11)  #3420096");
    EXPECT_EQ(keyEntryText(12, text), "");
}

TEST(KeyForm, PrintedFunctionNames) {
    const auto text = test::fakeLookup();
    const std::pair<int, std::string> cases[] = {
        {1, "#3420076"}, {2, "#3006013"},  {11, "#3420096"},   {12, ""},
        {0, "#3420072"}, {13, "#3420072"}, {0xFF, "#3420072"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(keyFunctionName(static_cast<std::uint8_t>(code), text), name) << code;
}

} // namespace
