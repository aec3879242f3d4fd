#include "editors/channel/ChannelRecord.h"

#include <array>

#include "app/ImageLayout.h"
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
        SetChannelBit(image, bitmap, to, from >= 0 && GetChannelBit(image, bitmap, from));
}

int highestUsedChannel(const RadioImage& image) {
    for (int n = kLastChannel; n >= 0; --n)
        if (!IsChannelEmpty(image, n))
            return n;
    return -1;
}

constexpr std::array<Choice, 2> kOffOnChoices = {{{StrId::FlagOff, 0}, {StrId::FlagOn, 1}}};
constexpr std::array<Choice, 2> kBitmapBChoices = {{{StrId::BitmapBOn, 1}, {StrId::BitmapBOff, 0}}};

void flagText(int code, int field, TextLookup lookup, std::string& text) {
    const int id = LookupChoiceText(code, ChoiceTable(field));
    if (id >= 0)
        text = lookup(id);
}

} // namespace

bool IsValidChannel(int channel) {
    return channel >= 0 && channel < kChannelCount;
}

bool IsChannelEmpty(const RadioImage& image, int channel) {
    return !IsValidChannel(channel) || image.byte(channelField(channel, kChRxFreq)) == 0xFF;
}

int CountUsedChannels(const RadioImage& image) {
    int used = 0;
    for (int n = 0; n < kChannelCount; ++n)
        used += IsChannelEmpty(image, n) ? 0 : 1;
    return used;
}

bool GetChannelBit(const RadioImage& image, std::size_t offset, int channel) {
    if (!IsValidChannel(channel))
        return false;
    return (image.word(offset) >> channel & 1) != 0;
}

void SetChannelBit(RadioImage& image, std::size_t offset, int channel, bool on) {
    if (!IsValidChannel(channel))
        return;
    image.setFlag(offset + static_cast<std::size_t>(channel / 8),
                  static_cast<std::uint8_t>(1u << (channel % 8)), on);
}

int GetBitmapB(const RadioImage& image, int channel) {
    if (!IsValidChannel(channel))
        return -1;
    return GetChannelBit(image, kBitmapB, channel) ? 1 : 0;
}

int SetBitmapB(RadioImage& image, int channel, int value) {
    if (!IsValidChannel(channel))
        return 0;
    SetChannelBit(image, kBitmapB, channel, (value & 1) != 0);
    return 1;
}

void ClearChannelRecord(RadioImage& image, int channel) {
    if (!IsValidChannel(channel))
        return;
    for (std::size_t i = 0; i < kChannelSize; ++i)
        image.setByte(channelField(channel, i), 0xFF);
}

void ClearChannel(RadioImage& image, int channel) {
    if (!IsValidChannel(channel))
        return;
    ClearChannelRecord(image, channel);
    SetChannelBit(image, kBitmapA, channel, false);
}

int CopyChannel(RadioImage& image, ChannelEditorState& state, int source, int destination) {
    if (source == destination)
        return -1;
    if (!IsValidChannel(source) || !IsValidChannel(destination))
        return 0;
    if (!IsChannelEmpty(image, destination))
        ClearChannel(image, destination);
    copyRecord(image, source, destination);
    if (!IsChannelEmpty(image, destination)) {
        SetChannelBit(image, kBitmapA, destination, true);
        SetChannelBit(image, kBitmapB, destination, GetChannelBit(image, kBitmapB, source));
    }
    state.channelCopyPending = false;
    return 1;
}

std::vector<int> InsertChannelAt(RadioImage& image, const ChannelEditorState& state) {
    const int s = state.selectedChannel;
    if (!IsValidChannel(s))
        return {};
    const int highest = highestUsedChannel(image);
    // Nothing to move down, or the last channel is in use and would drop out of the table.
    if (highest < s || highest == kLastChannel)
        return {};
    for (int n = kLastChannel; n > s; --n)
        copyRecord(image, n - 1, n);
    for (int n = kLastChannel; n >= s; --n)
        copyBitmapBits(image, n - 1, n);
    ClearChannelRecord(image, s);
    return {s};
}

std::vector<int> DeleteChannelAt(RadioImage& image, int selected) {
    if (!IsValidChannel(selected))
        return {};
    const int highest = highestUsedChannel(image);
    std::vector<int> rows;
    for (int n = selected; n < kLastChannel; ++n) {
        copyRecord(image, n + 1, n);
        copyBitmapBits(image, n + 1, n);
        if (n == highest)
            rows.push_back(n);
    }
    ClearChannelRecord(image, kLastChannel);
    rows.push_back(kLastChannel);
    return rows;
}

void InitNewChannel(RadioImage& image, int channel) {
    if (!IsValidChannel(channel))
        return;
    image.setByte(channelField(channel, kChTableIndex), 0);
    image.setByte(channelField(channel, kChFlags12), 0);
    image.setBits(channelField(channel, kChFlags13), kChNewChannelClear13, 0);
    image.setBits(channelField(channel, kChSteps), kChFurtherMask14, 0);
}

int RequireChannel(const RadioImage& image, ChannelEditorState& state, UserPrompt& prompt,
                   int channel, const TextLookup& lookup) {
    if (!IsChannelEmpty(image, channel))
        return 1;
    state.messageShown = true;
    prompt.ask(errorPrompt(StrId::ChannelNotProgrammed, lookup));
    return 0;
}

std::span<const Choice> ChoiceTable(int field) {
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

int LookupChoiceText(int code, std::span<const Choice> choices) {
    for (const Choice& choice : choices)
        if (choice.code == code)
            return choice.text;
    return -1;
}

int FormatChannelField(const RadioImage& image, int channel, int field, std::string& text,
                       const TextLookup& lookup) {
    if (IsChannelEmpty(image, channel))
        return -1;
    const std::size_t base = channelOffset(channel);
    switch (field) {
    case kFieldFrequency:
        if (auto frequency = FormatFrequency(ReadFrequencyBytes(image, base + kChRxFreq));
            !frequency.empty())
            text = std::move(frequency);
        break;
    case kFieldTone:
        text = FormatTone(image.word(base + kChDecodeTone), lookup);
        break;
    case kFieldCompander:
        flagText(image.bits(base + kChFlags12, kChCompanderMask), field, lookup, text);
        break;
    case kFieldBitmapB:
        flagText(GetBitmapB(image, channel), field, lookup, text);
        break;
    case kFieldBeatShift:
        flagText(image.bits(base + kChFlags13, kChBeatShiftMask), field, lookup, text);
        break;
    default:
        break;
    }
    return 0;
}

} // namespace tsw
