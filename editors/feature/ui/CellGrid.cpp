#include "editors/feature/ui/CellGrid.h"

#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own maximum length
} // namespace

CellGrid::CellGrid(std::vector<Column> columns, int rows, QWidget* parent)
    : QWidget(parent), columns_(std::move(columns)), grid_(new TableGrid(this)),
      editor_(new FilterEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    grid_->setRowHeightPixels(editor_->sizeHint().height());
    grid_->setCols(static_cast<int>(columns_.size()));
    grid_->setRows(rows + 1);
    for (int c = 0; c < static_cast<int>(columns_.size()); ++c) {
        grid_->setColumnWidthTwips(c, columns_[static_cast<std::size_t>(c)].twips);
        grid_->setText(0, c, uiText(columns_[static_cast<std::size_t>(c)].header));
        grid_->setAlignment(0, c, TableGrid::kAlignCentre);
    }
    for (int r = 1; r <= rows; ++r) {
        grid_->setText(r, 0, QString::number(r));
        grid_->setAlignment(r, 0, TableGrid::kAlignCentre);
    }
    grid_->widenColumnsToFit();
    grid_->setFixedSize(grid_->sizeForRows(rows));
    grid_->setCurrentCell(1, 1);

    // Keys on the grid: Enter opens the editor (with the cell's text or empty, as set), Delete
    // opens it empty, a character the column's filter accepts opens it empty and is typed, Home
    // goes to the first row. Enter in the editor commits and moves on; Esc puts the text back.
    overlay_ = new CellOverlay(grid_, editor_, [this](int row, int column) {
        emit cellCommitted(row - 1, column, editor_->text());
        return std::optional<QString>{}; // the owner shows the cell
    });
    cells_.lastRow = rows;
    cells_.lastColumn = static_cast<int>(columns_.size()) - 1;
    cells_.wrapArrows = false;
    cells_.enterKeepsText = false;
    cells_.deleteOpensEmpty = true;
    cells_.homeGoesToFirstRow = true;
    cells_.typed = CellOverlay::TypedKeys::Accepted;
    cells_.move = EnterMove::Down;
    cells_.moveWrapsRows = true;
    cells_.editable = [this](int column) {
        return columns_[static_cast<std::size_t>(column)].mode != 0;
    };
    cells_.prepare = [this](int column) { prepareEditor(column); };
    cells_.caretAtEnd = true;
    overlay_->setTextCells(cells_);
    setFocusProxy(table());
}

void CellGrid::setEnterKeepsText(bool keep) {
    cells_.enterKeepsText = keep;
    overlay_->setTextCells(cells_);
}

void CellGrid::setAdvance(Advance advance) {
    cells_.move = advance == Advance::Down ? EnterMove::Down : EnterMove::Right;
    overlay_->setTextCells(cells_);
}

// The column's filter, length and font.
void CellGrid::prepareEditor(int column) {
    const Column& def = columns_[static_cast<std::size_t>(column)];
    editor_->setMode(def.mode);
    editor_->setMaxLength(def.limit > 0 ? def.limit : kNoLimit);
    editor_->setFont(def.fixedPitch ? fixedPitchFont() : font());
}

QTableWidget* CellGrid::table() const {
    return grid_->table();
}

void CellGrid::setCellText(int row, int column, const QString& text) {
    grid_->setText(row + 1, column, text);
}

QString CellGrid::cellText(int row, int column) const {
    return grid_->text(row + 1, column);
}

bool CellGrid::editing() const {
    return editor_->isVisible();
}

int CellGrid::currentRow() const {
    return grid_->currentRow() - 1;
}

int CellGrid::currentColumn() const {
    return grid_->currentCol();
}

void CellGrid::setCurrentCell(int row, int column) {
    grid_->setCurrentCell(row + 1, column);
}

void CellGrid::cancelEditor() {
    overlay_->cancel();
}

} // namespace tsw::ui
