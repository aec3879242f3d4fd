#include "editors/channel/ChannelEditForm.h"

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelTexts.h"
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
    return isValidChannel(state_.selectedChannel) ? std::to_string(state_.selectedChannel + 1)
                                                  : std::string{};
}

std::string ChannelEditForm::captionText() const {
    return lookup_(StrId::TitleChannelEdit);
}

bool ChannelEditForm::fieldsEnabled() const {
    return !isChannelEmpty(image_, state_.selectedChannel);
}

bool ChannelEditForm::hasTransmitFrequency() const {
    return fieldsEnabled() && record().txFrequency()[0] < 0xFF;
}

bool ChannelEditForm::companderEnabled() const {
    return hasTransmitFrequency();
}

std::string ChannelEditForm::receiveText() const {
    return receiveFrequencyText(image_, state_.selectedChannel);
}

std::string ChannelEditForm::transmitText() const {
    return transmitFrequencyText(image_, state_.selectedChannel);
}

std::string ChannelEditForm::decodeToneText() const {
    return tsw::decodeToneText(image_, state_.selectedChannel, lookup_);
}

std::string ChannelEditForm::encodeToneText() const {
    return tsw::encodeToneText(image_, state_.selectedChannel, lookup_);
}

bool ChannelEditForm::beatShift() const {
    return fieldsEnabled() && record().beatShift();
}

bool ChannelEditForm::compander() const {
    return fieldsEnabled() && record().compander();
}

int ChannelEditForm::bitmapBIndex() const {
    if (!fieldsEnabled())
        return -1;
    const int stored = record().scanAdd() ? 1 : 0;
    const auto choices = choiceTable(kFieldBitmapB);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].code == stored)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> ChannelEditForm::frequencyListEntries() const {
    return {kFixedFrequencies.begin(), kFixedFrequencies.end()};
}

std::vector<std::string> ChannelEditForm::toneListEntries() const {
    return channelToneListEntries(image_, state_, lookup_);
}

std::vector<std::string> ChannelEditForm::bitmapBEntries() const {
    std::vector<std::string> entries;
    for (const Choice& choice : choiceTable(kFieldBitmapB))
        entries.push_back(lookup_(choice.text));
    return entries;
}

int ChannelEditForm::toneEntryIndex(const std::string& toneText) const {
    const auto entries = toneListEntries();
    // The entry the channel refers to comes first when it shows the same tone.
    if (fieldsEnabled()) {
        const int index = record().tableIndex();
        if (index >= 1 && index < static_cast<int>(entries.size()) &&
            toneTextOfEntry(entries[index], lookup_) == toneText)
            return index;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string text = toneTextOfEntry(entries[i], lookup_);
        if (text == toneText || (text.empty() && toneText == lookup_(StrId::OffText)))
            return static_cast<int>(i);
    }
    return -1;
}

void ChannelEditForm::commitChannelNumber(std::string& text) {
    state_.selectedChannel = clampNumberText(text, kChannelCount, 1, 1) - 1;
}

void ChannelEditForm::stepChannel(int direction) {
    const int current = isValidChannel(state_.selectedChannel) ? state_.selectedChannel : 0;
    state_.selectedChannel = stepValue(current, kLastChannel, 0, 1, direction);
}

bool ChannelEditForm::commitReceive(std::string_view text) {
    text = text.substr(0, kReceiveTextMax);
    if (text == receiveText())
        return false;
    const RadioImage before = image_;
    const int channel = state_.selectedChannel;
    writeFrequency(image_, channel, FrequencyTarget::Receive, text, narrowStepsOnly_);
    writeFrequency(image_, channel, FrequencyTarget::Transmit, text, narrowStepsOnly_);
    return !(before == image_);
}

bool ChannelEditForm::commitTransmit(std::string_view text) {
    text = text.substr(0, kReceiveTextMax);
    if (text == transmitText())
        return false;
    const RadioImage before = image_;
    writeFrequency(image_, state_.selectedChannel, FrequencyTarget::Transmit, text,
                   narrowStepsOnly_);
    return !(before == image_);
}

bool ChannelEditForm::commitDecodeTone(std::string_view entryText) {
    if (!fieldsEnabled())
        return false;
    const ToneWord word = parseTone(toneTextOfEntry(entryText, lookup_), lookup_);
    const bool changed = record().decodeTone() != word;
    record().setDecodeTone(word);
    return changed;
}

bool ChannelEditForm::commitEncodeTone(std::string_view entryText) {
    if (!fieldsEnabled())
        return false;
    const ToneWord word = parseTone(toneTextOfEntry(entryText, lookup_), lookup_);
    const bool changed = record().encodeTone() != word;
    record().setEncodeTone(word);
    return changed;
}

bool ChannelEditForm::setBeatShift(bool on) {
    if (!fieldsEnabled() || record().beatShift() == on)
        return false;
    record().setBeatShift(on);
    return true;
}

bool ChannelEditForm::setCompander(bool on) {
    if (!companderEnabled() || record().compander() == on)
        return false;
    record().setCompander(on);
    return true;
}

bool ChannelEditForm::commitBitmapB(int index) {
    const auto choices = choiceTable(kFieldBitmapB);
    if (!fieldsEnabled() || index < 0 || index >= static_cast<int>(choices.size()))
        return false;
    const bool on = choices[static_cast<std::size_t>(index)].code == 1;
    if (record().scanAdd() == on)
        return false;
    record().setScanAdd(on);
    return true;
}

ChannelRecordRef ChannelEditForm::record() const {
    return channelRecord(image_, state_.selectedChannel);
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
