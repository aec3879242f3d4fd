#include "editors/channel/CopyDialogForms.h"

#include <algorithm>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ChannelTexts.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

using namespace layout;

ChannelCopyForm::ChannelCopyForm(RadioImage& image, ChannelEditorState& state)
    : image_(image), state_(state), source_(state.selectedChannel),
      destination_(state.selectedChannel) {}

std::string ChannelCopyForm::sourceText() const {
    return std::to_string(source_ + 1);
}
std::string ChannelCopyForm::destinationText() const {
    return std::to_string(destination_ + 1);
}

void ChannelCopyForm::commitDestination(std::string& text) {
    destination_ = clampNumberText(text, kChannelCount, 1, 1) - 1;
}

std::string ChannelCopyForm::stepDestination(const std::string& text, int direction) {
    std::string scratch = text;
    // Reads the number without clamping (min above max), then counts anything past 17 as 17.
    const int typed = std::min(clampNumberText(scratch, 0, 1, 1), kChannelCount + 1);
    const int value = stepValue(typed, kChannelCount, 1, 1, direction);
    destination_ = std::clamp(value, 1, kChannelCount) - 1;
    return std::to_string(destination_ + 1);
}

int ChannelCopyForm::copy() {
    state_.channelCopyPending = true;
    state_.skipListRefill = true;
    const int result = copyChannel(image_, state_, source_, destination_);
    if (result != 1)
        state_.channelCopyPending = false;
    return result;
}

FrequencyCopyForm::FrequencyCopyForm(RadioImage& image, ChannelEditorState& state,
                                     bool narrowStepsOnly, TextLookup lookup)
    : image_(image), state_(state), narrowStepsOnly_(narrowStepsOnly), lookup_(std::move(lookup)) {}

std::string FrequencyCopyForm::receiveText() const {
    std::string text;
    formatChannelField(image_, state_.selectedChannel, kFieldFrequency, text, lookup_);
    return text;
}

bool FrequencyCopyForm::commit(std::string_view text) {
    return writeFrequency(image_, state_.selectedChannel, FrequencyTarget::Transmit,
                          text.substr(0, kCommitTextMax), narrowStepsOnly_);
}

QtDqtCopyForm::QtDqtCopyForm(RadioImage& image, ChannelEditorState& state, TextLookup lookup)
    : image_(image), state_(state), lookup_(std::move(lookup)) {}

std::string QtDqtCopyForm::decodeToneText() const {
    return tsw::decodeToneText(image_, state_.selectedChannel, lookup_);
}

std::string QtDqtCopyForm::encodeToneText() const {
    return tsw::encodeToneText(image_, state_.selectedChannel, lookup_);
}

std::vector<std::string> QtDqtCopyForm::toneListEntries() const {
    return channelToneListEntries(image_, state_, lookup_);
}

int QtDqtCopyForm::encodeEntryIndex() const {
    ChannelEditForm form(image_, state_, false, lookup_);
    return form.toneEntryIndex(encodeToneText());
}

bool QtDqtCopyForm::commit(std::string_view listText) {
    const int channel = state_.selectedChannel;
    if (isChannelEmpty(image_, channel))
        return false;
    // The list's entries carry a numbered prefix: the tone is the text after it.
    const ToneWord word = parseTone(toneTextOfEntry(listText, lookup_), lookup_);
    ChannelRecordRef record = channelRecord(image_, channel);
    const bool changed = record.encodeTone() != word;
    record.setEncodeTone(word);
    return changed;
}

} // namespace tsw
