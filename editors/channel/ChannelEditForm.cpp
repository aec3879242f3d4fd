#include "editors/channel/ChannelEditForm.h"

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

using namespace layout;

namespace {
constexpr int kLastChannel = kChannelCount - 1;
} // namespace

ChannelEditForm::ChannelEditForm(RadioImage& image, ChannelEditorState& state, bool narrowStepsOnly,
                                 TextLookup lookup)
    : image_(image), state_(state), narrowStepsOnly_(narrowStepsOnly), lookup_(std::move(lookup)) {}

std::string ChannelEditForm::channelNumberText() const {
    return IsValidChannel(state_.selectedChannel) ? std::to_string(state_.selectedChannel + 1)
                                                  : std::string{};
}

std::string ChannelEditForm::captionText() const {
    return lookup_(StrId::TitleChannelEdit);
}

bool ChannelEditForm::fieldsEnabled() const {
    return !IsChannelEmpty(image_, state_.selectedChannel);
}

bool ChannelEditForm::hasTransmitFrequency() const {
    return fieldsEnabled() && image_.byte(channelOffset(state_.selectedChannel) + kChTxFreq) < 0xFF;
}

bool ChannelEditForm::companderEnabled() const {
    return hasTransmitFrequency();
}

std::string ChannelEditForm::receiveText() const {
    if (!fieldsEnabled())
        return {};
    return FormatFrequency(ReadFrequencyBytes(image_, channelOffset(state_.selectedChannel)));
}

std::string ChannelEditForm::transmitText() const {
    if (!fieldsEnabled())
        return {};
    return FormatFrequency(
        ReadFrequencyBytes(image_, channelOffset(state_.selectedChannel) + kChTxFreq));
}

std::string ChannelEditForm::decodeToneText() const {
    if (!fieldsEnabled())
        return {};
    return FormatTone(image_.word(channelOffset(state_.selectedChannel) + kChDecodeTone), lookup_);
}

std::string ChannelEditForm::encodeToneText() const {
    if (!fieldsEnabled())
        return {};
    return FormatTone(image_.word(channelOffset(state_.selectedChannel) + kChEncodeTone), lookup_);
}

bool ChannelEditForm::beatShift() const {
    return fieldsEnabled() &&
           image_.flag(channelOffset(state_.selectedChannel) + kChFlags13, kChBeatShiftMask);
}

bool ChannelEditForm::compander() const {
    return fieldsEnabled() &&
           image_.flag(channelOffset(state_.selectedChannel) + kChFlags12, kChCompanderMask);
}

int ChannelEditForm::bitmapBIndex() const {
    if (!fieldsEnabled())
        return -1;
    const int stored = GetBitmapB(image_, state_.selectedChannel);
    const auto choices = ChoiceTable(kFieldBitmapB);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].code == stored)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> ChannelEditForm::frequencyListEntries() const {
    return {kFixedFrequencies.begin(), kFixedFrequencies.end()};
}

std::vector<std::string> ChannelEditForm::toneListEntries() const {
    return ChannelToneListEntries(image_, state_, lookup_);
}

std::vector<std::string> ChannelEditForm::bitmapBEntries() const {
    std::vector<std::string> entries;
    for (const Choice& choice : ChoiceTable(kFieldBitmapB))
        entries.push_back(lookup_(choice.text));
    return entries;
}

int ChannelEditForm::toneEntryIndex(const std::string& toneText) const {
    const auto entries = toneListEntries();
    // The entry the channel refers to comes first when it shows the same tone.
    if (fieldsEnabled()) {
        const int index = image_.byte(channelOffset(state_.selectedChannel) + kChTableIndex);
        if (index >= 1 && index < static_cast<int>(entries.size()) &&
            ToneTextOfEntry(entries[index], lookup_) == toneText)
            return index;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string text = ToneTextOfEntry(entries[i], lookup_);
        if (text == toneText || (text.empty() && toneText == lookup_(StrId::OffText)))
            return static_cast<int>(i);
    }
    return -1;
}

void ChannelEditForm::CommitChannelNumber(std::string& text) {
    state_.selectedChannel = ClampNumberText(text, kChannelCount, 1, 1) - 1;
}

void ChannelEditForm::StepChannel(int direction) {
    const int current = IsValidChannel(state_.selectedChannel) ? state_.selectedChannel : 0;
    state_.selectedChannel = StepValue(current, kLastChannel, 0, 1, direction);
}

bool ChannelEditForm::CommitReceive(std::string_view text) {
    text = text.substr(0, kReceiveTextMax);
    if (text == receiveText())
        return false;
    const RadioImage before = image_;
    const int channel = state_.selectedChannel;
    WriteFrequency(image_, channel, FrequencyTarget::Receive, text, narrowStepsOnly_);
    WriteFrequency(image_, channel, FrequencyTarget::Transmit, text, narrowStepsOnly_);
    return !(before == image_);
}

bool ChannelEditForm::CommitTransmit(std::string_view text) {
    text = text.substr(0, kReceiveTextMax);
    if (text == transmitText())
        return false;
    const RadioImage before = image_;
    WriteFrequency(image_, state_.selectedChannel, FrequencyTarget::Transmit, text,
                   narrowStepsOnly_);
    return !(before == image_);
}

bool ChannelEditForm::commitTone(std::size_t field, std::string_view entryText) {
    if (!fieldsEnabled())
        return false;
    const ToneWord word = ParseTone(ToneTextOfEntry(entryText, lookup_), lookup_);
    const std::size_t at = channelOffset(state_.selectedChannel) + field;
    const bool changed = image_.word(at) != word;
    image_.setWord(at, word);
    return changed;
}

bool ChannelEditForm::CommitDecodeTone(std::string_view entryText) {
    return commitTone(kChDecodeTone, entryText);
}

bool ChannelEditForm::CommitEncodeTone(std::string_view entryText) {
    return commitTone(kChEncodeTone, entryText);
}

bool ChannelEditForm::setFlag(std::size_t field, std::uint8_t mask, bool on) {
    if (!fieldsEnabled())
        return false;
    const std::size_t at = channelOffset(state_.selectedChannel) + field;
    const bool changed = image_.flag(at, mask) != on;
    image_.setFlag(at, mask, on);
    return changed;
}

bool ChannelEditForm::SetBeatShift(bool on) {
    return setFlag(kChFlags13, kChBeatShiftMask, on);
}

bool ChannelEditForm::SetCompander(bool on) {
    if (!companderEnabled())
        return false;
    return setFlag(kChFlags12, kChCompanderMask, on);
}

bool ChannelEditForm::CommitBitmapB(int index) {
    const auto choices = ChoiceTable(kFieldBitmapB);
    if (!fieldsEnabled() || index < 0 || index >= static_cast<int>(choices.size()))
        return false;
    const int before = GetBitmapB(image_, state_.selectedChannel);
    SetBitmapB(image_, state_.selectedChannel, choices[static_cast<std::size_t>(index)].code);
    return before != choices[static_cast<std::size_t>(index)].code;
}

bool ChannelEditForm::canOpenChannelCopy() const {
    return fieldsEnabled();
}
bool ChannelEditForm::canOpenFrequencyCopy() const {
    return fieldsEnabled();
}
bool ChannelEditForm::canOpenQtDqtCopy() const {
    return hasTransmitFrequency();
}

} // namespace tsw
