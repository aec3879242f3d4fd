#pragma once
// Channel rows through the clipboard: the channel table's rows as tab-separated text in the
// columns of the CSV export (editors/channel/ChannelCsv.h), for spreadsheets, and such text
// pasted back into the table.
//
// Copy: the header line, then one row per selected channel, as the export writes it; a
// channel not in use gives a row with its Location alone, so that pasting the rows back puts
// every channel where it was.
//
// Paste: the rows fill the channels from the first selected one downwards, in the order of
// the text (Location is not read, so rows copied from one place can be pasted at another).
// A text without the header line is read in the export's column order. Each row passes the
// checks of the CSV import; one bad row, or a row that would land beyond channel 16, and
// nothing is pasted. A row that says what its channel holds already leaves the channel's
// bytes alone; a row that differs changes the fields it differs in (a channel not in use is
// built as a new channel). A row with nothing but its Location empties its channel.

#include <string>
#include <string_view>

#include "app/RadioImage.h"
#include "editors/channel/ChannelCsv.h"

namespace tsw {

// Channels first..last (0..15, first <= last) as tab-separated text, lines ended by CR LF.
std::string copyChannelRows(const RadioImage& image, int first, int last);

struct PasteResult {
    std::vector<CsvProblem> problems; // rows named by the table row they were meant for
    int rows = 0;                     // rows pasted
    int firstChannel = 0;
    int lastChannel = -1; // the channels the rows went to; last < first when none
    bool pasted() const { return problems.empty(); }
};

// Pastes tab-separated rows into `image` from channel `first` (0..15) on.
PasteResult pasteChannelRows(std::string_view text, RadioImage& image, int first,
                             bool narrowStepsOnly);

} // namespace tsw
