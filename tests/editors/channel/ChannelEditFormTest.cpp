#include <gtest/gtest.h>

#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/CopyDialogForms.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using test::changedOffsets;
using test::channelText;
using test::recordBytes;
using Offsets = std::set<std::size_t>;

namespace {

struct Fixture {
    explicit Fixture(RadioImage start, int selected = 0) : image(start), before(start) {
        state.selectedChannel = selected;
    }
    RadioImage image;
    RadioImage before;
    ChannelEditorState state;
    ChannelEditForm form{image, state, false, &channelText};
    Offsets changed() const { return changedOffsets(before, image); }
};

} // namespace

TEST(ChannelEditForm, ShowsTheSelectedChannel) {
    Fixture f(test::imageWithUsedChannels(3), 1);
    f.image.setByte(channelOffset(1) + kChFlags13, 0xEF); // beat shift on
    f.image.setWord(channelOffset(1) + kChEncodeTone, 0x2813);
    EXPECT_EQ(f.form.channelNumberText(), "2");
    EXPECT_TRUE(f.form.fieldsEnabled());
    EXPECT_TRUE(f.form.companderEnabled());
    EXPECT_EQ(f.form.receiveText(), "446.09375");
    EXPECT_EQ(f.form.transmitText(), "446.09375");
    EXPECT_EQ(f.form.decodeToneText(), "88.5");
    EXPECT_EQ(f.form.encodeToneText(), "D023N");
    EXPECT_TRUE(f.form.beatShift());
    EXPECT_FALSE(f.form.compander());
    EXPECT_EQ(f.form.bitmapBIndex(), 0);         // first choice: bitmap B set
    EXPECT_EQ(f.form.toneEntryIndex("88.5"), 8); // the channel's own entry (08)
    EXPECT_EQ(f.form.toneEntryIndex("77.0"), 4);
    EXPECT_EQ(f.form.toneEntryIndex("Off"), 0);
    EXPECT_EQ(f.form.toneEntryIndex("D132N"), 27);
    EXPECT_EQ(f.form.toneEntryIndex("D999N"), -1);
    EXPECT_EQ(f.form.frequencyListEntries().size(), 8u);
    EXPECT_EQ(f.form.toneListEntries().size(), 39u);

    f.image.setByte(channelOffset(1) + kChTxFreq, 0xFF); // no transmit frequency
    EXPECT_TRUE(f.form.fieldsEnabled());
    EXPECT_FALSE(f.form.companderEnabled());
    EXPECT_FALSE(f.form.canOpenQtDqtCopy());
    EXPECT_TRUE(f.form.canOpenFrequencyCopy());

    f.state.selectedChannel = 5; // empty
    EXPECT_FALSE(f.form.fieldsEnabled());
    EXPECT_EQ(f.form.receiveText(), "");
    EXPECT_EQ(f.form.bitmapBIndex(), -1);
    EXPECT_FALSE(f.form.beatShift());
    EXPECT_FALSE(f.form.canOpenChannelCopy());
}

TEST(ChannelEditForm, ChannelNumberClampsAndSpinWraps) {
    struct Case {
        const char* typed;
        int channel;
        const char* rewritten;
    };
    const Case cases[] = {{"0", 0, "1"}, {"99", 15, "16"}, {"7", 6, "7"}, {"", 0, "1"}};
    for (const Case& c : cases) {
        Fixture f(test::defaultChannelImage(), 4);
        std::string text = c.typed;
        f.form.commitChannelNumber(text);
        EXPECT_EQ(f.form.channel(), c.channel) << c.typed;
        EXPECT_EQ(text, c.rewritten) << c.typed;
    }
    Fixture f(test::defaultChannelImage(), 0);
    f.form.stepChannel(-1);
    EXPECT_EQ(f.form.channel(), 15);
    f.form.stepChannel(+1);
    EXPECT_EQ(f.form.channel(), 0);
    f.form.stepChannel(+1);
    EXPECT_EQ(f.form.channel(), 1);
    EXPECT_TRUE(f.changed().empty());
}

TEST(ChannelEditForm, CommitsChangeExactlyTheirBytes) {
    const int ch = 10;
    const std::size_t at = channelOffset(ch);
    struct Case {
        const char* name;
        std::function<bool(ChannelEditForm&)> commit;
        Offsets changed;
    };
    const Case cases[] = {
        {"receive moves transmit with it",
         [](ChannelEditForm& f) { return f.commitReceive("446.005"); },
         {at + 0, at + 1, at + 4, at + 5, at + 14}},
        {"unchanged receive", [](ChannelEditForm& f) { return f.commitReceive("446.03125"); }, {}},
        {"transmit alone",
         [](ChannelEditForm& f) { return f.commitTransmit("446.00625"); },
         {at + 5}},
        {"decode tone",
         [](ChannelEditForm& f) { return f.commitDecodeTone("(01)    67.0"); },
         {at + 8, at + 9}},
        {"encode off",
         [](ChannelEditForm& f) { return f.commitEncodeTone("Off"); },
         {at + 10, at + 11}},
        {"encode typed",
         [](ChannelEditForm& f) { return f.commitEncodeTone("d023i"); },
         {at + 10, at + 11}},
        {"beat shift", [](ChannelEditForm& f) { return f.setBeatShift(true); }, {at + 13}},
        {"compander", [](ChannelEditForm& f) { return f.setCompander(true); }, {at + 12}},
        {"bitmap B off", [](ChannelEditForm& f) { return f.commitBitmapB(1); }, {kBitmapB + 1}},
        {"bitmap B bad index", [](ChannelEditForm& f) { return f.commitBitmapB(2); }, {}},
    };
    for (const Case& c : cases) {
        Fixture f(test::defaultChannelImage(), ch);
        EXPECT_EQ(c.commit(f.form), !c.changed.empty()) << c.name;
        EXPECT_EQ(f.changed(), c.changed) << c.name;
    }
    Fixture enc(test::defaultChannelImage(), ch);
    enc.form.commitEncodeTone("Off");
    EXPECT_EQ(enc.image.word(at + kChEncodeTone), 0xFFFF);
    EXPECT_EQ(enc.image.byte(at + kChTableIndex), enc.before.byte(at + kChTableIndex));
}

