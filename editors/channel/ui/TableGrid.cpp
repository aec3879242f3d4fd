#include "editors/channel/ui/TableGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editors/channel/GridKeys.h"

namespace tsw::ui {

namespace {
constexpr int kTwipsPerInch = 1440;
constexpr int kInflate = 2; // CellRect grows the cell by this much each way
constexpr int kInset = 3;   // overlays shrink CellRect by this much each way

QTableWidgetItem* ensureItem(QTableWidgetItem* item) {
    return item ? item : new QTableWidgetItem;
}
} // namespace

TableGrid::TableGrid(QWidget* parent) : QWidget(parent) {
    createTable();
}

void TableGrid::createTable() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(this);
    layout->addWidget(table_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false);
    table_->setCornerButtonEnabled(false);
    table_->setWordWrap(false);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    table_->horizontalHeader()->setMinimumSectionSize(4);
    table_->verticalHeader()->setMinimumSectionSize(4);
    corner_ = table_->findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);
    table_->verticalHeader()->viewport()->installEventFilter(this);

    connect(table_, &QTableWidget::cellClicked, this,
            [this](int r, int c) { emit clicked(r + 1, c + 1); });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (r < 0 || c < 0)
            return;
        currentRow_ = r + 1;
        currentCol_ = c + 1;
        emit currentCellChanged(currentRow_, currentCol_);
    });
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { emit scrolled(); });
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { emit scrolled(); });
}

void TableGrid::setRows(int rows) {
    table_->setRowCount(std::max(0, rows - 1));
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setVerticalHeaderItem(r, ensureItem(table_->verticalHeaderItem(r)));
        for (int c = 0; c < table_->columnCount(); ++c)
            table_->setItem(r, c, ensureItem(table_->item(r, c)));
    }
    if (fixedRowHeightTwips_ > 0)
        setRowHeightTwips(-1, fixedRowHeightTwips_);
}

int TableGrid::rows() const {
    return table_->rowCount() + 1;
}

void TableGrid::setCols(int cols) {
    table_->setColumnCount(std::max(0, cols - 1));
    for (int c = 0; c < table_->columnCount(); ++c)
        table_->setHorizontalHeaderItem(c, ensureItem(table_->horizontalHeaderItem(c)));
    setRows(rows());
}

int TableGrid::cols() const {
    return table_->columnCount() + 1;
}

QString TableGrid::text(int row, int col) const {
    if (row == 0 && col == 0)
        return cornerText_;
    QTableWidgetItem* item = row == 0   ? table_->horizontalHeaderItem(col - 1)
                             : col == 0 ? table_->verticalHeaderItem(row - 1)
                                        : table_->item(row - 1, col - 1);
    return item ? item->text() : QString();
}

void TableGrid::setText(int row, int col, const QString& text) {
    if (row == 0 && col == 0) {
        cornerText_ = text;
        if (corner_)
            corner_->update();
        return;
    }
    QTableWidgetItem* item = row == 0   ? table_->horizontalHeaderItem(col - 1)
                             : col == 0 ? table_->verticalHeaderItem(row - 1)
                                        : table_->item(row - 1, col - 1);
    if (item)
        item->setText(text);
}

Qt::Alignment TableGrid::alignmentOf(int code) const {
    static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                    Qt::AlignRight};
    static constexpr Qt::Alignment kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (code < 0 || code > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return kHorizontal[code / 3] | kVertical[code % 3];
}

void TableGrid::setAlignment(int row, int col, int code) {
    const Qt::Alignment alignment = alignmentOf(code);
    if (row == 0 && col == 0) {
        cornerAlignment_ = alignment;
        return;
    }
    QTableWidgetItem* item = row == 0   ? table_->horizontalHeaderItem(col - 1)
                             : col == 0 ? table_->verticalHeaderItem(row - 1)
                                        : table_->item(row - 1, col - 1);
    if (item)
        item->setTextAlignment(alignment);
}

void TableGrid::setShape(int rows, std::span<const int> columnWidthsTwips) {
    setCols(static_cast<int>(columnWidthsTwips.size()));
    setRows(rows);
    for (int c = 0; c < cols(); ++c)
        setColumnWidthTwips(c, columnWidthsTwips[static_cast<std::size_t>(c)]);
}

