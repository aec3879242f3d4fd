#pragma once
// The grid of the table editors: rows and columns of text cells with a fixed header row 0 and
// a fixed header column 0, sizes in twips, a current cell and click and scroll notifications.
// Cells are never edited in place: the editors lay an edit box or a drop-down list over the
// current cell (showEditorOverCell, showListOverCell) and rebuild the cell's text afterwards.
//
// Row 0 is the table's column header, column 0 its row header, cell (0, 0) the corner; rows
// and columns count from 0 as in the editors' tables, so cell (r, c) with r, c >= 1 is a data
// cell. Overlay editors are siblings of the grid (children of its parent widget).

#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <string>

class QComboBox;
class QLineEdit;
class QTableWidget;
class QAbstractButton;

namespace tsw::ui {

class TableGrid : public QWidget {
    Q_OBJECT
public:
    // Alignment codes of the cells: 0..8 = left/centre/right x top/middle/bottom; 4 centred.
    static constexpr int kAlignLeftCentre = 1;
    static constexpr int kAlignLeftBottom = 2;
    static constexpr int kAlignCentre = 4;

    explicit TableGrid(QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }

    void setRows(int rows);
    int rows() const;
    void setCols(int cols);
    int cols() const;

    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    void setAlignment(int row, int col, int code);
    // A table of `rows` rows and one column per width (twips), the header row and column
    // included.
    void setShape(int rows, std::span<const int> columnWidthsTwips);
    // Every cell's alignment code, and every cell's text (UTF-8), from the functions given.
    void alignCells(const std::function<int(int row, int col)>& code);
    void fillCells(const std::function<std::string(int row, int col)>& text);
    // Redraw off while a table is filled in bulk, on afterwards.
    void setRedraw(bool on);

    // Sizes in twips (1/1440 inch), converted with the screen's logical pixels per inch.
    // Column or row -1 means all of them.
    void setColumnWidthTwips(int col, int twips);
    int columnWidthTwips(int col) const;
    void setRowHeightTwips(int row, int twips);
    int rowHeightTwips(int row) const;
    int twipsToPixels(int twips) const;
    // Rows of the same height in pixels (the editors whose rows the table leaves open).
    void setRowHeightPixels(int pixels);
    // Widens every column (the row header included) whose texts do not fit its width; the
    // program's font may be wider than the one the widths were chosen for.
    void widenColumnsToFit();
    // Makes column `col` at least `pixels` wide (a list laid over its cells needs the room).
    void widenColumn(int col, int pixels);
    // The size that shows `visibleRows` data rows and every column without scrolling.
    QSize sizeForRows(int visibleRows) const;

    int currentRow() const { return currentRow_; }
    int currentCol() const { return currentCol_; }
    void setCurrentCell(int row, int col);
    int topRow() const;
    void setTopRow(int row);
    bool rowVisible(int row) const;
    void ensureVisible(int row, int col);

    // The current cell in the parent's coordinates, inflated by 2 pixels each way.
    QRect cellRect() const;
    // Lays the edit box over the current cell with `text` selected; false (nothing shown) on
    // the header row or column. The cell's text is kept (keptText) and the cell emptied.
    bool showEditorOverCell(QLineEdit* editor, const QString& text, bool focus);
    // The same for a drop-down list: the entry equal to `text` is selected, else none (and an
    // editable list gets `text` typed in).
    bool showListOverCell(QComboBox* list, const QString& text, bool focus);
    bool showListOverCellByIndex(QComboBox* list, int index, bool focus);
    // Hides the overlay (optionally emptying it) and gives the focus back to the grid.
    void hideEditor(QWidget* editor, bool clear);
    const QString& keptText() const { return kept_; }
    // Right arrow in the last column to column 1 of the next row, Left arrow in column 1 to the
    // last column of the previous row (never past the first or last row). True when it wrapped.
    bool wrapArrowKeys(int key, int lastRow, int lastCol);

signals:
    void clicked(int row, int col);
    // A press on the row header (the number cell) of a data row.
    void rowHeaderClicked(int row);
    void scrolled();
    void currentCellChanged(int row, int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTable();
    bool placeOverCell(QWidget* overlay, const QRect& rect, bool focus);
    void paintCorner();
    Qt::Alignment alignmentOf(int code) const;

    QTableWidget* table_ = nullptr;
    QAbstractButton* corner_ = nullptr;
    QString cornerText_;
    Qt::Alignment cornerAlignment_ = Qt::AlignCenter;
    QString kept_;
    int currentRow_ = 0;
    int currentCol_ = 0;
    int fixedRowHeightTwips_ = 240;
};

} // namespace tsw::ui