TEST(ChannelEditForm, EmptyChannelTakesOnlyAReceiveFrequency) {
    Fixture f(test::imageWithUsedChannels(4), 6);
    EXPECT_FALSE(f.form.commitTransmit("446.00625"));
    EXPECT_FALSE(f.form.commitDecodeTone("(01)    67.0"));
    EXPECT_FALSE(f.form.setBeatShift(true));
    EXPECT_FALSE(f.form.setCompander(true));
    EXPECT_FALSE(f.form.commitBitmapB(0));
    EXPECT_TRUE(f.changed().empty());
    EXPECT_TRUE(f.form.commitReceive("446.00625"));
    EXPECT_EQ(f.form.transmitText(), "446.00625");
    EXPECT_EQ(f.form.encodeToneText(), "Off");
    EXPECT_TRUE(f.form.commitReceive("")); // emptied again
    EXPECT_FALSE(f.form.fieldsEnabled());
}

TEST(ChannelCopyForm, CopiesTheRecordAndItsBitmapBits) {
    Fixture f(test::imageWithUsedChannels(6), 2);
    f.image.setWord(kBitmapA, 0x0000);
    f.image.setWord(kBitmapB, 0x0004); // channel 3 (index 2) flagged, channel 5 not
    f.before = f.image;
    ChannelCopyForm copy(f.image, f.state);
    EXPECT_EQ(copy.sourceText(), "3");
    EXPECT_EQ(copy.destinationText(), "3");
    EXPECT_EQ(copy.copy(), -1); // onto itself
    EXPECT_TRUE(f.changed().empty());
    std::string typed = "5";
    copy.commitDestination(typed);
    EXPECT_EQ(copy.copy(), 1);
    EXPECT_EQ(f.image.word(kBitmapB), 0x0014);
    EXPECT_TRUE(f.state.skipListRefill);
    EXPECT_FALSE(f.state.channelCopyPending);
    for (std::size_t offset : f.changed())
        EXPECT_TRUE((offset >= channelOffset(4) && offset < channelOffset(5)) ||
                    offset == kBitmapA || offset == kBitmapB)
            << offset;
}

TEST(ChannelCopyForm, DestinationClampsAndSpinWraps) {
    Fixture f(test::defaultChannelImage(), 0);
    ChannelCopyForm copy(f.image, f.state);
    struct Case {
        const char* text;
        int direction;
        const char* result;
    };
    const Case cases[] = {{"16", +1, "1"}, {"1", -1, "16"},  {"5", +1, "6"},
                          {"40", +1, "1"}, {"40", -1, "16"}, {"", -1, "16"}};
    for (const Case& c : cases)
        EXPECT_EQ(copy.stepDestination(c.text, c.direction), c.result) << c.text << c.direction;
    std::string typed = "0";
    copy.commitDestination(typed);
    EXPECT_EQ(typed, "1");
    typed = "99";
    copy.commitDestination(typed);
    EXPECT_EQ(copy.destination(), 15);
    EXPECT_TRUE(f.changed().empty());
}

TEST(FrequencyCopyForm, SetsTheTransmitFrequency) {
    Fixture f(test::defaultChannelImage(), 3);
    FrequencyCopyForm copy(f.image, f.state, false, &channelText);
    EXPECT_EQ(copy.receiveText(), "446.06875");
    EXPECT_TRUE(copy.commit("446.1"));
    EXPECT_EQ(f.changed(), recordBytes(3, {4, 5, 6}));
    EXPECT_EQ(f.image.byte(channelOffset(3) + 6), 0x61);
    EXPECT_TRUE(copy.commit("x"));
    EXPECT_EQ(f.image.byte(channelOffset(3) + 4), 0xFF); // no frequency

    Fixture empty(test::imageWithUsedChannels(2), 3);
    FrequencyCopyForm refused(empty.image, empty.state, false, &channelText);
    EXPECT_EQ(refused.receiveText(), "");
    EXPECT_FALSE(refused.commit("446.1"));
    EXPECT_TRUE(empty.changed().empty());
}

TEST(QtDqtCopyForm, SetsTheEncodeToneFromTheChosenEntry) {
    struct Case {
        const char* list;
        std::uint16_t word;
    };
    const Case cases[] = {{"(05)    77.0", 770}, {"Off", 0xFFFF}, {"D023N", 0x2813}};
    for (const Case& c : cases) {
        Fixture f(test::defaultChannelImage(), 4);
        QtDqtCopyForm copy(f.image, f.state, &channelText);
        EXPECT_EQ(copy.decodeToneText(), "118.8");
        copy.commit(c.list);
        EXPECT_EQ(f.image.word(channelOffset(4) + kChEncodeTone), c.word) << c.list;
        EXPECT_EQ(f.changed(), recordBytes(4, {10, 11})) << c.list;
    }
    Fixture f(test::defaultChannelImage(), 0);
    QtDqtCopyForm copy(f.image, f.state, &channelText);
    EXPECT_EQ(copy.encodeEntryIndex(), 10);
}
