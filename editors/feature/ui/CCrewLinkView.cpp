#include "editors/feature/ui/CCrewLinkView.h"

#include <QTableWidget>
#include <QVBoxLayout>
#include <numeric>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/FieldBinder.h"
#include "editors/feature/ui/FormTabs.h"

namespace tsw::ui {

using namespace feature;

namespace {
constexpr int kFleetColumn = 1;
constexpr int kIdColumn = 2;
} // namespace

CCrewLinkView::CCrewLinkView(QWidget* parent)
    : EditorForm(kCrewLinkHelpContext, parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleCrewLink));
    tabs_ = new QTabWidget(body());
    setControlId(tabs_, kCrewLinkTabControl);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    createRows();
    createGrid();
    installTabKeys(this, tabs_);
}

void CCrewLinkView::createRows() {
    auto* page = new QWidget;
    int order[crew::RowCount];
    std::iota(std::begin(order), std::end(order), 0);
    auto built = buildRowsInOrder(page, kCrewLinkFieldTable, order, [](int row) {
        return formRowOf(kCrewLinkFieldTable[static_cast<std::size_t>(row)]);
    });
    tabs_->addTab(page, uiText(kCrewLinkTabCaptions[0]));
    keepRowsCompact(page);
    binder_ = new FieldBinder(form_, std::move(built), this);
    binder_->setUp();
}

void CCrewLinkView::createGrid() {
    const FieldRow& fleet = kCrewTableFields[0];
    const FieldRow& id = kCrewTableFields[1];
    grid_ = new CellGrid(
        {{kCrewGridHeaders[0], kCrewGridColumnTwips[0]},
         {kCrewGridHeaders[1], kCrewGridColumnTwips[1], fleet.editMode, fleet.textLimit},
         {kCrewGridHeaders[2], kCrewGridColumnTwips[2], id.editMode, id.textLimit}},
        layout::kCrewEntryCount);
    // F1 on the table or its editor opens the editor\'s topic.
    setControlId(grid_->table(), kCrewGridEditId);
    setControlId(grid_->editor(), kCrewGridEditId);
    grid_->setEnterKeepsText(true);
    grid_->setAdvance(CellGrid::Advance::NextCell);
    connect(
        grid_, &CellGrid::cellCommitted, this, [this](int entry, int column, const QString& text) {
            form_.commitCell(entry, column == kFleetColumn ? crew::Column::Fleet : crew::Column::Id,
                             text.toStdString());
            showEntry(entry);
        });
    for (int entry = 0; entry < layout::kCrewEntryCount; ++entry)
        showEntry(entry);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    tabs_->addTab(page, uiText(kCrewLinkTabCaptions[1]));
}

void CCrewLinkView::showEntry(int entry) {
    grid_->setCellText(entry, kFleetColumn,
                       QString::fromStdString(form_.cellText(entry, crew::Column::Fleet)));
    grid_->setCellText(entry, kIdColumn,
                       QString::fromStdString(form_.cellText(entry, crew::Column::Id)));
}

bool CCrewLinkView::enterActsAsTab(const QWidget* focus) const {
    if (grid_ && (focus == grid_->table() || focus == grid_->editor()))
        return false; // the table opens and closes its editor with Enter
    return EditorForm::enterActsAsTab(focus);
}

TSW_REGISTER_EDITOR(cmd::CrewLink, [] { return new CCrewLinkView; });

} // namespace tsw::ui
