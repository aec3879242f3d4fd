#include "editors/feature/ui/CellGrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include "app/CharacterFilter.h"
#include "app/ui/FilterEdit.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

CellGrid::CellGrid(std::vector<Column> columns, int rows, QWidget* parent)
    : QTableWidget(rows, static_cast<int>(columns.size()), parent), columns_(std::move(columns)),
      editor_(new FilterEdit(viewport())) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    QStringList headers;
    for (int c = 0; c < columnCount(); ++c) {
        headers << langText(columns_[static_cast<std::size_t>(c)].header);
        setColumnWidth(c, columns_[static_cast<std::size_t>(c)].twips * logicalDpiX() / 1440);
    }
    setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? QString::number(r + 1) : QString());
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(r, c, item);
        }
    }
    setCurrentCell(0, columnCount() > 1 ? 1 : 0);
    editor_->hide();
    editor_->installEventFilter(this);
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(width + 2, horizontalHeader()->sizeHint().height() + rows * rowHeight(0) +
                                2 * frameWidth() + 2);
}

void CellGrid::setCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* it = item(row, column))
        it->setText(text);
}

QString CellGrid::cellText(int row, int column) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

bool CellGrid::editable(int column) const {
    return column >= 0 && column < columnCount() &&
           columns_[static_cast<std::size_t>(column)].mode != 0;
}

bool CellGrid::editing() const {
    return editor_->isVisible();
}

void CellGrid::openEditor(int row, int column, const QString& text) {
    if (!editable(column) || row < 0 || row >= rowCount())
        return;
    const Column& spec = columns_[static_cast<std::size_t>(column)];
    editRow_ = row;
    editColumn_ = column;
    editor_->setMode(spec.mode);
    editor_->setMaxLength(spec.limit > 0 ? spec.limit : 32767);
    editor_->setFont(spec.fixedPitch ? fixedPitchFont() : font());
    editor_->setText(text);
    editor_->setGeometry(visualRect(model()->index(row, column)));
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->end(false);
}

void CellGrid::closeEditor() {
    closing_ = true;
    editor_->hide();
    setFocus(Qt::OtherFocusReason);
    closing_ = false;
}

void CellGrid::commitEditor(bool advance) {
    const int row = editRow_;
    const int column = editColumn_;
    const QString text = editor_->text();
    closeEditor();
    emit cellCommitted(row, column, text);
    if (!advance)
        return;
    if (advance_ == Advance::Down) {
        setCurrentCell(std::min(row + 1, rowCount() - 1), column);
        return;
    }
    int next = column + 1;
    while (next < columnCount() && !editable(next))
        ++next;
    if (next < columnCount())
        setCurrentCell(row, next);
    else if (row + 1 < rowCount()) {
        next = 0;
        while (!editable(next))
            ++next;
        setCurrentCell(row + 1, next);
    } // after the last cell the focus stays
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    const int row = currentRow();
    const int column = currentColumn();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Home && mods == Qt::NoModifier) {
        setCurrentCell(0, column);
        return;
    }
    if (editable(column) && mods == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        openEditor(row, column, enterKeepsText_ ? cellText(row, column) : QString());
        return;
    }
    if (editable(column) && event->key() == Qt::Key_Delete) {
        openEditor(row, column, QString());
        return;
    }
    const char32_t ch = typedCharacter(*event);
    if (editable(column) && ch >= 0x20 &&
        filterCharacter(columns_[static_cast<std::size_t>(column)].mode, ch, FilterBoxState{}) !=
            FilterVerdict::Reject) {
        openEditor(row, column, QString());
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(editor_, &copy);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_)
        return QTableWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            commitEditor(true);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeEditor(); // the cell keeps its text
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && editor_->isVisible() && !closing_ &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        commitEditor(false);
    return QTableWidget::eventFilter(watched, event);
}

} // namespace tsw::ui
