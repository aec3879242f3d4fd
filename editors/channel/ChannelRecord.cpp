#include "editors/channel/ChannelRecord.h"

#include <array>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

using namespace layout;

namespace {

constexpr int kLastChannel = kChannelCount - 1;

void copyRecord(RadioImage& image, int from, int to) {
    for (std::size_t i = 0; i < kChannelSize; ++i)
        image.setByte(channelField(to, i), image.byte(channelField(from, i)));
}

void copyBitmapBits(RadioImage& image, int from, int to) {
    for (const std::size_t bitmap : {kBitmapA, kBitmapB})
        setChannelBit(image, bitmap, to, from >= 0 && getChannelBit(image, bitmap, from));
}

int highestUsedChannel(const RadioImage& image) {
    for (int n = kLastChannel; n >= 0; --n)
        if (!isChannelEmpty(image, n))
            return n;
    return -1;
}

constexpr std::array<Choice, 2> kOffOnChoices = {{{StrId::FlagOff, 0}, {StrId::FlagOn, 1}}};
constexpr std::array<Choice, 2> kBitmapBChoices = {{{StrId::BitmapBOn, 1}, {StrId::BitmapBOff, 0}}};

void flagText(int code, int field, TextLookup lookup, std::string& text) {
    const int id = lookupChoiceText(code, choiceTable(field));
    if (id >= 0)
        text = lookup(id);
}

} // namespace

bool isValidChannel(int channel) {
    return channel >= 0 && channel < kChannelCount;
}

bool isChannelEmpty(const RadioImage& image, int channel) {
    return channelRecord(image, channel).empty();
}

int countUsedChannels(const RadioImage& image) {
    int used = 0;
    for (int n = 0; n < kChannelCount; ++n)
        used += isChannelEmpty(image, n) ? 0 : 1;
    return used;
}

bool getChannelBit(const RadioImage& image, std::size_t offset, int channel) {
    if (!isValidChannel(channel))
        return false;
    return (image.word(offset) >> channel & 1) != 0;
}

void setChannelBit(RadioImage& image, std::size_t offset, int channel, bool on) {
    if (!isValidChannel(channel))
        return;
    image.setFlag(offset + static_cast<std::size_t>(channel / 8),
                  static_cast<std::uint8_t>(1u << (channel % 8)), on);
}

int getBitmapB(const RadioImage& image, int channel) {
    if (!isValidChannel(channel))
        return -1;
    return getChannelBit(image, kBitmapB, channel) ? 1 : 0;
}

int setBitmapB(RadioImage& image, int channel, int value) {
    if (!isValidChannel(channel))
        return 0;
    setChannelBit(image, kBitmapB, channel, (value & 1) != 0);
    return 1;
}

void clearChannelRecord(RadioImage& image, int channel) {
    if (!isValidChannel(channel))
        return;
    for (std::size_t i = 0; i < kChannelSize; ++i)
        image.setByte(channelField(channel, i), 0xFF);
}

void clearChannel(RadioImage& image, int channel) {
    if (!isValidChannel(channel))
        return;
    clearChannelRecord(image, channel);
    setChannelBit(image, kBitmapA, channel, false);
}

int copyChannel(RadioImage& image, ChannelEditorState& state, int source, int destination) {
    if (source == destination)
        return -1;
    if (!isValidChannel(source) || !isValidChannel(destination))
        return 0;
    if (!isChannelEmpty(image, destination))
        clearChannel(image, destination);
    copyRecord(image, source, destination);
    if (!isChannelEmpty(image, destination)) {
        setChannelBit(image, kBitmapA, destination, true);
        setChannelBit(image, kBitmapB, destination, getChannelBit(image, kBitmapB, source));
    }
    state.channelCopyPending = false;
    return 1;
}

std::vector<int> insertChannelAt(RadioImage& image, const ChannelEditorState& state) {
    const int s = state.selectedChannel;
    if (!isValidChannel(s))
        return {};
    const int highest = highestUsedChannel(image);
    // Nothing to move down, or the last channel is in use and would drop out of the table.
    if (highest < s || highest == kLastChannel)
        return {};
    for (int n = kLastChannel; n > s; --n)
        copyRecord(image, n - 1, n);
    for (int n = kLastChannel; n >= s; --n)
        copyBitmapBits(image, n - 1, n);
    clearChannelRecord(image, s);
    return {s};
}

std::vector<int> deleteChannelAt(RadioImage& image, int selected) {
    if (!isValidChannel(selected))
        return {};
    const int highest = highestUsedChannel(image);
    std::vector<int> rows;
    for (int n = selected; n < kLastChannel; ++n) {
        copyRecord(image, n + 1, n);
        copyBitmapBits(image, n + 1, n);
        if (n == highest)
            rows.push_back(n);
    }
    clearChannelRecord(image, kLastChannel);
    rows.push_back(kLastChannel);
    return rows;
}

void initNewChannel(RadioImage& image, int channel) {
    ChannelRecordRef record = channelRecord(image, channel);
    record.setTableIndex(kNoTableIndex);
    image.setByte(record.at(chfield::Compander), 0); // the compander and its neighbours
    image.setBits(record.at(chfield::BeatShift), kChNewChannelClear13, 0);
    image.setBits(record.at(chfield::RxStep), kChFurtherMask14, 0);
}

int requireChannel(const RadioImage& image, ChannelEditorState& state, UserPrompt& prompt,
                   int channel, const TextLookup& lookup) {
    if (!isChannelEmpty(image, channel))
        return 1;
    state.messageShown = true;
    prompt.ask(errorPrompt(StrId::ChannelNotProgrammed, lookup));
    return 0;
}

std::span<const Choice> choiceTable(int field) {
    switch (field) {
    case kFieldCompander:
    case kFieldBeatShift:
        return kOffOnChoices;
    case kFieldBitmapB:
        return kBitmapBChoices;
    default:
        return {};
    }
}

int lookupChoiceText(int code, std::span<const Choice> choices) {
    for (const Choice& choice : choices)
        if (choice.code == code)
            return choice.text;
    return -1;
}

int formatChannelField(const RadioImage& image, int channel, int field, std::string& text,
                       const TextLookup& lookup) {
    if (isChannelEmpty(image, channel))
        return -1;
    const ConstChannelRecordRef record = channelRecord(image, channel);
    switch (field) {
    case kFieldFrequency:
        if (auto frequency = formatFrequency(record.rxFrequency()); !frequency.empty())
            text = std::move(frequency);
        break;
    case kFieldTone:
        text = formatTone(record.decodeTone(), lookup);
        break;
    case kFieldCompander:
        flagText(record.compander() ? 1 : 0, field, lookup, text);
        break;
    case kFieldBitmapB:
        flagText(record.scanAdd() ? 1 : 0, field, lookup, text);
        break;
    case kFieldBeatShift:
        flagText(record.beatShift() ? 1 : 0, field, lookup, text);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace tsw
