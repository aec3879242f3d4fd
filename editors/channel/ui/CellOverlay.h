#pragma once
// The editor of one cell of a TableGrid: an edit box or a drop-down list laid over the current
// cell, for the grids whose cells are never edited in place (test frequencies, memory map,
// QT/DQT table, the code tables of the feature forms). It keeps the cell it was opened on and
// stores what it holds when it is left: Enter, the focus going elsewhere (a drop-down opening
// is not leaving), the grid scrolling, or the owner closing it (store()). Escape puts the
// cell's text from before back without storing. After a store the cell shows the text the
// owner gives back, read anew from the image; the focus goes back to the grid when the editor
// had it.
//
// An edit box of text cells can also take the grid's keys while it is closed (setTextCells):
// Enter opens it on the current cell, typing opens it empty with the key typed into it, Left
// and Right wrap between rows, a click opens the clicked cell; Enter in the box moves on.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "editors/channel/GridKeys.h"

class QKeyEvent;

namespace tsw::ui {

class TableGrid;

class CellOverlay : public QObject {
    Q_OBJECT
public:
    // Stores what the editor holds for cell (row, column) and returns the text the cell shows
    // afterwards; no value when the owner shows the cell itself.
    using Store = std::function<std::optional<QString>(int row, int column)>;

    // Which keys typed on the grid open the edit box (empty) and go into it.
    enum class TypedKeys {
        None,
        Printable, // any printable character (codes 33..126) without Ctrl or Alt
        Accepted,  // what the box's filter accepts for the column (a space too)
    };
    struct TextCells {
        int lastRow = 1; // the last data row and column: Left and Right wrap within them
        int lastColumn = 1;
        bool wrapArrows = true;
        bool clickOpens = false;       // a click opens the clicked cell with its text
        bool enterKeepsText = true;    // Enter on the grid opens with the cell's text (or empty)
        bool deleteOpensEmpty = false; // Delete on the grid opens the box empty
        bool homeGoesToFirstRow = false;
        TypedKeys typed = TypedKeys::Printable;
        EnterMove move = EnterMove::Right; // where Enter in the box goes after storing
        bool moveWrapsRows = false;
        std::function<bool(int column)> editable; // empty: every data column
        std::function<void(int column)> prepare;  // sets the box up for a column before it opens
        bool caretAtEnd = false; // the box opens with the cursor after its text, not selected
    };

    // `editor` is a QLineEdit or a QComboBox beside the grid (a child of the grid's parent).
    CellOverlay(TableGrid* grid, QWidget* editor, Store store);

    QWidget* editor() const { return editor_; }
    // Laid over its cell, also while the window around it is not shown.
    bool isOpen() const;
    int row() const { return row_; }
    int column() const { return column_; }

    // Called when the editor is put away without storing (Escape, cancel()).
    void setCancelled(std::function<void()> cancelled) { cancelled_ = std::move(cancelled); }
    void setTextCells(TextCells cells);

    // Lays the edit box over the current cell holding `text` (selected); false, and nothing
    // shown, on the header row or column.
    bool openEdit(const QString& text);
    // Lays the list over the current cell with entry `index` selected (-1: none, an editable
    // list keeps the text it holds).
    bool openList(int index);
    // Stores what the open editor holds and puts it away; false when none is open.
    bool store();
    // Puts the open editor away without storing; the cell shows its text from before.
    void cancel();

signals:
    // The editor was put away, stored or not (after the cell shows its text again).
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool editorKey(const QKeyEvent& key);
    bool gridKey(const QKeyEvent& key);
    bool editable(int column) const;
    bool opensOnTyped(const QKeyEvent& key, int column);
    void openCell(const QString& text);
    void hide();

    TableGrid* grid_;
    QWidget* editor_;
    Store store_;
    std::function<void()> cancelled_;
    std::optional<TextCells> cells_;
    int row_ = 0;
    int column_ = 0;
    bool busy_ = false; // storing or cancelling: the focus the editor loses meanwhile is no store
};

} // namespace tsw::ui
