#include "editors/channel/ChannelInfoForm.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/ImageLayout.h"
#include "app/TextTemplate.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

using namespace layout;

namespace {

constexpr std::size_t kNumberedTonePrefix = 8; // "(05)    "
constexpr std::size_t kToneListTextMax = 20;

std::string numberedTone(int index, const std::string& tone) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "(%02d)    ", index);
    return prefix + tone;
}

bool hasNumberedPrefix(std::string_view text) {
    return text.size() >= 4 && text[0] == '(' && text[3] == ')' &&
           std::isdigit(static_cast<unsigned char>(text[1])) &&
           std::isdigit(static_cast<unsigned char>(text[2]));
}

int fieldOfColumn(int column) {
    return column;
} // columns 1..5 show fields 1..5

} // namespace

bool writeFrequency(RadioImage& image, int channel, FrequencyTarget target, std::string_view text,
                    bool narrowStepsOnly) {
    if (!isValidChannel(channel))
        return false;
    const bool receive = target == FrequencyTarget::Receive;
    FrequencyBytes bytes{0xFF, 0xFF, 0xFF, 0xFF};
    const int step = text.empty() ? -1 : parseFrequency(text, bytes, narrowStepsOnly);
    if (receive && step < 0) {
        // No receive frequency means no channel: clear the whole record so that nothing of
        // it comes back when a frequency is chosen again.
        clearChannel(image, channel);
        return true;
    }
    ChannelRecordRef record = channelRecord(image, channel);
    if (record.empty()) {
        if (!receive)
            return false;
        initNewChannel(image, channel);
    }
    if (step < 0)
        bytes = {0xFF, 0xFF, 0xFF, 0xFF};
    if (receive) {
        record.setRxFrequency(bytes);
        record.setSteps(step);
    } else {
        record.setTxFrequency(bytes);
    }
    return true;
}

std::string toneTextOfEntry(std::string_view entry, const TextLookup& lookup) {
    if (entry == lookup(StrId::OffText))
        return {};
    if (!hasNumberedPrefix(entry))
        return std::string(entry);
    if (entry.size() <= kNumberedTonePrefix)
        return {};
    return std::string(entry.substr(kNumberedTonePrefix));
}

int tableIndexOfEntry(std::string_view entry) {
    if (!hasNumberedPrefix(entry))
        return 0;
    const int index = (entry[1] - '0') * 10 + (entry[2] - '0');
    return index >= 1 && index <= kQtDqtTableEntries ? index : 0;
}

std::vector<std::string> channelToneListEntries(const RadioImage& image,
                                                const ChannelEditorState& state,
                                                const TextLookup& lookup) {
    if (state.tableEditingActive)
        return toneChoiceList();
    std::vector<std::string> entries{lookup(StrId::OffText)};
    for (int i = 0; i < kQtDqtTableEntries; ++i)
        entries.push_back(numberedTone(i + 1, formatTableTone(image, i, lookup)));
    return entries;
}

ChannelInfoForm::ChannelInfoForm(RadioImage& image, ChannelEditorState& state, bool narrowStepsOnly,
                                 TextLookup lookup)
    : image_(image), state_(state), narrowStepsOnly_(narrowStepsOnly), lookup_(std::move(lookup)) {}

std::string ChannelInfoForm::frequencyCellText(int channel) const {
    std::string text;
    formatChannelField(image_, channel, kFieldFrequency, text, lookup_);
    return numberedFrequencyText(text, lookup_);
}

std::string ChannelInfoForm::toneCellText(int channel) const {
    std::string text;
    if (formatChannelField(image_, channel, kFieldTone, text, lookup_) < 0)
        return {};
    const int index = channelRecord(image_, channel).tableIndex();
    if (index >= 1 && index <= kQtDqtTableEntries)
        return numberedTone(index, text);
    return text;
}

std::string ChannelInfoForm::flagCellText(int channel, int field) const {
    std::string text;
    formatChannelField(image_, channel, field, text, lookup_);
    return text;
}

std::string ChannelInfoForm::cellText(int row, int column) const {
    static constexpr StringId kHeaders[kColumns] = {
        StrId::ChannelNumberHeader, StrId::ChannelFrequencyHeader, StrId::QtDqtHeader,
        StrId::CompanderLabel,      StrId::ScanAddLabel,           StrId::BeatShiftLabel};
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    if (row == 0)
        return lookup_(kHeaders[column]);
    if (column == 0)
        return std::to_string(row);
    const int channel = row - 1;
    if (column == 1)
        return frequencyCellText(channel);
    if (column == 2)
        return toneCellText(channel);
    return flagCellText(channel, fieldOfColumn(column));
}

std::string ChannelInfoForm::freeAreaText() const {
    return std::to_string((kChannelCount - countUsedChannels(image_)) *
                          static_cast<int>(kChannelSize));
}

std::string ChannelInfoForm::captionText() const {
    const int shown =
        state_.selectedChannel >= kChannelCount - 1 ? kChannelCount : state_.selectedChannel + 1;
    return lookup_(StrId::TitleChannelInformation) + "[ " + lookup_(StrId::ChannelLabel) + " - " +
           std::to_string(shown) + " ]";
}

