#pragma once
// A table of numbered rows whose cells are never edited in place: a filtered edit box is laid
// over the current cell and the cell's text is rebuilt by the owner after each commit.
//
// Keys on the grid: Enter opens the editor (with the cell's text or empty, as set), Delete
// opens it empty, typing a character the column's filter accepts opens it empty and types the
// character, Home goes to the first row. In the editor: Enter commits and moves on, Esc puts
// the cell's text back, leaving the editor commits.

#include <QTableWidget>
#include <vector>

#include "app/StringIds.h"

namespace tsw::ui {

class FilterEdit;

class CellGrid : public QTableWidget {
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

    CellGrid(std::vector<Column> columns, int rows, QWidget* parent = nullptr);

    void setEnterKeepsText(bool keep) { enterKeepsText_ = keep; }
    void setAdvance(Advance advance) { advance_ = advance; }
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;

    FilterEdit* editor() const { return editor_; }
    bool editing() const;
    void openEditor(int row, int column, const QString& text);

signals:
    // The editor of a cell was left with Enter or by losing the focus.
    void cellCommitted(int row, int column, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool editable(int column) const;
    void commitEditor(bool advance);
    void closeEditor();

    std::vector<Column> columns_;
    FilterEdit* editor_;
    int editRow_ = -1;
    int editColumn_ = -1;
    bool enterKeepsText_ = false;
    Advance advance_ = Advance::Down;
    bool closing_ = false;
};

} // namespace tsw::ui
