#include "editors/channel/QtDqtTableForm.h"

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

using namespace layout;

namespace {
bool isEntryCell(int row, int column) {
    return row >= 1 && row <= kQtDqtTableEntries && column >= 1 &&
           column < QtDqtTableForm::kColumns;
}
} // namespace

QtDqtTableForm::QtDqtTableForm(RadioImage& image, ChannelEditorState& state, TextLookup lookup)
    : image_(image), state_(state), lookup_(std::move(lookup)) {
    state_.tableEditingActive = true;
    state_.tableListOpen = false;
}

void QtDqtTableForm::close() {
    state_.tableEditingActive = false;
    state_.tableListOpen = false;
}

std::string QtDqtTableForm::cellText(int row, int column) const {
    if (row == 0)
        return column == 0   ? lookup_(StrId::QtDqtNumberHeader)
               : column == 1 ? lookup_(StrId::QtDqtHeader)
                             : std::string{};
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    if (column == 0)
        return std::to_string(row);
    return formatTableTone(image_, row - 1, lookup_);
}

const std::vector<std::string>& QtDqtTableForm::toneListEntries() const {
    return toneChoiceList();
}

TableEntryEditor QtDqtTableForm::editTableEntry(int row, int column) {
    TableEntryEditor editor;
    if (!isEntryCell(row, column))
        return editor;
    state_.tableListOpen = true;
    editor.open = true;
    editor.row = row;
    editor.text = cellText(row, column);
    const auto& entries = toneListEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == editor.text)
            editor.selectedIndex = static_cast<int>(i);
    state_.tableEditingActive = false;
    return editor;
}

TableEntryCommit QtDqtTableForm::commitTableEntry(int row, int column, std::string_view listText) {
    TableEntryCommit result;
    result.cellText = cellText(row, column);
    if (!isEntryCell(row, column) || !state_.tableListOpen)
        return result;
    state_.tableListOpen = false;
    std::string text(listText.substr(0, kCommitTextMax));
    if (text == result.cellText)
        return result;
    if (text.empty() || text == "0")
        text = lookup_(StrId::OffText);
    const ToneWord word = parseTone(text, lookup_);
    image_.setWord(qtDqtEntryOffset(row), word);
    for (int channel = 0; channel < kChannelCount; ++channel) {
        ChannelRecordRef record = channelRecord(image_, channel);
        if (record.tableIndex() != row)
            continue;
        record.setDecodeTone(word);
        record.setEncodeTone(word);
        result.channels.push_back(channel);
    }
    result.changed = true;
    result.cellText = cellText(row, column);
    return result;
}

void QtDqtTableForm::cancelTableEntry() {
    state_.tableListOpen = false;
}

} // namespace tsw
