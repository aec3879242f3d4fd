#include "editors/channel/ui/MemoryMapDialog.h"

#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/CellOverlay.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

namespace {
constexpr int kVisibleRows = 16;
} // namespace

MemoryMapDialog::MemoryMapDialog(QWidget* parent) : QDialog(parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleMemoryMap));
    setHelpContext(this, kTemplate);
    createGrid();
    offset_ = new QLabel(QStringLiteral("0000"), this);
    setControlId(offset_, kOffsetId);
    ok_ = makeButton(this, 1, StrId::Ok);
    cancel_ = makeButton(this, 2, StrId::Cancel);
    connect(ok_, &QPushButton::clicked, this, &MemoryMapDialog::apply);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &TableGrid::currentCellChanged, this, [this](int row, int col) {
        offset_->setText(fromStd(MemoryMapForm::offsetText(row, col)));
    });

    auto* buttons = buttonRow({ok_, cancel_});
    buttons->insertWidget(0, offset_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    fillMemoryMap();
    grid_->setCurrentCell(MemoryMapForm::kStartRow, MemoryMapForm::kStartColumn);
    grid_->setTopRow(MemoryMapForm::kStartRow);
    offset_->setText(fromStd(MemoryMapForm::offsetText(MemoryMapForm::kStartRow, 1)));
    grid_->table()->setFocus();
}

void MemoryMapDialog::createGrid() {
    grid_ = new TableGrid(this);
    setControlId(grid_->table(), kGridId);
    edit_ = new FilterEdit(this);
    edit_->setMode(filter::Hex);
    edit_->setMaxLength(MemoryMapForm::kCellTextMax);
    edit_->setAlignment(Qt::AlignCenter);
    setControlId(edit_, kEditId);
    grid_->setRedraw(false);
    grid_->setCols(MemoryMapForm::kColumns);
    grid_->setRows(MemoryMapForm::kRows);
    grid_->setColumnWidthTwips(0, MemoryMapForm::kLabelColumnWidth);
    for (int c = 1; c < MemoryMapForm::kColumns; ++c)
        grid_->setColumnWidthTwips(c, MemoryMapForm::kDataColumnWidth);
    grid_->setRowHeightPixels(std::max(grid_->twipsToPixels(MemoryMapForm::kDataRowHeight),
                                       edit_->fontMetrics().height() + 4));
    grid_->setRowHeightTwips(0,
                             std::max(MemoryMapForm::kHeaderRowHeight, grid_->rowHeightTwips(1)));
    grid_->alignCells([](int, int) { return TableGrid::kAlignCentre; });
    grid_->setRedraw(true);
    overlay_ = new CellOverlay(grid_, edit_, [this](int row, int col) {
        return fromStd(form_.commitCell(row, col, edit_->text().toStdString()));
    });
    CellOverlay::TextCells cells;
    cells.lastRow = MemoryMapForm::kDataRows;
    cells.lastColumn = MemoryMapForm::kDataColumns;
    cells.clickOpens = true;
    overlay_->setTextCells(cells);
}

void MemoryMapDialog::fillMemoryMap() {
    grid_->setRedraw(false);
    grid_->fillCells([this](int r, int c) { return form_.cellText(r, c); });
    grid_->widenColumnsToFit();
    grid_->setFixedSize(grid_->sizeForRows(kVisibleRows));
    grid_->setRedraw(true);
}

void MemoryMapDialog::apply() {
    overlay_->store();
    form_.applyTo(globals().image);
    globals().flags.memoryMapApplied = true;
    shell().closeAllEditors();
    shell().postCommand(cmd::ChannelInformation);
    accept();
}

} // namespace tsw::ui
