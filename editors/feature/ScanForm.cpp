#include "editors/feature/ScanForm.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tsw::feature {

namespace {

inline constexpr ListEntry kPriorityList[] = {
    {StrId::ProgramMenuSecondText, 0}, {StrId::ScanPriorityFixed, 1}, {StrId::ScanSelected, 2}};
inline constexpr ListEntry kRevertList0[] = {{StrId::ScanSelected, 0},
                                             {StrId::ScanSelectedTalkback, 1}};
inline constexpr ListEntry kRevertList1[] = {{StrId::ScanSelected, 0},
                                             {StrId::ScanSelectedTalkback, 1},
                                             {StrId::ScanPriority, 2},
                                             {StrId::ScanPriorityTalkback, 3}};
inline constexpr ListEntry kRevertList2[] = {{StrId::ScanPriority, 2},
                                             {StrId::ScanPriorityTalkback, 3}};

inline constexpr int kLookBackMin = 1;  // 0.50 s
inline constexpr int kLookBackMax = 91; // 5.00 s
inline constexpr int kSecondsMax = 300; // dropout delay and TX dwell

std::size_t byteOf(int row) {
    return kScanFieldTable[static_cast<std::size_t>(row)].offset;
}
bool isLookBack(int row) {
    return row == scan::LookBackA || row == scan::LookBackB;
}
bool isSeconds(int row) {
    return row == scan::DropoutDelay || row == scan::TxDwell;
}

// A look-back text read as hundredths of a second: the digits before the point, then at most
// two digits after it, missing ones counting as 0 ("2" is 2.00, "1.5" is 1.50).
int lookBackHundredths(std::string_view text) {
    std::size_t i = 0;
    int whole = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        whole = std::min(whole * 10 + (text[i] - '0'), 100000);
    int fraction = 0;
    int digits = 0;
    if (i < text.size() && text[i] == '.')
        for (++i;
             digits < 2 && i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
             ++i, ++digits)
            fraction = fraction * 10 + (text[i] - '0');
    for (; digits < 2; ++digits)
        fraction *= 10;
    return whole * 100 + fraction;
}

int lookBackStored(std::string_view text) {
    const int hundredths = std::clamp(lookBackHundredths(text), 50, 500);
    return (hundredths - 50) / 5 + 1;
}

} // namespace

bool channelProgrammed(const RadioImage& image, int channel) {
    if (channel < 1 || channel > layout::kChannelCount)
        return false;
    return image.byte(layout::channelOffset(channel - 1) + layout::kChRxFreq) < 0xFF;
}

std::optional<std::string> scanRowText(const RadioImage& image, int row) {
    if (row == scan::PriorityChannel) {
        // Priority 0 or 2 has no priority channel: the editor empties the box (and the byte)
        // as soon as it opens, so whatever the byte holds meanwhile is never shown.
        if (!hasPriorityChannel(image))
            return "";
        const int channel = image.byte(layout::kPriorityChannel);
        return channel >= 1 && channel <= layout::kChannelCount ? std::to_string(channel) : "";
    }
    if (isLookBack(row)) {
        const int stored = image.byte(byteOf(row));
        if (stored < kLookBackMin || stored > kLookBackMax)
            return "";
        const int hundredths = (stored - 1) * 5 + 50;
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%d.%02d", hundredths / 100, hundredths % 100);
        return buffer;
    }
    if (isSeconds(row)) {
        // A value beyond the range shows 3; the bytes stay as they are until a commit.
        const int seconds = image.word(byteOf(row));
        return seconds > kSecondsMax ? "3" : std::to_string(seconds);
    }
    return std::nullopt;
}

ScanForm::ScanForm(RadioImage& image) : image_(image) {}

std::optional<std::string> ScanForm::text(int row) const {
    return scanRowText(image_, row);
}

std::span<const ListEntry> ScanForm::listEntries(int row) const {
    if (row == scan::Priority)
        return kPriorityList;
    if (row != scan::RevertChannel)
        return {};
    switch (image_.byte(layout::kScanPriority)) {
    case 0:
        return kRevertList0;
    case 2:
        return kRevertList2;
    default:
        return kRevertList1; // priority 1, and a priority no list knows: every code
    }
}

int ScanForm::listIndex(int row) const {
    return listIndexOf(listEntries(row), image_.byte(byteOf(row)));
}

bool ScanForm::enabled(int row) const {
    const int priority = image_.byte(layout::kScanPriority);
    if (row == scan::PriorityChannel)
        return priority == 1;
    if (isLookBack(row))
        return priority != 0;
    return true;
}

bool hasPriorityChannel(const RadioImage& image) {
    const int priority = image.byte(layout::kScanPriority);
    return priority != 0 && priority != 2;
}

Commit ScanForm::applyEnabling() {
    if (!hasPriorityChannel(image_))
        image_.setByte(layout::kPriorityChannel, 0xFF);
    return Commit{}.show(scan::PriorityChannel).show(scan::LookBackA).show(scan::LookBackB);
}

Commit ScanForm::commitText(int row, std::string_view typed) {
    if (!enabled(row))
        return {};
    Commit c = Commit{}.show(row);
    if (row == scan::PriorityChannel) {
        const int channel = readNumber(typed);
        if (channel == 0)
            image_.setByte(layout::kPriorityChannel, 0xFF);
        else if (const int clamped = std::min(channel, layout::kChannelCount);
                 channelProgrammed(image_, clamped))
            image_.setByte(layout::kPriorityChannel, static_cast<std::uint8_t>(clamped));
        else
            c.message = StrId::ChannelNotProgrammed;
        if (image_.byte(layout::kPriorityChannel) == 0)
            image_.setByte(layout::kPriorityChannel, 0xFF);
    } else if (isLookBack(row)) {
        image_.setByte(byteOf(row), static_cast<std::uint8_t>(lookBackStored(typed)));
    } else if (isSeconds(row)) {
        image_.setWord(byteOf(row),
                       static_cast<std::uint16_t>(std::min(readNumber(typed), kSecondsMax)));
    } else {
        return {};
    }
    return c;
}

Commit ScanForm::step(int row, int direction, std::string_view typed) {
    if (!enabled(row))
        return {};
    if (isLookBack(row)) {
        // The step applies to the stored value; text typed since the last commit is dropped.
        const int value =
            stepWrapped(image_.byte(byteOf(row)), kLookBackMin, kLookBackMax, 1, direction);
        image_.setByte(byteOf(row), static_cast<std::uint8_t>(value));
        return Commit{}.show(row);
    }
    if (!isSeconds(row))
        return {};
    commitText(row, typed);
    const int value = stepWrapped(image_.word(byteOf(row)), 0, kSecondsMax, 1, direction);
    image_.setWord(byteOf(row), static_cast<std::uint16_t>(value));
    return Commit{}.show(row);
}

Commit ScanForm::commitList(int row, int index) {
    const std::span<const ListEntry> entries = listEntries(row);
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    const std::uint8_t code = entries[static_cast<std::size_t>(index)].code;
    image_.setByte(byteOf(row), code);
    if (row != scan::Priority)
        return Commit{}.show(row);
    Commit c = applyEnabling();
    const int revert = image_.byte(layout::kScanRevertChannel);
    if (code == 0 && (revert == 2 || revert == 3))
        image_.setByte(layout::kScanRevertChannel, 1);
    if (code == 2 && (revert == 0 || revert == 1))
        image_.setByte(layout::kScanRevertChannel, 3);
    return c.show(scan::Priority).show(scan::RevertChannel);
}

} // namespace tsw::feature