void TableGrid::alignCells(const std::function<int(int row, int col)>& code) {
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < cols(); ++c)
            setAlignment(r, c, code(r, c));
}

void TableGrid::fillCells(const std::function<std::string(int row, int col)>& text) {
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < cols(); ++c)
            setText(r, c, QString::fromStdString(text(r, c)));
}

void TableGrid::setRedraw(bool on) {
    table_->setUpdatesEnabled(on);
}

int TableGrid::twipsToPixels(int twips) const {
    return twips * logicalDpiY() / kTwipsPerInch;
}

void TableGrid::setColumnWidthTwips(int col, int twips) {
    const int px = twipsToPixels(twips);
    for (int c = 0; c < cols(); ++c) {
        if (col >= 0 && c != col)
            continue;
        if (c == 0)
            table_->verticalHeader()->setFixedWidth(px);
        else
            table_->setColumnWidth(c - 1, px);
    }
}

int TableGrid::columnWidthTwips(int col) const {
    const int px = col == 0 ? table_->verticalHeader()->width() : table_->columnWidth(col - 1);
    return px * kTwipsPerInch / logicalDpiY();
}

void TableGrid::setRowHeightTwips(int row, int twips) {
    const int px = twipsToPixels(twips);
    if (row == -1)
        fixedRowHeightTwips_ = twips;
    for (int r = 0; r < rows(); ++r) {
        if (row >= 0 && r != row)
            continue;
        if (r == 0)
            table_->horizontalHeader()->setFixedHeight(px);
        else
            table_->setRowHeight(r - 1, px);
    }
}

int TableGrid::rowHeightTwips(int row) const {
    const int px = row == 0 ? table_->horizontalHeader()->height() : table_->rowHeight(row - 1);
    return px * kTwipsPerInch / logicalDpiY();
}

void TableGrid::setRowHeightPixels(int pixels) {
    setRowHeightTwips(-1, pixels * kTwipsPerInch / logicalDpiY());
}

void TableGrid::widenColumnsToFit() {
    const QFontMetrics metrics = table_->fontMetrics();
    const QFontMetrics headerMetrics = table_->horizontalHeader()->fontMetrics();
    const int margin = 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < cols(); ++c) {
        int needed = 0;
        for (int r = 0; r < rows(); ++r) {
            const QFontMetrics& m = (r == 0 || c == 0) ? headerMetrics : metrics;
            needed = std::max(needed, m.horizontalAdvance(text(r, c)) + margin);
        }
        if (c == 0 && needed > table_->verticalHeader()->width())
            table_->verticalHeader()->setFixedWidth(needed);
        else if (c > 0 && needed > table_->columnWidth(c - 1))
            table_->setColumnWidth(c - 1, needed);
    }
}

void TableGrid::widenColumn(int col, int pixels) {
    if (col == 0 && pixels > table_->verticalHeader()->width())
        table_->verticalHeader()->setFixedWidth(pixels);
    else if (col > 0 && col < cols() && pixels > table_->columnWidth(col - 1))
        table_->setColumnWidth(col - 1, pixels);
}

QSize TableGrid::sizeForRows(int visibleRows) const {
    int width = table_->verticalHeader()->width() + 2 * table_->frameWidth();
    for (int c = 0; c < table_->columnCount(); ++c)
        width += table_->columnWidth(c);
    int height = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int r = 0; r < std::min(visibleRows, table_->rowCount()); ++r)
        height += table_->rowHeight(r);
    if (visibleRows < table_->rowCount())
        width += table_->verticalScrollBar()->sizeHint().width();
    return {width, height};
}

void TableGrid::setCurrentCell(int row, int col) {
    currentRow_ = row;
    currentCol_ = col;
    if (row >= 1 && col >= 1)
        table_->setCurrentCell(row - 1, col - 1);
}

int TableGrid::topRow() const {
    return table_->rowAt(0) + 1;
}

void TableGrid::setTopRow(int row) {
    if (row >= 1 && row <= table_->rowCount())
        table_->verticalScrollBar()->setValue(row - 1);
}

bool TableGrid::rowVisible(int row) const {
    if (row == 0)
        return true;
    const int y = table_->rowViewportPosition(row - 1);
    return y >= 0 && y + table_->rowHeight(row - 1) <= table_->viewport()->height();
}

