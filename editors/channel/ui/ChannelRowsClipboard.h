#pragma once
// Ctrl+C and Ctrl+V of the channel table: the selected rows to the clipboard as tab-separated
// text, and such text from the clipboard into the selected rows (editors/channel/ChannelRows.h).
// The table's selection is one block of rows; without one, the current row is selected.

#include <optional>
#include <utility>

class QWidget;

namespace tsw::ui {

class TableGrid;

// The channels (0..15) of the first and the last selected row.
std::pair<int, int> selectedChannels(const TableGrid& grid);

// Puts the selected rows on the clipboard and tells the status bar; returns the rows copied.
int copySelectedRows(const TableGrid& grid);

// Pastes the clipboard's rows from the first selected row on, as one undo step. A text that
// cannot be pasted whole is refused with an error box naming each problem by row, and nothing
// changes. On success the status bar says how many rows were pasted, and the channels they
// went to come back (the caller shows them again, then selects them).
std::optional<std::pair<int, int>> pasteRowsFromClipboard(const TableGrid& grid);

// Selects the rows of channels first..last.
void selectChannels(TableGrid& grid, int first, int last);

} // namespace tsw::ui
