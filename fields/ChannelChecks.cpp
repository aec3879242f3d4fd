// The rules about channels, test frequencies and the QT/DQT table. A channel counts as in use
// while the first byte of its record is not 0xFF; the bytes of an empty channel say nothing.

#include <cstdio>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ToneCodec.h"
#include "fields/CheckParts.h"

namespace tsw::fields::rules {

namespace {

// The frequencies a rule looks at: of the used channels, and for the digit rule the test
// frequencies as well.
struct FrequencyAt {
    std::size_t offset;
    FrequencyBytes bytes;
};

std::vector<FrequencyAt> channelFrequencies(const RadioImage& image) {
    std::vector<FrequencyAt> out;
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const ConstChannelRecordRef record = channelRecord(image, ch);
        if (record.empty())
            continue;
        out.push_back({record.at(chfield::RxFrequency), record.rxFrequency()});
        out.push_back({record.at(chfield::TxFrequency), record.txFrequency()});
    }
    return out;
}

std::vector<int> usedChannels(const RadioImage& image) {
    std::vector<int> used;
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        if (!isChannelEmpty(image, ch))
            used.push_back(ch);
    return used;
}

std::string toneWordText(ToneWord word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", word);
    return text;
}

// A frequency that holds a value: neither empty nor one whose digits are broken.
std::optional<long> validHz(const FrequencyBytes& bytes) {
    return isNoFrequency(bytes) ? std::nullopt : frequencyHz(bytes);
}

} // namespace

// Frequency bytes with a nibble above 9: the channel table and the test frequency window would
// show hex letters, and no frequency parser ever writes them.
void frequencyDigits(CheckContext& c, const CheckRule& rule) {
    std::vector<FrequencyAt> all = channelFrequencies(c.image());
    for (int t = 0; t < layout::kTestFrequencyCount; ++t)
        for (const std::size_t side : {std::size_t{0}, std::size_t{4}}) {
            const std::size_t at = layout::testFrequencyOffset(t) + side;
            all.push_back({at, readFrequencyBytes(c.image(), at)});
        }
    for (const FrequencyAt& f : all)
        if (!isNoFrequency(f.bytes) && !frequencyHz(f.bytes))
            c.report(rule, c.field(f.offset), {fieldBytesText(c.image(), c.field(f.offset))});
}

// A channel in use (its first byte is not 0xFF) whose receive frequency is 00 00 00 00, the
// other form of "no frequency": the channel table shows the channel as empty.
void receiveMissing(CheckContext& c, const CheckRule& rule) {
    for (const int ch : usedChannels(c.image())) {
        const ConstChannelRecordRef record = channelRecord(c.image(), ch);
        if (isNoFrequency(record.rxFrequency())) {
            const Field& f = c.field(record.at(chfield::RxFrequency));
            c.report(rule, f, {fieldBytesText(c.image(), f)});
        }
    }
}

// A channel frequency that is a multiple of none of the steps the frequency parser stores.
void frequencyStep(CheckContext& c, const CheckRule& rule) {
    for (const FrequencyAt& f : channelFrequencies(c.image()))
        if (const auto hz = validHz(f.bytes); hz && !onChannelStep(*hz, c.narrowStepsOnly()))
            c.report(rule, c.field(f.offset), {megahertzText(*hz)});
}

// Tone words of the used channels and of the QT/DQT table (where 0x00FF is off, too).
void toneWord(CheckContext& c, const CheckRule& rule) {
    const RadioImage& image = c.image();
    const auto check = [&](std::size_t at, bool tableEntry) {
        const ToneWord word = image.word(at);
        if (isValidToneWord(word) || (tableEntry && word == kTableEntryOff))
            return;
        c.report(rule, c.field(at), {toneWordText(word)});
    };
    for (const int ch : usedChannels(image)) {
        const ConstChannelRecordRef record = channelRecord(image, ch);
        check(record.at(chfield::DecodeTone), false);
        check(record.at(chfield::EncodeTone), false);
    }
    for (int entry = 1; entry <= layout::kQtDqtTableEntries; ++entry)
        check(layout::qtDqtEntryOffset(entry), true);
}

// A used channel's table number above the 38 entries of the QT/DQT table.
void tableNumber(CheckContext& c, const CheckRule& rule) {
    for (const int ch : usedChannels(c.image())) {
        const ConstChannelRecordRef record = channelRecord(c.image(), ch);
        if (record.tableIndex() > layout::kQtDqtTableEntries)
            c.report(rule, c.field(record.at(chfield::TableIndex)),
                     {std::to_string(record.tableIndex())});
    }
}

// A receive or transmit frequency outside the band of the model the image belongs to.
void outOfBand(CheckContext& c, const CheckRule& rule) {
    const BandEntry& band = c.band();
    for (const FrequencyAt& f : channelFrequencies(c.image()))
        if (const auto hz = validHz(f.bytes); hz && (*hz < band.lowestHz || *hz > band.highestHz))
            c.report(
                rule, c.field(f.offset),
                {megahertzText(*hz), megahertzText(band.lowestHz), megahertzText(band.highestHz)});
}

// A channel in use without transmit frequency: a receive-only channel.
void noTransmit(CheckContext& c, const CheckRule& rule) {
    for (const int ch : usedChannels(c.image())) {
        const ConstChannelRecordRef record = channelRecord(c.image(), ch);
        if (isNoFrequency(record.txFrequency()))
            c.report(rule, c.field(record.at(chfield::TxFrequency)), {});
    }
}

// The channel table writes one frequency as receive and transmit frequency; a channel whose
// two differ is heard on another frequency than the one it listens on.
void splitFrequency(CheckContext& c, const CheckRule& rule) {
    for (const int ch : usedChannels(c.image())) {
        const ConstChannelRecordRef record = channelRecord(c.image(), ch);
        const auto rx = validHz(record.rxFrequency());
        const auto tx = validHz(record.txFrequency());
        if (rx && tx && *rx != *tx)
            c.report(rule, c.field(record.at(chfield::TxFrequency)),
                     {megahertzText(*tx), megahertzText(*rx)});
    }
}

// A channel that names a QT/DQT table entry: an edit of that entry sets both of the channel's
// tone words to the entry's, so tones of its own would be lost.
void tableToneDiffers(CheckContext& c, const CheckRule& rule) {
    const RadioImage& image = c.image();
    for (const int ch : usedChannels(image)) {
        const ConstChannelRecordRef record = channelRecord(image, ch);
        const int entry = record.tableIndex();
        if (entry < 1 || entry > layout::kQtDqtTableEntries)
            continue;
        ToneWord tableWord = image.word(layout::qtDqtEntryOffset(entry));
        if (tableWord == kTableEntryOff)
            tableWord = kToneOff; // what an edit of the entry writes into the channels
        if (record.decodeTone() == tableWord && record.encodeTone() == tableWord)
            continue;
        c.report(rule, c.field(record.at(chfield::TableIndex)),
                 {std::to_string(entry), formatTableTone(image, entry - 1, c.text()),
                  formatTone(record.decodeTone(), c.text()),
                  formatTone(record.encodeTone(), c.text())});
    }
}

// No channel in use: said once, at the first channel's receive frequency.
void noChannels(CheckContext& c, const CheckRule& rule) {
    if (countUsedChannels(c.image()) == 0)
        c.report(rule, c.field(layout::channelField(0, layout::kChRxFreq)), {});
}

} // namespace tsw::fields::rules
