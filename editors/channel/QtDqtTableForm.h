#pragma once
// The QT/DQT table: 38 tone words at 0x200 + 2(n - 1), n = 1..38, shown as a 39 x 2 table
// (row n: the entry number, the entry's tone). Channels refer to an entry by number (record
// byte 15); a changed entry is carried into the decode and encode tones of every channel that
// refers to it.

#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

// What a click on a table cell opens: the tone list over the entry's cell.
struct TableEntryEditor {
    bool open = false;
    int row = 0;
    std::string text;       // the entry's current tone text
    int selectedIndex = -1; // its place in the tone list, -1 when typed in
};

// What a commit changed.
struct TableEntryCommit {
    bool changed = false;
    std::string cellText;      // the entry's cell afterwards
    std::vector<int> channels; // channels whose tones followed the entry
};

class QtDqtTableForm {
public:
    static constexpr int kRows = 39;
    static constexpr int kColumns = 2;
    static constexpr int kColumnWidths[kColumns] = {600, 900}; // twips
    static constexpr int kWindowWidth = 123;                   // pixels
    static constexpr int kListEditMax = 5;                     // characters typed into the list
    static constexpr int kCommitTextMax = 6; // characters of the list text taken on commit
    static constexpr int kHelpTopic = 1375;
    static constexpr int kGridId = 1372;

    // Opening: tone lists take the full choice list, no entry list is open.
    QtDqtTableForm(RadioImage& image, ChannelEditorState& state, TextLookup lookup = tr);
    // Closing: the channel table's tone lists go back to the numbered table entries.
    void close();

    std::string cellText(int row, int column) const;
    const std::vector<std::string>& toneListEntries() const;

    TableEntryEditor editTableEntry(int row, int column);
    // Commits the list text for the entry of `row`; only while the list is open. A text equal
    // to the entry's own text changes nothing; "0" or an empty text turns the entry off.
    TableEntryCommit commitTableEntry(int row, int column, std::string_view listText);
    // Closes the list without a commit (the grid scrolled with no list open, or Escape).
    void cancelTableEntry();

private:
    RadioImage& image_;
    ChannelEditorState& state_;
    TextLookup lookup_;
};

} // namespace tsw
