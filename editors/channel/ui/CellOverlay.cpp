#include "editors/channel/ui/CellOverlay.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "app/CharacterFilter.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/KeyTests.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

namespace {
constexpr char16_t kFirstPrintable = 33; // '!': a space does not open a cell of these grids
constexpr char16_t kPastPrintable = 0x7F;
constexpr char32_t kSpace = 0x20;
} // namespace

CellOverlay::CellOverlay(TableGrid* grid, QWidget* editor, Store store)
    : QObject(grid), grid_(grid), editor_(editor), store_(std::move(store)) {
    editor_->hide();
    editor_->installEventFilter(this);
    connect(grid_, &TableGrid::scrolled, this, [this] { this->store(); });
}

bool CellOverlay::isOpen() const {
    return !editor_->isHidden();
}

void CellOverlay::setTextCells(TextCells cells) {
    const bool first = !cells_;
    cells_ = std::move(cells);
    if (!first)
        return;
    grid_->table()->installEventFilter(this);
    connect(grid_, &TableGrid::clicked, this, [this](int row, int column) {
        if (!cells_->clickOpens)
            return;
        store();
        grid_->setCurrentCell(row, column);
        if (editable(column))
            openCell(grid_->text(row, column));
    });
}

bool CellOverlay::openEdit(const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(editor_);
    const int row = grid_->currentRow();
    const int column = grid_->currentCol();
    if (!edit || row < 1 || column < 1)
        return false;
    row_ = row;
    column_ = column;
    return grid_->showEditorOverCell(edit, text, true);
}

bool CellOverlay::openList(int index) {
    auto* list = qobject_cast<QComboBox*>(editor_);
    const int row = grid_->currentRow();
    const int column = grid_->currentCol();
    if (!list || row < 1 || column < 1)
        return false;
    row_ = row;
    column_ = column;
    return grid_->showListOverCellByIndex(list, index, true);
}

bool CellOverlay::store() {
    if (!isOpen() || busy_)
        return false;
    busy_ = true;
    const std::optional<QString> shown = store_(row_, column_);
    hide();
    if (shown)
        grid_->setText(row_, column_, *shown);
    busy_ = false;
    emit closed();
    return true;
}

void CellOverlay::cancel() {
    if (!isOpen() || busy_)
        return;
    busy_ = true;
    if (cancelled_)
        cancelled_();
    hide();
    grid_->setText(row_, column_, grid_->keptText());
    busy_ = false;
    emit closed();
}

void CellOverlay::hide() {
    grid_->hideEditor(editor_, true);
}

bool CellOverlay::editable(int column) const {
    if (column < 1 || (cells_ && column > cells_->lastColumn))
        return false;
    return !cells_ || !cells_->editable || cells_->editable(column);
}

void CellOverlay::openCell(const QString& text) {
    if (cells_->prepare)
        cells_->prepare(grid_->currentCol());
    if (!openEdit(text) || !cells_->caretAtEnd)
        return;
    auto* edit = static_cast<QLineEdit*>(editor_);
    edit->deselect();
    edit->end(false);
}

bool CellOverlay::opensOnTyped(const QKeyEvent& key, int column) {
    if (cells_->typed == TypedKeys::Printable) {
        const QString text = key.text();
        return text.size() == 1 && text[0].unicode() >= kFirstPrintable &&
               text[0].unicode() < kPastPrintable &&
               !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    }
    auto* filtered = qobject_cast<FilterEdit*>(editor_);
    if (cells_->typed != TypedKeys::Accepted || !filtered)
        return false;
    const char32_t ch = typedCharacter(key);
    if (ch < kSpace)
        return false;
    if (cells_->prepare)
        cells_->prepare(column);
    return filterCharacter(filtered->mode(), ch, FilterBoxState{}) != FilterVerdict::Reject;
}

bool CellOverlay::gridKey(const QKeyEvent& key) {
    const int row = grid_->currentRow();
    const int column = grid_->currentCol();
    if (cells_->homeGoesToFirstRow && keyIs(key, Qt::Key_Home, Qt::NoModifier)) {
        grid_->setCurrentCell(1, column);
        return true;
    }
    if (cells_->wrapArrows && grid_->wrapArrowKeys(key.key(), cells_->lastRow, cells_->lastColumn))
        return true;
    if (!editable(column) || row < 1)
        return false;
    if (isPlainEnter(key)) {
        openCell(cells_->enterKeepsText ? grid_->text(row, column) : QString());
        return true;
    }
    if (cells_->deleteOpensEmpty && key.key() == Qt::Key_Delete) {
        openCell(QString());
        return true;
    }
    if (!opensOnTyped(key, column))
        return false;
    openCell(QString());
    // The key goes to the box as typed input, through its filter.
    QKeyEvent typed(key.type(), key.key(), key.modifiers(), key.text());
    QCoreApplication::sendEvent(editor_, &typed);
    return true;
}

bool CellOverlay::editorKey(const QKeyEvent& key) {
    if (isEnterKey(key)) {
        const GridCell from{row_, column_};
        if (!store() || !cells_)
            return true;
        if (const auto to = cellAfterEnter(from, cells_->move, cells_->moveWrapsRows,
                                           cells_->lastRow, cells_->lastColumn, cells_->editable))
            grid_->setCurrentCell(to->row, to->column);
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return false;
}

bool CellOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ && event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            store();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == editor_)
        return editorKey(key);
    if (cells_ && watched == grid_->table() && !isOpen())
        return gridKey(key);
    return false;
}

} // namespace tsw::ui
