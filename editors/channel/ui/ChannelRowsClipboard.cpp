#include "editors/channel/ui/ChannelRowsClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>
#include <algorithm>

#include "app/AppGlobals.h"
#include "app/TextTemplate.h"
#include "app/ui/ChannelCsvCommands.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRows.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

namespace {

constexpr int kLastChannel = ChannelInfoForm::kRows - 2;

void tell(StringId text, int rows) {
    shell().showStatusMessage(fromStd(fillTemplate(tr(text), {std::to_string(rows)})));
}

} // namespace

void selectChannels(TableGrid& grid, int first, int last) {
    QTableWidget* table = grid.table();
    table->clearSelection();
    table->setRangeSelected(QTableWidgetSelectionRange(first, 0, last, table->columnCount() - 1),
                            true);
}

std::pair<int, int> selectedChannels(const TableGrid& grid) {
    int first = kLastChannel + 1;
    int last = -1;
    for (const QTableWidgetSelectionRange& range : grid.table()->selectedRanges()) {
        first = std::min(first, range.topRow());
        last = std::max(last, range.bottomRow());
    }
    if (last < 0) // nothing selected: the current row
        first = last = std::clamp(grid.currentRow() - 1, 0, kLastChannel);
    return {std::clamp(first, 0, kLastChannel), std::clamp(last, 0, kLastChannel)};
}

int copySelectedRows(const TableGrid& grid) {
    const auto [first, last] = selectedChannels(grid);
    QGuiApplication::clipboard()->setText(fromStd(copyChannelRows(globals().image, first, last)));
    const int rows = last - first + 1;
    tell(StrId::StatusRowsCopied, rows);
    return rows;
}

std::optional<std::pair<int, int>> pasteRowsFromClipboard(const TableGrid& grid) {
    const std::string text = toStd(QGuiApplication::clipboard()->text());
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        shell().showStatusMessage(plainText(StrId::StatusNothingToPaste));
        return std::nullopt;
    }
    const int first = selectedChannels(grid).first;
    AppGlobals& g = globals();
    PasteResult result;
    {
        UndoStep step(StepLabel{StrId::StepPasteChannels});
        result = pasteChannelRows(text, g.image, first, g.narrowStepsOnly);
    }
    if (!result.pasted()) {
        shell().prompt().ask(composedErrorPrompt(
            csvProblemsText(StrId::PasteRefused, result.problems), StrId::PasteRefused));
        return std::nullopt;
    }
    tell(StrId::StatusRowsPasted, result.rows);
    return std::make_pair(result.firstChannel, result.lastChannel);
}

} // namespace tsw::ui
