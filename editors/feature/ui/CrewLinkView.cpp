#include "editors/feature/ui/CrewLinkView.h"

#include <numeric>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using namespace feature;

namespace {
constexpr int kFleetColumn = 1;
constexpr int kIdColumn = 2;
} // namespace

CrewLinkView::CrewLinkView(QWidget* parent)
    : TabbedGridForm(kCrewLinkHelpContext, StrId::TitleCrewLink, kCrewLinkTabControl, parent),
      form_(globals().image) {
    createRows();
    createGrid();
}

void CrewLinkView::createRows() {
    auto* page = new QWidget;
    int order[crew::RowCount];
    std::iota(std::begin(order), std::end(order), 0);
    auto built = buildRowsInOrder(page, kCrewLinkFieldTable, order, [](int row) {
        return formRowOf(kCrewLinkFieldTable[static_cast<std::size_t>(row)]);
    });
    addRowsTab(page, kCrewLinkTabCaptions[0]);
    bindRows(form_, std::move(built));
}

void CrewLinkView::createGrid() {
    const FieldRow& fleet = kCrewTableFields[0];
    const FieldRow& id = kCrewTableFields[1];
    auto* grid = new CellGrid(
        {{kCrewGridHeaders[0], kCrewGridColumnTwips[0]},
         {kCrewGridHeaders[1], kCrewGridColumnTwips[1], fleet.editMode, fleet.textLimit},
         {kCrewGridHeaders[2], kCrewGridColumnTwips[2], id.editMode, id.textLimit}},
        layout::kCrewEntryCount);
    grid->setEnterKeepsText(true);
    grid->setAdvance(CellGrid::Advance::NextCell);
    addGridTab(grid, kCrewLinkTabCaptions[1], kCrewGridEditId);
    connect(
        grid, &CellGrid::cellCommitted, this, [this](int entry, int column, const QString& text) {
            form_.commitCell(entry, column == kFleetColumn ? crew::Column::Fleet : crew::Column::Id,
                             text.toStdString());
            showEntry(entry);
        });
    showGridCells();
}

void CrewLinkView::showGridCells() {
    for (int entry = 0; entry < layout::kCrewEntryCount; ++entry)
        showEntry(entry);
}

void CrewLinkView::showEntry(int entry) {
    grid()->setCellText(entry, kFleetColumn,
                        QString::fromStdString(form_.cellText(entry, crew::Column::Fleet)));
    grid()->setCellText(entry, kIdColumn,
                        QString::fromStdString(form_.cellText(entry, crew::Column::Id)));
}

} // namespace tsw::ui
