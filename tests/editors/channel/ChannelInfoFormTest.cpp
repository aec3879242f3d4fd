#include <gtest/gtest.h>

#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ToneCodec.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using test::changedOffsets;
using test::channelText;
using test::recordBytes;
using Offsets = std::set<std::size_t>;

namespace {

struct Fixture {
    explicit Fixture(RadioImage start) : image(start), before(start) {}
    RadioImage image;
    RadioImage before;
    ChannelEditorState state;
    ChannelInfoForm form{image, state, false, &channelText};
    Offsets changed() const { return changedOffsets(before, image); }
};

std::string hashText(StringId id) {
    return "#" + std::to_string(id);
}

} // namespace

TEST(ChannelInfoForm, CellTextsOfUsedAndEmptyChannels) {
    Fixture f(test::imageWithUsedChannels(3));
    f.image.setByte(channelOffset(1) + kChFlags12, 0x01); // compander on
    f.image.setByte(channelOffset(1) + kChFlags13, 0x40); // beat shift on
    f.image.setByte(channelOffset(2) + kChTableIndex, 0); // no table entry
    f.image.setWord(kBitmapB, 0xFFFD);                    // channel 2's flag off
    f.before = f.image;
    struct Case {
        int row, column;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, hashText(StrId::ChannelNumberHeader)},
        {0, 1, hashText(StrId::ChannelFrequencyHeader)},
        {1, 0, "1"},
        {1, 1, "(1)     446.00625"},
        {1, 2, "(10)    94.8"},
        {1, 3, hashText(StrId::FlagOff)},
        {1, 4, hashText(StrId::BitmapBOn)},
        {1, 5, hashText(StrId::FlagOff)},
        {2, 1, "(8)     446.09375"},
        {2, 3, hashText(StrId::FlagOn)},
        {2, 4, hashText(StrId::BitmapBOff)},
        {2, 5, hashText(StrId::FlagOn)},
        {3, 2, "103.5"},
        {4, 0, "4"},
        {4, 1, "(0)     Off"},
        {4, 2, ""},
        {4, 3, ""},
        {16, 5, ""},
        {17, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f.form.cellText(c.row, c.column), c.text) << c.row << "," << c.column;
    EXPECT_TRUE(f.changed().empty());
}

TEST(ChannelInfoForm, FreeAreaAndCaption) {
    for (int used : {0, 1, 15, 16}) {
        Fixture f(test::imageWithUsedChannels(used));
        EXPECT_EQ(f.form.freeAreaText(), std::to_string((16 - used) * 16)) << used;
    }
    Fixture f(test::defaultChannelImage());
    const std::string title = hashText(StrId::TitleChannelInformation);
    const std::string label = hashText(StrId::ChannelLabel);
    EXPECT_EQ(f.form.captionText(), title + "[ " + label + " - 1 ]");
    f.form.selectChannel(15);
    EXPECT_EQ(f.form.captionText(), title + "[ " + label + " - 16 ]");
    f.state.selectedChannel = kNoChannelSelected;
    EXPECT_EQ(f.form.captionText(), title + "[ " + label + " - 16 ]");
}

TEST(ChannelInfoForm, ListsOfferTheFixedFrequenciesAndTheNumberedTable) {
    Fixture f(test::defaultChannelImage());
    const auto frequencies = f.form.frequencyListEntries();
    ASSERT_EQ(frequencies.size(), 9u);
    EXPECT_EQ(frequencies[0], "(0)     Off");
    EXPECT_EQ(frequencies[8], "(8)     446.09375");
    const auto tones = f.form.toneListEntries();
    ASSERT_EQ(tones.size(), 39u);
    EXPECT_EQ(tones[0], "Off");
    EXPECT_EQ(tones[1], "(01)    67.0");
    EXPECT_EQ(tones[38], "(38)    D723N");
    f.state.tableEditingActive = true; // the QT/DQT table fills it with every tone
    EXPECT_EQ(f.form.toneListEntries().size(), 205u);
}

