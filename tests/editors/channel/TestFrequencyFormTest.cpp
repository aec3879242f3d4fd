#include <gtest/gtest.h>

#include "editors/channel/TestFrequencyForm.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using test::changedOffsets;
using test::channelText;
using Offsets = std::set<std::size_t>;

TEST(TestFrequencyForm, ShowsTheFirstEightTestChannels) {
    RadioImage image = test::defaultChannelImage();
    for (std::size_t i = 0; i < 8; ++i)
        image.setByte(testFrequencyOffset(2) + i, 0xFF); // test channel 3: none
    image.setByte(testFrequencyOffset(8), 0x25);         // the ninth is never shown
    TestFrequencyForm form(image, false, &channelText);
    struct Case {
        int row, column;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, "#3018013"},
        {0, 1, "#1001027 #1001049"},
        {0, 2, "#1001025 #1001049"},
        {1, 0, "1"},
        {8, 0, "8"},
        {1, 1, "446.00625"},
        {1, 2, "446.00625"},
        {2, 1, "446.01875"},
        {3, 1, ""},
        {3, 2, ""},
        {9, 1, ""},
        {1, 3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(form.cellText(c.row, c.column), c.text) << c.row << "," << c.column;
}

TEST(TestFrequencyForm, TypedFrequenciesAreStoredInTheirFourBytes) {
    struct Case {
        const char* name;
        int row, column;
        const char* typed;
        const char* shown;
        std::uint8_t bytes[4];
    };
    const Case cases[] = {
        {"receive", 4, 1, "446.1", "446.10000", {0x00, 0x00, 0x61, 0x44}},
        {"transmit", 4, 2, "446.00625", "446.00625", {0x25, 0x06, 0x60, 0x44}},
        {"off step", 8, 2, "446.001", "446.00000", {0x00, 0x00, 0x60, 0x44}},
        {"emptied", 1, 1, "", "", {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        const RadioImage before = test::defaultChannelImage();
        RadioImage image = before;
        TestFrequencyForm form(image, false, &channelText);
        EXPECT_EQ(form.commitCell(c.row, c.column, c.typed), c.shown) << c.name;
        const std::size_t at = TestFrequencyForm::offsetOf(c.row, c.column);
        Offsets allowed;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(image.byte(at + i), c.bytes[i]) << c.name << " byte " << i;
            allowed.insert(at + i);
        }
        for (std::size_t offset : changedOffsets(before, image))
            EXPECT_TRUE(allowed.count(offset)) << c.name << " " << offset;
    }
}

TEST(TestFrequencyForm, TextsThatAreNoFrequencyChangeNothing) {
    for (const char* typed : {"0", ".", "12", "abc"}) {
        const RadioImage before = test::defaultChannelImage();
        RadioImage image = before;
        TestFrequencyForm form(image, false, &channelText);
        EXPECT_EQ(form.commitCell(2, 2, typed), "446.01875") << typed;
        EXPECT_EQ(image, before) << typed;
    }
    RadioImage image = test::defaultChannelImage();
    const RadioImage before = image;
    TestFrequencyForm form(image, false, &channelText);
    form.commitCell(0, 1, "446.1"); // header
    form.commitCell(9, 1, "446.1"); // beyond the eighth row
    form.commitCell(3, 0, "446.1"); // number column
    EXPECT_EQ(image, before);
    EXPECT_EQ(TestFrequencyForm::offsetOf(8, 2), 0x2BCu);
}
