#include "editors/feature/ui/CellGrid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/CharacterFilter.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

CellGrid::CellGrid(std::vector<Column> columns, int rows, QWidget* parent)
    : QWidget(parent), columns_(std::move(columns)), rows_(rows), grid_(new TableGrid(this)),
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
    editor_->hide();
    editor_->installEventFilter(this);
    table()->installEventFilter(this);
    setFocusProxy(table());
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

bool CellGrid::editable(int column) const {
    return column >= 1 && column < static_cast<int>(columns_.size()) &&
           columns_[static_cast<std::size_t>(column)].mode != 0;
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

void CellGrid::openEditor(const QString& text) {
    const int column = currentColumn();
    if (!editable(column) || currentRow() < 0)
        return;
    const Column& def = columns_[static_cast<std::size_t>(column)];
    editRow_ = currentRow();
    editColumn_ = column;
    editor_->setMode(def.mode);
    editor_->setMaxLength(def.limit > 0 ? def.limit : 32767);
    editor_->setFont(def.fixedPitch ? fixedPitchFont() : font());
    grid_->showEditorOverCell(editor_, text, true);
    editor_->deselect();
    editor_->end(false);
}

void CellGrid::cancelEditor() {
    if (!editor_->isHidden()) // open, even in a window that is not shown now
        closeEditor(true);
}

void CellGrid::closeEditor(bool restore) {
    closing_ = true;
    if (restore)
        grid_->setText(editRow_ + 1, editColumn_, grid_->keptText());
    grid_->hideEditor(editor_, true);
    closing_ = false;
}

void CellGrid::commitEditor(bool advance) {
    const int row = editRow_;
    const int column = editColumn_;
    const QString text = editor_->text();
    closeEditor(false);
    emit cellCommitted(row, column, text);
    if (advance)
        moveOn(row, column);
}

void CellGrid::moveOn(int row, int column) {
    if (advance_ == Advance::Down) {
        setCurrentCell(std::min(row + 1, rows_ - 1), column);
        return;
    }
    int next = column + 1;
    while (next < static_cast<int>(columns_.size()) && !editable(next))
        ++next;
    if (next < static_cast<int>(columns_.size()))
        setCurrentCell(row, next);
    else if (row + 1 < rows_) {
        next = 1;
        while (!editable(next))
            ++next;
        setCurrentCell(row + 1, next);
    } // after the last cell the focus stays
}

bool CellGrid::gridKey(QKeyEvent* event) {
    const int column = currentColumn();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Home && mods == Qt::NoModifier) {
        setCurrentCell(0, column);
        return true;
    }
    if (!editable(column))
        return false;
    if (mods == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        openEditor(enterKeepsText_ ? cellText(currentRow(), column) : QString());
        return true;
    }
    if (event->key() == Qt::Key_Delete) {
        openEditor(QString());
        return true;
    }
    const char32_t ch = typedCharacter(*event);
    if (ch >= 0x20 && filterCharacter(columns_[static_cast<std::size_t>(column)].mode, ch,
                                      FilterBoxState{}) != FilterVerdict::Reject) {
        openEditor(QString());
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(editor_, &copy);
        return true;
    }
    return false;
}

bool CellGrid::editorKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        commitEditor(true);
        return true;
    }
    if (event.key() == Qt::Key_Escape) {
        closeEditor(true);
        return true;
    }
    return false;
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table() && event->type() == QEvent::KeyPress)
        return gridKey(static_cast<QKeyEvent*>(event));
    if (watched == editor_ && event->type() == QEvent::KeyPress)
        return editorKey(*static_cast<QKeyEvent*>(event));
    if (watched == editor_ && event->type() == QEvent::FocusOut && editor_->isVisible() &&
        !closing_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        commitEditor(false);
    return QWidget::eventFilter(watched, event);
}

} // namespace tsw::ui
