#include <gtest/gtest.h>

#include "editors/channel/QtDqtTableForm.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using test::changedOffsets;
using test::channelText;
using Offsets = std::set<std::size_t>;

namespace {
Offsets toneBytesOf(std::initializer_list<int> channels) {
    Offsets out;
    for (int ch : channels)
        for (std::size_t i = kChDecodeTone; i < kChEncodeTone + 2; ++i)
            out.insert(channelOffset(ch) + i);
    return out;
}
} // namespace

TEST(QtDqtTableForm, ShowsTheEntriesAndTheOffText) {
    RadioImage image = test::defaultChannelImage();
    image.setWord(qtDqtEntryOffset(2), 0x00FF);
    image.setWord(qtDqtEntryOffset(3), 0xFFFF);
    ChannelEditorState state;
    QtDqtTableForm form(image, state, &channelText);
    EXPECT_TRUE(state.tableEditingActive);
    EXPECT_EQ(form.cellText(1, 0), "1");
    EXPECT_EQ(form.cellText(1, 1), "67.0");
    EXPECT_EQ(form.cellText(2, 1), "Off");
    EXPECT_EQ(form.cellText(3, 1), "Off");
    EXPECT_EQ(form.cellText(38, 1), "D723N");
    EXPECT_EQ(form.cellText(39, 1), "");
    EXPECT_EQ(form.toneListEntries().size(), 205u);
    form.close();
    EXPECT_FALSE(state.tableEditingActive);
}

TEST(QtDqtTableForm, EditTableEntryOpensTheListOnEntryCellsOnly) {
    RadioImage image = test::defaultChannelImage();
    ChannelEditorState state;
    QtDqtTableForm form(image, state, &channelText);
    EXPECT_FALSE(form.editTableEntry(0, 1).open);
    EXPECT_FALSE(form.editTableEntry(4, 0).open);
    EXPECT_FALSE(state.tableListOpen);
    const TableEntryEditor e = form.editTableEntry(1, 1);
    EXPECT_TRUE(e.open);
    EXPECT_EQ(e.text, "67.0");
    EXPECT_EQ(e.selectedIndex, 0);
    EXPECT_TRUE(state.tableListOpen);
    EXPECT_FALSE(state.tableEditingActive);
    EXPECT_EQ(form.editTableEntry(38, 1).selectedIndex, 39 + 77); // D723N: 78th DQT code
}

TEST(QtDqtTableForm, CommitCarriesTheEntryIntoEveryChannelUsingIt) {
    struct Case {
        const char* name;
        int row;
        const char* text;
        std::uint16_t word;
        std::string shown;
    };
    const Case cases[] = {
        {"DQT", 5, "D023N", 0x2813, "D023N"}, {"QT", 5, "250.3", 2503, "250.3"},
        {"emptied", 5, "", 0xFFFF, "Off"},    {"zero", 5, "0", 0xFFFF, "Off"},
        {"clamped", 5, "300", 2541, "254.1"}, {"too long", 5, "D0235N", 0x2813, "D023N"},
    };
    for (const Case& c : cases) {
        RadioImage image = test::defaultChannelImage();
        // Channels 3 and 12 refer to entry 5; channel 7 to entry 6.
        image.setByte(channelOffset(3) + kChTableIndex, 5);
        image.setByte(channelOffset(12) + kChTableIndex, 5);
        image.setByte(channelOffset(7) + kChTableIndex, 6);
        for (int ch : {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 13, 14, 15})
            image.setByte(channelOffset(ch) + kChTableIndex, 0);
        const RadioImage before = image;
        ChannelEditorState state;
        QtDqtTableForm form(image, state, &channelText);
        form.editTableEntry(c.row, 1);
        const TableEntryCommit r = form.commitTableEntry(c.row, 1, c.text);
        EXPECT_TRUE(r.changed) << c.name;
        EXPECT_EQ(r.cellText, c.shown) << c.name;
        EXPECT_EQ(r.channels, (std::vector<int>{3, 12})) << c.name;
        EXPECT_EQ(image.word(qtDqtEntryOffset(5)), c.word) << c.name;
        for (int ch : {3, 12}) {
            EXPECT_EQ(image.word(channelOffset(ch) + kChDecodeTone), c.word) << c.name;
            EXPECT_EQ(image.word(channelOffset(ch) + kChEncodeTone), c.word) << c.name;
        }
        Offsets allowed = toneBytesOf({3, 12});
        allowed.insert(qtDqtEntryOffset(5));
        allowed.insert(qtDqtEntryOffset(5) + 1);
        for (std::size_t offset : changedOffsets(before, image))
            EXPECT_TRUE(allowed.count(offset)) << c.name << " " << offset;
        EXPECT_FALSE(state.tableListOpen) << c.name;
    }
}

TEST(QtDqtTableForm, NothingIsWrittenWithoutAChange) {
    RadioImage image = test::defaultChannelImage();
    image.setWord(qtDqtEntryOffset(4), 0x2013); // shows D023N, though the parser would set bit 11
    const RadioImage before = image;
    ChannelEditorState state;
    QtDqtTableForm form(image, state, &channelText);
    EXPECT_FALSE(form.commitTableEntry(4, 1, "67.0").changed); // no list open
    form.editTableEntry(4, 1);
    EXPECT_FALSE(form.commitTableEntry(4, 1, "D023N").changed); // the text it already shows
    form.editTableEntry(4, 1);
    form.cancelTableEntry();
    EXPECT_FALSE(form.commitTableEntry(4, 1, "67.0").changed);
    EXPECT_FALSE(form.commitTableEntry(0, 1, "67.0").changed);
    EXPECT_EQ(image, before);
}
