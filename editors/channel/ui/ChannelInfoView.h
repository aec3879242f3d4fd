#pragma once
// The channel information window: the table of all 16 channels (form template 150), opened by
// the Channel Information command and shown first at every start. A click or Enter on a cell
// lays a list over it; the list's commit writes the channel at once. Shift+F3/Ctrl+E copies
// the selected channel, Shift+F9/Ctrl+I inserts an empty channel, Ctrl+D deletes one; the same
// commands are in the context menu of the rows and in the Edit menu. The selected channel is
// the one on the grid's current row, however the user got there.
//
// Rows can be selected as one block (Shift with the arrow keys or a click, on a cell or on the
// row numbers); Ctrl+C copies the selected rows to the clipboard as tab-separated text for
// spreadsheets, Ctrl+V pastes such rows from the first selected row on (ChannelRowsClipboard).

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "app/ui/EditHistory.h"
#include "app/ui/EditorForm.h"
#include "editors/channel/ChannelInfoForm.h"

class QAction;
class QComboBox;
class QMenu;

namespace tsw::ui {

class TableGrid;

class ChannelInfoView : public EditorForm {
    Q_OBJECT
public:
    static constexpr int kTemplate = 150;
    static constexpr int kFrequencyListId = 1361;
    static constexpr int kToneListId = 1258;
    static constexpr int kFlagListId = 1259;
    static constexpr int kFreeAreaId = 1141;
    static constexpr int kChannelEditButtonId = 1144;

    explicit ChannelInfoView(QWidget* parent = nullptr);
    ~ChannelInfoView() override;

    TableGrid* grid() const { return grid_; }
    QComboBox* frequencyList() const { return frequencyList_; }
    QComboBox* toneList() const { return toneList_; }
    QComboBox* flagList() const { return flagList_; }
    QLabel* freeArea() const { return freeArea_; }
    QPushButton* channelEditButton() const { return channelEdit_; }

    // Refreshes asked for by the other channel windows.
    void refreshRow(int channel); // the row's cells and the free area
    void refreshTable();          // every row
    void updateCaption();
    void showRow(int channel); // scrolls the row into view

    // The channel commands on the selected channel. One that would change nothing says why in
    // the status bar.
    void insertChannel() { insertOrDelete(true); }
    void deleteChannel() { insertOrDelete(false); }
    void copyChannel();
    void copyRows();
    void pasteRows();
    // The actions of the commands (cmd::InsertChannel, DeleteChannel, CopyChannel), which the
    // rows' context menu holds and whose keys work inside this window.
    QAction* commandAction(int command) const;
    QMenu* rowMenu() const { return rowMenu_; }

    bool enterActsAsTab(const QWidget* focus) const override;
    bool showImageAgain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createGrid();
    void createOverlays();
    void createFooter();
    void createCommands();
    void followCurrentRow(int row);
    void showRowMenu(int row, const QPoint& globalPos);
    void extendSelectionTo(int row);
    bool rowMenuHelp(const QKeyEvent& key);
    void openCellEditor(int row, int column);
    QWidget* openOverlay() const;
    void commitOverlay(bool closing);
    void closeOverlay();
    void afterChannelChange();
    bool handleCommandKey(const QKeyEvent& key);
    bool handleGridKey(QKeyEvent& key);
    bool handleOverlayKey(QWidget* overlay, const QKeyEvent& key);
    void insertOrDelete(bool insert);
    bool refused(ChannelCommand command);

    ChannelInfoForm form_;
    TableGrid* grid_ = nullptr;
    QComboBox* frequencyList_ = nullptr;
    QComboBox* toneList_ = nullptr;
    QComboBox* flagList_ = nullptr;
    QLabel* freeArea_ = nullptr;
    QPushButton* channelEdit_ = nullptr;
    QAction* insert_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* copyRows_ = nullptr;
    QAction* pasteRows_ = nullptr;
    QMenu* rowMenu_ = nullptr;
    std::unique_ptr<UndoStep> overlayStep_; // an open list's changes are one undo step
    int overlayColumn_ = 0;
    bool filling_ = false;    // set while an overlay is prepared: its signals are not commits
    bool committing_ = false; // a commit hides the list, whose focus loss must not commit again
};

} // namespace tsw::ui