TEST(ChannelInfoForm, OpenCellEditorDecidesListEntryAndColumn) {
    using Kind = CellEditor::Kind;
    struct Case {
        int row, column;
        Kind kind;
        int column2;
        int selectedIndex;
        std::string text;
        bool channelChanged;
    };
    const Case cases[] = {
        {0, 1, Kind::None, 0, -1, "", false}, // header row
        {3, 0, Kind::None, 0, -1, "", false}, // number column
        {1, 1, Kind::FrequencyList, 1, 1, "(1)     446.00625", false},
        {2, 1, Kind::FrequencyList, 1, 8, "(8)     446.09375", true},
        {1, 2, Kind::ToneList, 2, 10, "(10)    94.8", false},
        {1, 3, Kind::FlagList, 3, 0, hashText(StrId::FlagOff), false},
        {1, 4, Kind::FlagList, 4, 0, hashText(StrId::BitmapBOn), false},
        {1, 5, Kind::FlagList, 5, 0, hashText(StrId::FlagOff), false},
        {3, 4, Kind::FlagList, 4, 0, hashText(StrId::BitmapBOn), true},
        {5, 3, Kind::FrequencyList, 1, 0, "(0)     Off", true}, // empty: only a frequency
        {5, 2, Kind::FrequencyList, 1, 0, "(0)     Off", true},
    };
    for (const Case& c : cases) {
        Fixture f(test::imageWithUsedChannels(4));
        const CellEditor e = f.form.openCellEditor(c.row, c.column);
        EXPECT_EQ(e.kind, c.kind) << c.row << "," << c.column;
        if (c.kind == Kind::None) {
            EXPECT_EQ(f.state.selectedChannel, 0);
            continue;
        }
        EXPECT_EQ(e.column, c.column2) << c.row << "," << c.column;
        EXPECT_EQ(e.selectedIndex, c.selectedIndex) << c.row << "," << c.column;
        EXPECT_EQ(e.text, c.text) << c.row << "," << c.column;
        EXPECT_EQ(e.channelChanged, c.channelChanged) << c.row << "," << c.column;
        EXPECT_EQ(f.state.selectedChannel, c.row - 1);
        EXPECT_TRUE(f.changed().empty());
    }
}

TEST(ChannelInfoForm, FlagListsCarryTheirCodes) {
    Fixture f(test::defaultChannelImage());
    EXPECT_EQ(f.form.openCellEditor(1, 4).codes, (std::vector<int>{1, 0})); // on first
    EXPECT_EQ(f.form.openCellEditor(1, 3).codes, (std::vector<int>{0, 1}));
}

TEST(ChannelInfoForm, TonesOffTheListAreTypedIntoTheEditPart) {
    Fixture f(test::defaultChannelImage());
    f.image.setByte(channelOffset(0) + kChTableIndex, 0);
    f.image.setWord(channelOffset(0) + kChDecodeTone, 0x2813);
    const CellEditor e = f.form.openCellEditor(1, 2);
    EXPECT_EQ(e.selectedIndex, -1);
    EXPECT_EQ(e.text, "D023N");
}

TEST(ChannelInfoForm, CommitFrequencyRules) {
    const std::size_t ch2 = channelOffset(2);
    Offsets cleared = {kBitmapA}; // off empties the channel: every byte not 0xFF, bit A
    for (std::size_t i = 0; i < kChannelSize; ++i)
        if (test::defaultChannelImage().byte(ch2 + i) != 0xFF)
            cleared.insert(ch2 + i);
    const std::pair<int, Offsets> cases[] = {
        {2, {ch2, ch2 + 1, ch2 + 4, ch2 + 5}}, // 446.01875
        {3, {}},                               // the frequency the channel has
        {-1, {}},                              // no entry chosen
        {9, {}},                               // past the list
        {0, cleared},                          // off
    };
    for (const auto& [index, changed] : cases) {
        Fixture f(test::defaultChannelImage());
        f.form.selectChannel(2);
        EXPECT_EQ(f.form.commitFrequencyEntry(index), !changed.empty()) << index;
        EXPECT_EQ(f.changed(), changed) << index;
    }
}