int ChannelInfoForm::helpTopicForColumn(int column) {
    static constexpr int kTopics[kColumns] = {kHelpTopic, 1195, 1199, 1364, 1210, 1363};
    return column >= 0 && column < kColumns ? kTopics[column] : kHelpTopic;
}

bool ChannelInfoForm::isCentred(int row, int column) {
    return row == 0 || column == 0 || column >= 3;
}

std::vector<std::string> ChannelInfoForm::frequencyListEntries() const {
    std::vector<std::string> entries;
    for (int k = 0; k <= kFixedFrequencyCount; ++k)
        entries.push_back(numberedFixedFrequency(k, lookup_));
    return entries;
}

std::vector<std::string> ChannelInfoForm::toneListEntries() const {
    return channelToneListEntries(image_, state_, lookup_);
}

void ChannelInfoForm::selectChannel(int channel) {
    if (isValidChannel(channel))
        state_.selectedChannel = channel;
}

CellEditor ChannelInfoForm::openCellEditor(int row, int column) {
    CellEditor editor;
    if (row < 1 || row >= kRows || column < 1 || column > kLastDataColumn)
        return editor;
    const int channel = row - 1;
    editor.channelChanged = channel != state_.selectedChannel;
    state_.selectedChannel = channel;
    if (isChannelEmpty(image_, channel))
        column = 1; // only a frequency can be entered into an empty channel
    editor.row = row;
    editor.column = column;
    if (column == 1) {
        editor.kind = CellEditor::Kind::FrequencyList;
        editor.entries = frequencyListEntries();
        editor.text = frequencyCellText(channel);
        editor.selectedIndex = frequencyEntryShown(channel);
    } else if (column == 2) {
        editor.kind = CellEditor::Kind::ToneList;
        editor.entries = toneListEntries();
        editor.text = toneCellText(channel);
        editor.selectedIndex = toneEntryShown(channel);
    } else {
        const bool changed = editor.channelChanged;
        editor = flagEditor(row, column);
        editor.channelChanged = changed;
    }
    return editor;
}

// The entry of the frequency list that stands for what the cell shows: off for an empty
// channel (or one without a receive frequency), k for the k-th fixed frequency, none (-1) for
// any other frequency.
int ChannelInfoForm::frequencyEntryShown(int channel) const {
    const std::string shown = frequencyCellText(channel);
    for (int k = 0; k <= kFixedFrequencyCount; ++k)
        if (numberedFixedFrequency(k, lookup_) == shown)
            return k;
    return -1;
}

// The entry of the tone list whose text the cell shows (the table number and the tone), -1
// when none does.
int ChannelInfoForm::toneEntryShown(int channel) const {
    const std::vector<std::string> entries = toneListEntries();
    const std::string shown = toneCellText(channel);
    int found = -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == shown)
            found = static_cast<int>(i);
    return found;
}

CellEditor ChannelInfoForm::flagEditor(int row, int column) const {
    CellEditor editor;
    editor.kind = CellEditor::Kind::FlagList;
    editor.row = row;
    editor.column = column;
    const int channel = row - 1;
    const ConstChannelRecordRef record = channelRecord(std::as_const(image_), channel);
    bool stored = record.scanAdd();
    if (column == kFieldCompander)
        stored = record.compander();
    else if (column == kFieldBeatShift)
        stored = record.beatShift();
    for (const Choice& choice : choiceTable(fieldOfColumn(column))) {
        if (choice.code == (stored ? 1 : 0))
            editor.selectedIndex = static_cast<int>(editor.entries.size());
        editor.entries.push_back(lookup_(choice.text));
        editor.codes.push_back(choice.code);
    }
    editor.text = flagCellText(channel, fieldOfColumn(column));
    return editor;
}

bool ChannelInfoForm::commitFrequencyEntry(int index) {
    const int channel = state_.selectedChannel;
    if (!isValidChannel(channel) || index < 0 || index > kFixedFrequencyCount ||
        index == frequencyEntryShown(channel))
        return false;
    const std::string_view text = index == 0 ? std::string_view{} : kFixedFrequencies[index - 1];
    const RadioImage before = image_;
    writeFrequency(image_, channel, FrequencyTarget::Receive, text, narrowStepsOnly_);
    writeFrequency(image_, channel, FrequencyTarget::Transmit, text, narrowStepsOnly_);
    return !(before == image_);
}

// The table number and tone of tone list entry `index`: off, then the 38 table entries; the
// full tone list (no table number) while the QT/DQT table is being edited.
std::optional<ChannelInfoForm::ToneChoice> ChannelInfoForm::toneChoice(int index) const {
    if (state_.tableEditingActive) {
        const std::vector<std::string>& list = toneChoiceList();
        if (index < 0 || index >= static_cast<int>(list.size()))
            return std::nullopt;
        return ToneChoice{0, parseTone(list[static_cast<std::size_t>(index)], lookup_)};
    }
    if (index < 0 || index > kQtDqtTableEntries)
        return std::nullopt;
    if (index == 0)
        return ToneChoice{};
    return ToneChoice{index, tableEntryTone(image_, index)};
}

