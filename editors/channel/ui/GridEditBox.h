#pragma once
// An edit box laid over the current cell of a grid, for the grids whose cells take typed text
// (test frequencies, memory map). A click or Enter on the grid opens it on the cell's text; a
// printable key opens it with that key typed. Enter commits and moves one cell to the right;
// Escape puts the cell's text back; losing the focus commits. Left and Right arrows on the grid
// wrap between rows.

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;

namespace tsw::ui {

class TableGrid;
class FilterEdit;

class GridEditBox : public QObject {
    Q_OBJECT
public:
    // Stores `typed` for the cell and returns the text the cell shows afterwards.
    using Commit = std::function<QString(int row, int col, const QString& typed)>;

    struct Options {
        int lastRow = 1;
        int lastCol = 1;
        bool wrapOnEnter = false; // Enter in the last column goes on to the next row
    };

    GridEditBox(TableGrid* grid, FilterEdit* edit, Commit commit, Options options);

    bool isOpen() const;
    void open(const QString& text);
    void commit(bool moveRight);
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKey(const QKeyEvent& key);
    bool editKey(const QKeyEvent& key);

    TableGrid* grid_;
    FilterEdit* edit_;
    Commit commit_;
    Options options_;
    bool busy_ = false;
};

} // namespace tsw::ui