TEST(ChannelInfoForm, FrequencyForAnEmptyChannelCreatesIt) {
    Fixture f(test::imageWithUsedChannels(2));
    // Leave junk in the flag bytes of the empty record to see what a new channel resets.
    f.image.setByte(channelOffset(5) + kChFlags12, 0xFF);
    f.before = f.image;
    f.form.selectChannel(5);
    EXPECT_TRUE(f.form.commitFrequencyEntry(4)); // 446.04375
    const std::size_t at = channelOffset(5);
    const std::uint8_t expected[16] = {0x75, 0x43, 0x60, 0x44, 0x75, 0x43, 0x60, 0x44,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x8F, 0xA0, 0x00};
    for (std::size_t i = 0; i < kChannelSize; ++i)
        EXPECT_EQ(f.image.byte(at + i), expected[i]) << i;
    for (std::size_t offset : f.changed())
        EXPECT_TRUE(offset >= at && offset < at + kChannelSize) << offset;
    EXPECT_EQ(f.form.cellText(6, 1), "(4)     446.04375");
    EXPECT_EQ(f.form.cellText(6, 2), "Off");
}

TEST(ChannelInfoForm, WriteFrequencyRules) {
    struct Case {
        const char* name;
        bool emptyChannel;
        FrequencyTarget target;
        const char* text;
        bool stored;
        std::uint8_t b0, b4, b14;
    };
    // Channel 0 of the default image: 446.00625 both ways, byte 14 = 0xA0.
    const Case cases[] = {
        {"rx 5 kHz", false, FrequencyTarget::Receive, "446.005", true, 0x00, 0x25, 0x50},
        {"rx 2.5 kHz", false, FrequencyTarget::Receive, "446.0025", true, 0x50, 0x25, 0x00},
        {"tx", false, FrequencyTarget::Transmit, "446.005", true, 0x25, 0x00, 0xA0},
        {"tx unparsable", false, FrequencyTarget::Transmit, "0", true, 0x25, 0xFF, 0xA0},
        {"tx into empty", true, FrequencyTarget::Transmit, "446.005", false, 0xFF, 0xFF, 0xFF},
        {"rx unparsable", false, FrequencyTarget::Receive, "abc", true, 0xFF, 0xFF, 0xFF},
        {"rx empty", false, FrequencyTarget::Receive, "", true, 0xFF, 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        RadioImage image = test::imageWithUsedChannels(c.emptyChannel ? 0 : 1);
        const RadioImage before = image;
        EXPECT_EQ(writeFrequency(image, 0, c.target, c.text, false), c.stored) << c.name;
        EXPECT_EQ(image.byte(channelOffset(0) + 0), c.b0) << c.name;
        EXPECT_EQ(image.byte(channelOffset(0) + 4), c.b4) << c.name;
        EXPECT_EQ(image.byte(channelOffset(0) + 14), c.b14) << c.name;
        for (std::size_t offset : changedOffsets(before, image))
            EXPECT_TRUE((offset >= channelOffset(0) && offset < channelOffset(1)) ||
                        offset == kBitmapA)
                << c.name << " " << offset;
    }
    RadioImage narrow = test::defaultChannelImage();
    writeFrequency(narrow, 0, FrequencyTarget::Receive, "446.0025", true);
    EXPECT_EQ(narrow.byte(channelOffset(0) + 14), 0xA0); // truncated to a 6.25 kHz step
}

// Texts typed or edited in the tone list's edit part.
TEST(ChannelInfoForm, ToneCommitsSetIndexAndBothWords) {
    struct Case {
        const char* name;
        const char* list;
        std::uint8_t index;
        std::uint16_t word;
    };
    const Case cases[] = {
        {"numbered entry", "(05)    77.0", 5, 770},
        {"DQT entry", "(33)    D023N", 33, 0x2813},
        {"off entry", "Off", 0, 0xFFFF},
        {"typed tone", "D023I", 0, 0xA813},
        {"typed QT", "300", 0, 2541},
    };
    for (const Case& c : cases) {
        Fixture f(test::defaultChannelImage());
        f.form.selectChannel(3);
        f.form.commitTone(c.list);
        const std::size_t at = channelOffset(3);
        EXPECT_EQ(f.image.byte(at + kChTableIndex), c.index) << c.name;
        EXPECT_EQ(f.image.word(at + kChDecodeTone), c.word) << c.name;
        EXPECT_EQ(f.image.word(at + kChEncodeTone), c.word) << c.name;
        for (std::size_t offset : f.changed())
            EXPECT_TRUE(recordBytes(3, {8, 9, 10, 11, 15}).count(offset)) << c.name << offset;
    }
    Fixture same(test::defaultChannelImage());
    same.image.setWord(channelOffset(0) + kChEncodeTone, 0x0300); // set apart from decode
    same.before = same.image;
    EXPECT_FALSE(same.form.commitTone("(10)    94.8")); // the text the cell shows
    EXPECT_TRUE(same.changed().empty());
}

TEST(ChannelInfoForm, ToneSelectionStoresTheEncodeToneOnly) {
    Fixture f(test::defaultChannelImage());
    f.form.selectChannel(1);
    EXPECT_TRUE(f.form.toneEntrySelected(1)); // (01)    67.0
    EXPECT_EQ(f.changed(), recordBytes(1, {10, 11}));
    EXPECT_EQ(f.image.word(channelOffset(1) + kChEncodeTone), 670);
    f.form.toneEntrySelected(0); // off
    EXPECT_EQ(f.image.word(channelOffset(1) + kChEncodeTone), 0xFFFF);
}

TEST(ChannelInfoForm, FlagCommitsChangeExactlyOneBit) {
    struct Case {
        int column, code;
        std::size_t offset;
        std::uint8_t mask;
    };
    const int ch = 9; // bitmap bits of channel 9 live in the second byte
    const Case cases[] = {
        {3, 1, channelOffset(ch) + kChFlags12, kChCompanderMask},
        {5, 1, channelOffset(ch) + kChFlags13, kChBeatShiftMask},
        {4, 0, kBitmapB + 1, 0x02},
    };
    for (const Case& c : cases) {
        Fixture f(test::defaultChannelImage());
        f.form.selectChannel(ch);
        EXPECT_TRUE(f.form.commitFlag(c.column, c.code));
        EXPECT_EQ(f.changed(), Offsets{c.offset}) << c.column;
        EXPECT_EQ(f.image.byte(c.offset) ^ f.before.byte(c.offset), c.mask) << c.column;
        EXPECT_FALSE(f.form.commitFlag(c.column, c.code)) << "again: no change";
        EXPECT_FALSE(f.form.commitFlag(c.column, 7)) << "not a code of the list";
    }
    Fixture empty(test::imageWithUsedChannels(2));
    empty.form.selectChannel(4);
    EXPECT_FALSE(empty.form.commitFlag(3, 1));
    EXPECT_TRUE(empty.changed().empty());
}

TEST(ChannelInfoForm, InsertAndDeleteClearThePriorityChannel) {
    struct Case {
        const char* name;
        bool insert;
        int used, selected;
        bool changes;
    };
    const Case cases[] = {
        {"insert in the middle", true, 10, 3, true},
        {"insert with channel 16 in use", true, 16, 3, false},
        {"insert after the last used channel", true, 5, 7, false},
        {"delete channel 16", false, 16, 15, true},
        {"delete in the middle", false, 10, 3, true},
        {"delete an empty tail", false, 5, 9, false},
    };
    for (const Case& c : cases) {
        Fixture f(test::imageWithUsedChannels(c.used));
        f.image.setByte(kPriorityChannel, 4);
        f.before = f.image;
        f.form.selectChannel(c.selected);
        const bool changed = c.insert ? f.form.insertChannel() : f.form.deleteChannel();
        EXPECT_EQ(changed, c.changes) << c.name;
        EXPECT_FALSE(f.state.insertInProgress) << c.name;
        if (!c.changes) {
            EXPECT_TRUE(f.changed().empty()) << c.name;
            continue;
        }
        EXPECT_EQ(f.image.byte(kPriorityChannel), kNoPriorityChannel) << c.name;
        for (std::size_t offset : f.changed())
            EXPECT_TRUE(offset == kPriorityChannel ||
                        (offset >= kChannelBase && offset < kChannelEnd) ||
                        (offset >= kBitmapA && offset < kBitmapB + 2))
                << c.name << " " << offset;
    }
    Fixture del(test::defaultChannelImage());
    del.form.selectChannel(15);
    del.form.deleteChannel();
    for (int n = 0; n < 15; ++n)
        EXPECT_NE(del.image.byte(channelOffset(n)), 0xFF) << "channel " << n + 1 << " stays";
    EXPECT_EQ(del.form.cellText(16, 1), "(0)     Off");
}

TEST(ChannelInfoForm, CopyKeyOpensOnlyForAChannelInUse) {
    for (int channel : {1, 2}) {
        Fixture f(test::imageWithUsedChannels(2));
        f.form.selectChannel(channel);
        EXPECT_EQ(f.form.requestCopy(), channel == 1);
        EXPECT_EQ(f.state.channelCopyPending, channel == 1);
        EXPECT_EQ(f.state.skipListRefill, channel == 1);
    }
}

// A command that would change nothing says why; one that says nothing acts.
TEST(ChannelInfoForm, RefusedChannelCommandsSayWhy) {
    using R = ChannelRefusal;
    struct Case {
        ChannelCommand command;
        int used, selected;
        R refusal;
        std::string text;
    };
    const Case cases[] = {
        {ChannelCommand::Insert, 10, 3, R::None, ""},
        {ChannelCommand::Insert, 16, 3, R::LastChannelInUse, "#3480035"},
        {ChannelCommand::Insert, 16, 15, R::LastChannelInUse, "#3480035"},
        {ChannelCommand::Insert, 5, 7, R::NothingToMoveDown, "#3480037"},
        {ChannelCommand::Insert, 5, 4, R::None, ""}, // the last used channel moves down
        {ChannelCommand::Insert, 0, 0, R::NothingToMoveDown, "#3480037"},
        {ChannelCommand::Delete, 16, 15, R::None, ""},
        {ChannelCommand::Delete, 5, 4, R::None, ""},
        {ChannelCommand::Delete, 5, 9, R::NothingToDelete, "#3480039"},
        {ChannelCommand::Delete, 0, 0, R::NothingToDelete, "#3480039"},
        {ChannelCommand::Copy, 5, 4, R::None, ""},
        {ChannelCommand::Copy, 5, 5, R::NotProgrammed, "#3480041"},
    };
    // The texts come through the template: the placeholder takes the channel number.
    const auto lookup = [](StringId id) {
        return id == StrId::StatusInsertLastChannelInUse ? "#" + std::to_string(id)
                                                         : "#" + std::to_string(id) + "%d";
    };
    for (const Case& c : cases) {
        RadioImage image = test::imageWithUsedChannels(c.used);
        ChannelEditorState state;
        ChannelInfoForm form(image, state, false, lookup);
        form.selectChannel(c.selected);
        const std::string where = std::to_string(int(c.command)) + " on channel " +
                                  std::to_string(c.selected + 1) + " of " + std::to_string(c.used);
        EXPECT_EQ(form.refusal(c.command), c.refusal) << where;
        const std::string number = c.refusal == R::None || c.refusal == R::LastChannelInUse
                                       ? ""
                                       : std::to_string(c.selected + 1);
        EXPECT_EQ(form.refusalText(c.refusal), c.text + number) << where;
        const RadioImage before = image;
        const bool acted = c.command == ChannelCommand::Insert   ? form.insertChannel()
                           : c.command == ChannelCommand::Delete ? form.deleteChannel()
                                                                 : form.requestCopy();
        EXPECT_EQ(acted, c.refusal == R::None) << where;
        if (c.refusal != R::None)
            EXPECT_EQ(image, before) << where;
    }
}

TEST(ChannelInfoForm, ListEntryTexts) {
    EXPECT_EQ(toneTextOfEntry("(05)    D023N", &channelText), "D023N");
    EXPECT_EQ(toneTextOfEntry("Off", &channelText), "");
    EXPECT_EQ(toneTextOfEntry("(38)    Off", &channelText), "Off");
    EXPECT_EQ(toneTextOfEntry("D023N", &channelText), "D023N");
    EXPECT_EQ(tableIndexOfEntry("(05)    D023N"), 5);
    EXPECT_EQ(tableIndexOfEntry("(39)    67.0"), 0);
    EXPECT_EQ(tableIndexOfEntry("D023N"), 0);
}
