// The channel table's lists commit by the index of the chosen entry. The table used to read
// its own list texts back ("(5)     446.05625" minus its prefix, "(05)    77.0" split into
// number and tone); that way is kept here as the reference: for every entry of every list, in
// channels of every kind and with odd words in the QT/DQT table, both store the same bytes.

#include <gtest/gtest.h>

#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ToneCodec.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using test::channelText;

namespace {

struct Table {
    RadioImage image;
    ChannelEditorState state;
    ChannelInfoForm form;
    Table(const RadioImage& start, bool fullToneList, bool narrow, int channel)
        : image(start), form(image, state, narrow, &channelText) {
        state.tableEditingActive = fullToneList;
        form.selectChannel(channel);
    }
};

// What the frequency list stored when it read its text back.
bool commitFrequencyText(Table& t, std::string_view listText, bool narrow) {
    const int channel = t.form.selectedChannel();
    listText = listText.substr(0, 19);
    if (listText.empty() || listText == t.form.cellText(channel + 1, 1))
        return false;
    std::string text(listText.size() > 8 ? listText.substr(8) : std::string_view{});
    if (text == channelText(StrId::OffText))
        text.clear();
    const RadioImage before = t.image;
    writeFrequency(t.image, channel, FrequencyTarget::Receive, text, narrow);
    writeFrequency(t.image, channel, FrequencyTarget::Transmit, text, narrow);
    return !(before == t.image);
}

// What a selection change in the tone list stored when it read the entry's text.
bool selectToneText(Table& t, std::string_view entry) {
    const int channel = t.form.selectedChannel();
    if (isChannelEmpty(t.image, channel))
        return false;
    const ToneWord word = parseTone(toneTextOfEntry(entry, &channelText), &channelText);
    ChannelRecordRef record = channelRecord(t.image, channel);
    const bool changed = record.encodeTone() != word;
    record.setEncodeTone(word);
    return changed;
}

// The default channels, and beside them channels and table entries of every odd kind.
RadioImage oddImage() {
    RadioImage image = test::defaultChannelImage();
    const auto setRx = [&image](int channel, FrequencyBytes bytes) {
        writeFrequencyBytes(image, channelOffset(channel) + kChRxFreq, bytes);
    };
    for (std::size_t i = 0; i < kChannelSize; ++i)
        image.setByte(channelOffset(2) + i, 0xFF);           // empty
    setRx(3, {0x00, 0x00, 0x00, 0x00});                      // in use, no receive frequency
    setRx(4, {0x00, 0x00, 0x10, 0x44});                      // 446.10000: no fixed frequency
    setRx(5, {0xAB, 0xCD, 0x60, 0x44});                      // not decimal
    image.setWord(channelOffset(6) + kChEncodeTone, 0x0300); // encode set apart from decode
    image.setByte(channelOffset(7) + kChTableIndex, 39);     // a number past the table
    image.setWord(channelOffset(8) + kChDecodeTone, 0x7E13); // bits outside the code
    image.setWord(channelOffset(9) + kChDecodeTone, 0x00FF);
    const ToneWord table[] = {0x00FF, 0xFFFF, 0x0100, 0xDFFF, 0x7E13, 0xFE13, 0x0000, 0x2FFF};
    for (std::size_t i = 0; i < std::size(table); ++i)
        image.setWord(qtDqtEntryOffset(static_cast<int>(i) + 2), table[i]);
    return image;
}

struct Variant {
    const char* name;
    RadioImage image;
    bool fullToneList;
    bool narrow;
};

std::vector<Variant> variants() {
    return {
        {"default image", test::defaultChannelImage(), false, false},
        {"odd image", oddImage(), false, false},
        {"odd image, narrow steps", oddImage(), false, true},
        {"odd image, full tone list", oddImage(), true, false},
    };
}

} // namespace

TEST(ChannelInfoEntryCommit, StoresWhatReadingTheEntryTextStored) {
    int compared = 0;
    for (const Variant& v : variants()) {
        for (int channel = 0; channel < kChannelCount; ++channel) {
            const Table probe(v.image, v.fullToneList, v.narrow, channel);
            const auto frequencies = probe.form.frequencyListEntries();
            const auto tones = probe.form.toneListEntries();
            for (int i = -1; i <= static_cast<int>(frequencies.size()); ++i) {
                const std::string text = i >= 0 && i < static_cast<int>(frequencies.size())
                                             ? frequencies[static_cast<std::size_t>(i)]
                                             : std::string();
                Table byIndex(v.image, v.fullToneList, v.narrow, channel);
                Table byText(v.image, v.fullToneList, v.narrow, channel);
                EXPECT_EQ(byIndex.form.commitFrequencyEntry(i),
                          commitFrequencyText(byText, text, v.narrow))
                    << v.name << ", channel " << channel << ", frequency entry " << i;
                EXPECT_EQ(byIndex.image, byText.image)
                    << v.name << ", channel " << channel << ", frequency entry " << i;
                ++compared;
            }
            for (int i = 0; i < static_cast<int>(tones.size()); ++i) {
                const std::string& text = tones[static_cast<std::size_t>(i)];
                Table byIndex(v.image, v.fullToneList, v.narrow, channel);
                Table byText(v.image, v.fullToneList, v.narrow, channel);
                EXPECT_EQ(byIndex.form.toneEntrySelected(i), selectToneText(byText, text))
                    << v.name << ", channel " << channel << ", selected " << text;
                EXPECT_EQ(byIndex.image, byText.image)
                    << v.name << ", channel " << channel << ", selected " << text;
                EXPECT_EQ(byIndex.form.commitToneEntry(i), byText.form.commitTone(text))
                    << v.name << ", channel " << channel << ", tone entry " << text;
                EXPECT_EQ(byIndex.image, byText.image)
                    << v.name << ", channel " << channel << ", tone entry " << text;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 4 * 16 * 40);
}

TEST(ChannelInfoEntryCommit, AnIndexOutsideAListStoresNothing) {
    for (const Variant& v : variants()) {
        Table t(v.image, v.fullToneList, v.narrow, 0);
        const int tones = static_cast<int>(t.form.toneListEntries().size());
        for (const int index : {-1, tones, 1000}) {
            EXPECT_FALSE(t.form.toneEntrySelected(index)) << v.name << index;
            EXPECT_FALSE(t.form.commitToneEntry(index)) << v.name << index;
        }
        EXPECT_FALSE(t.form.commitFrequencyEntry(kFixedFrequencyCount + 1)) << v.name;
        EXPECT_EQ(t.image, v.image) << v.name;
    }
}
