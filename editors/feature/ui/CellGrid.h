#pragma once
// The code tables of the DTMF and CrewLink forms: the shared grid (TableGrid) with its
// header row and a number column, and a filtered edit box laid over the current cell by the
// grids' shared CellOverlay. Cells are never edited in place: the owner rebuilds a cell's text
// after each commit.
//
// Rows and columns here count data rows from 0 and columns as the grid does (column 0 is the
// number column). Keys on the grid: Enter opens the editor (with the cell's text or empty, as
// set), Delete opens it empty, typing a character the column's filter accepts opens it empty
// and types the character, Home goes to the first row. In the editor: Enter commits and moves
// on, Esc puts the cell's text back, leaving the editor commits.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/StringIds.h"
#include "editors/channel/ui/CellOverlay.h"

class QTableWidget;

namespace tsw::ui {

class TableGrid;
class FilterEdit;

class CellGrid : public QWidget {
    Q_OBJECT
public:
    struct Column {
        StringId header = 0;
        int twips = 0;         // column width
        std::uint8_t mode = 0; // filter of the editor; 0: the column cannot be edited
        int limit = 0;         // characters the editor takes
        bool fixedPitch = false;
    };
    enum class Advance { Down, NextCell };

    // columns[0] is the number column.
    CellGrid(std::vector<Column> columns, int rows, QWidget* parent = nullptr);

    void setEnterKeepsText(bool keep);
    void setAdvance(Advance advance);
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;

    QTableWidget* table() const; // takes the keys and the focus
    FilterEdit* editor() const { return editor_; }
    bool editing() const;
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);
    // Puts an open editor away without committing it; the cell shows its text from before.
    void cancelEditor();

signals:
    // The editor of a cell was left with Enter or by losing the focus.
    void cellCommitted(int row, int column, const QString& text);

private:
    void prepareEditor(int column);

    std::vector<Column> columns_;
    TableGrid* grid_;
    FilterEdit* editor_;
    CellOverlay* overlay_;
    CellOverlay::TextCells cells_;
};

} // namespace tsw::ui
