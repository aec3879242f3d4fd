#include "editors/channel/ui/GridEditBox.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTableWidget>

#include "app/ui/FilterEdit.h"
#include "app/ui/KeyTests.h"
#include "editors/channel/GridKeys.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

GridEditBox::GridEditBox(TableGrid* grid, FilterEdit* edit, Commit commit, Options options)
    : QObject(grid), grid_(grid), edit_(edit), commit_(std::move(commit)), options_(options) {
    edit_->hide();
    grid_->table()->installEventFilter(this);
    edit_->installEventFilter(this);
    connect(grid_, &TableGrid::clicked, this, [this](int row, int col) {
        if (isOpen())
            this->commit(false);
        grid_->setCurrentCell(row, col);
        open(grid_->text(row, col));
    });
    connect(grid_, &TableGrid::scrolled, this, [this] {
        if (isOpen())
            this->commit(false);
    });
}

bool GridEditBox::isOpen() const {
    return edit_->isVisible();
}

void GridEditBox::open(const QString& text) {
    grid_->showEditorOverCell(edit_, text, true);
}

void GridEditBox::commit(bool moveRight) {
    if (!isOpen() || busy_)
        return;
    busy_ = true;
    const int row = grid_->currentRow();
    const int col = grid_->currentCol();
    const QString shown = commit_(row, col, edit_->text());
    grid_->hideEditor(edit_, true);
    grid_->setText(row, col, shown);
    grid_->table()->setFocus(Qt::OtherFocusReason);
    busy_ = false;
    if (!moveRight)
        return;
    if (col < options_.lastCol)
        grid_->setCurrentCell(row, col + 1);
    else if (options_.wrapOnEnter && row < options_.lastRow)
        grid_->setCurrentCell(row + 1, 1);
}

void GridEditBox::cancel() {
    if (!isOpen())
        return;
    busy_ = true;
    const QString kept = grid_->keptText();
    grid_->hideEditor(edit_, true);
    grid_->setText(grid_->currentRow(), grid_->currentCol(), kept);
    grid_->table()->setFocus(Qt::OtherFocusReason);
    busy_ = false;
}

bool GridEditBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            commit(false);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == edit_)
        return editKey(key);
    if (watched == grid_->table())
        return gridKey(key);
    return false;
}

bool GridEditBox::gridKey(const QKeyEvent& key) {
    if (isPlainEnter(key)) {
        open(grid_->text(grid_->currentRow(), grid_->currentCol()));
        return true;
    }
    if (grid_->wrapArrowKeys(key.key(), options_.lastRow, options_.lastCol))
        return true;
    const QString text = key.text();
    if (text.size() == 1 && text[0].unicode() >= 33 && text[0].unicode() < 0x7F &&
        !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        open(QString());
        // The key goes to the box as typed input, through its filter.
        QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), key.text());
        QCoreApplication::sendEvent(edit_, &typed);
        return true;
    }
    return false;
}

bool GridEditBox::editKey(const QKeyEvent& key) {
    if (isPlainEnter(key)) {
        commit(true);
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return false;
}

} // namespace tsw::ui
