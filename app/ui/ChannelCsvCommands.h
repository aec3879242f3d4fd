#pragma once
// File > Import Channels (CSV) and Export Channels (CSV): the channel list of the global image
// from and to a CSV file in the generic layout of radio programming tools (see
// editors/channel/ChannelCsv.h), through Qt's file dialog with the CSV name filter.
//
// Export writes the file atomically and shows a message only when the write fails. Import
// replaces the channel list only when the whole file is acceptable; otherwise an error box
// lists the problems by row and the image stays as it was. After an import the image counts
// as changed (it differs from the saved copy), every editor window closes and the channel
// table opens on the new channels, as after Open.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/StringIds.h"

namespace tsw::ui {

class Shell;

void importChannelsCsv(Shell& shell);
void exportChannelsCsv(Shell& shell);

// Problems listed in the import's error box before the list is cut short.
inline constexpr int kShownCsvProblems = 15;

} // namespace tsw::ui

namespace tsw {
struct CsvProblem;
}

namespace tsw::ui {

// The text of the error box that refuses rows: `heading`, a blank line, then the problems
// one a line (at most kShownCsvProblems, then a line saying that more were not listed).
std::string csvProblemsText(StringId heading, const std::vector<CsvProblem>& problems);

} // namespace tsw::ui