void TableGrid::ensureVisible(int row, int col) {
    if (row >= 1 && col >= 1)
        table_->scrollToItem(table_->item(row - 1, std::max(1, col) - 1));
}

QRect TableGrid::cellRect() const {
    if (currentRow_ < 1 || currentCol_ < 1)
        return {};
    const QRect inViewport =
        table_->visualRect(table_->model()->index(currentRow_ - 1, currentCol_ - 1));
    QWidget* target = parentWidget() ? parentWidget() : const_cast<TableGrid*>(this);
    const QPoint topLeft = table_->viewport()->mapTo(target, inViewport.topLeft());
    return QRect(topLeft, inViewport.size()).adjusted(-kInflate, -kInflate, kInflate, kInflate);
}

bool TableGrid::placeOverCell(QWidget* overlay, const QRect& rect, bool focus) {
    overlay->setGeometry(rect);
    overlay->raise();
    overlay->show();
    table_->setFocusPolicy(Qt::ClickFocus); // the tab stop moves to the overlay
    if (focus)
        overlay->setFocus(Qt::OtherFocusReason);
    kept_ = text(currentRow_, currentCol_);
    setText(currentRow_, currentCol_, QString());
    return true;
}

bool TableGrid::showEditorOverCell(QLineEdit* editor, const QString& text, bool focus) {
    if (currentRow_ < 1 || currentCol_ < 1)
        return false;
    editor->setText(text);
    editor->selectAll();
    return placeOverCell(editor, cellRect().adjusted(kInset, kInset, -kInset, -kInset), focus);
}

bool TableGrid::showListOverCell(QComboBox* list, const QString& text, bool focus) {
    if (currentRow_ < 1 || currentCol_ < 1)
        return false;
    const int index = list->findText(text, Qt::MatchExactly);
    list->setCurrentIndex(index);
    if (index < 0 && list->isEditable())
        list->setEditText(text);
    return showListOverCellByIndex(list, index, focus);
}

bool TableGrid::showListOverCellByIndex(QComboBox* list, int index, bool focus) {
    if (currentRow_ < 1 || currentCol_ < 1)
        return false;
    if (index >= 0 || !list->isEditable())
        list->setCurrentIndex(index);
    QRect rect = cellRect().adjusted(kInset, kInset, -kInset, -kInset);
    // A list needs its own height to show its text; it may reach over the next row.
    rect.setHeight(std::max(rect.height(), list->minimumSizeHint().height()));
    return placeOverCell(list, rect, focus);
}

void TableGrid::hideEditor(QWidget* editor, bool clear) {
    const bool hadFocus = editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget());
    editor->hide();
    if (clear) {
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            edit->clear();
        else if (auto* list = qobject_cast<QComboBox*>(editor)) {
            list->setCurrentIndex(-1);
            if (list->isEditable())
                list->setEditText(QString());
        }
    }
    table_->setFocusPolicy(Qt::StrongFocus);
    if (hadFocus)
        table_->setFocus(Qt::OtherFocusReason);
}

bool TableGrid::wrapArrowKeys(int key, int lastRow, int lastCol) {
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false;
    const auto to =
        wrapArrowKey(key == Qt::Key_Right, {currentRow_, currentCol_}, lastRow, lastCol);
    if (!to)
        return false;
    setCurrentCell(to->row, to->column);
    return true;
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    if (watched == table_->verticalHeader()->viewport() &&
        event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const int row = table_->verticalHeader()->logicalIndexAt(press->position().toPoint());
        if (row >= 0 && press->button() == Qt::LeftButton)
            emit rowHeaderClicked(row + 1);
    }
    return QWidget::eventFilter(watched, event);
}

void TableGrid::paintCorner() {
    QStylePainter painter(corner_);
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.rect = corner_->rect();
    option.text = cornerText_;
    option.textAlignment = cornerAlignment_;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.state |= QStyle::State_Raised | QStyle::State_Enabled; // a header, not a button
    option.palette.setCurrentColorGroup(QPalette::Active);
    painter.drawControl(QStyle::CE_Header, option);
}

} // namespace tsw::ui