bool ChannelInfoForm::toneEntrySelected(int index) {
    const int channel = state_.selectedChannel;
    const std::optional<ToneChoice> choice = toneChoice(index);
    if (!choice || isChannelEmpty(image_, channel))
        return false;
    ChannelRecordRef record = channelRecord(image_, channel);
    const bool changed = record.encodeTone() != choice->word;
    record.setEncodeTone(choice->word);
    return changed;
}

bool ChannelInfoForm::commitToneEntry(int index) {
    const int channel = state_.selectedChannel;
    const std::optional<ToneChoice> choice = toneChoice(index);
    if (!choice || isChannelEmpty(image_, channel) || index == toneEntryShown(channel))
        return false;
    const RadioImage before = image_;
    ChannelRecordRef record = channelRecord(image_, channel);
    record.setTableIndex(choice->tableIndex);
    record.setDecodeTone(choice->word);
    record.setEncodeTone(choice->word);
    return !(before == image_);
}

bool ChannelInfoForm::commitTone(std::string_view listText) {
    const int channel = state_.selectedChannel;
    if (isChannelEmpty(image_, channel))
        return false;
    listText = listText.substr(0, kToneListTextMax);
    if (listText == toneCellText(channel))
        return false; // unchanged: a decode tone set apart from the encode tone survives
    const RadioImage before = image_;
    const ToneWord word = parseTone(toneTextOfEntry(listText, lookup_), lookup_);
    ChannelRecordRef record = channelRecord(image_, channel);
    record.setTableIndex(tableIndexOfEntry(listText));
    record.setDecodeTone(word);
    record.setEncodeTone(word);
    return !(before == image_);
}

bool ChannelInfoForm::commitFlag(int column, int code) {
    const int channel = state_.selectedChannel;
    if (isChannelEmpty(image_, channel) || (code != 0 && code != 1))
        return false;
    const RadioImage before = image_;
    ChannelRecordRef record = channelRecord(image_, channel);
    if (column == kFieldCompander)
        record.setCompander(code == 1);
    else if (column == kFieldBeatShift)
        record.setBeatShift(code == 1);
    else if (column == kFieldBitmapB)
        record.setScanAdd(code == 1);
    return !(before == image_);
}

bool ChannelInfoForm::insertChannel() {
    state_.insertInProgress = true;
    const bool changed = !insertChannelAt(image_, state_).empty();
    state_.insertInProgress = false;
    if (changed)
        image_.setByte(kPriorityChannel, kNoPriorityChannel);
    return changed;
}

bool ChannelInfoForm::deleteChannel() {
    const RadioImage before = image_;
    deleteChannelAt(image_, state_.selectedChannel);
    if (before == image_)
        return false;
    image_.setByte(kPriorityChannel, kNoPriorityChannel);
    return true;
}

bool ChannelInfoForm::requestCopy() {
    if (isChannelEmpty(image_, state_.selectedChannel))
        return false;
    state_.channelCopyPending = true;
    state_.skipListRefill = true;
    return true;
}

ChannelRefusal ChannelInfoForm::refusal(ChannelCommand command) const {
    const int channel = state_.selectedChannel;
    RadioImage trial = image_;
    switch (command) {
    case ChannelCommand::Insert:
        if (!insertChannelAt(trial, state_).empty())
            return ChannelRefusal::None;
        return isValidChannel(channel) && !isChannelEmpty(image_, kChannelCount - 1)
                   ? ChannelRefusal::LastChannelInUse
                   : ChannelRefusal::NothingToMoveDown;
    case ChannelCommand::Delete:
        deleteChannelAt(trial, channel);
        return trial == image_ ? ChannelRefusal::NothingToDelete : ChannelRefusal::None;
    case ChannelCommand::Copy:
        return isChannelEmpty(image_, channel) ? ChannelRefusal::NotProgrammed
                                               : ChannelRefusal::None;
    }
    return ChannelRefusal::None;
}

std::string ChannelInfoForm::refusalText(ChannelRefusal refusal) const {
    const std::string number = std::to_string(std::clamp(state_.selectedChannel, 0, 15) + 1);
    switch (refusal) {
    case ChannelRefusal::None:
        return {};
    case ChannelRefusal::LastChannelInUse:
        return lookup_(StrId::StatusInsertLastChannelInUse);
    case ChannelRefusal::NothingToMoveDown:
        return fillTemplate(lookup_(StrId::StatusNothingToMoveDown), {number});
    case ChannelRefusal::NothingToDelete:
        return fillTemplate(lookup_(StrId::StatusNothingToDelete), {number});
    case ChannelRefusal::NotProgrammed:
        return fillTemplate(lookup_(StrId::StatusNothingToCopy), {number});
    }
    return {};
}

} // namespace tsw
