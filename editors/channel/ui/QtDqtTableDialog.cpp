#include "editors/channel/ui/QtDqtTableDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditHistory.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/CellOverlay.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

namespace {
constexpr int kEntryAlignment = TableGrid::kAlignLeftCentre;
constexpr int kVisibleRows = 19;

} // namespace

QtDqtTableDialog::QtDqtTableDialog(QWidget* parent)
    : QDialog(parent), form_(globals().image, channelEditorState()) {
    setWindowTitle(uiText(StrId::TitleQtDqtTable));
    setHelpContext(this, kHelpButtonId);
    createGrid();
    close_ = makeButton(this, 2, StrId::CloseButton);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(kHelpButtonId); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttonRow({close_, help}));

    fillQtDqtTable();
    grid_->setCurrentCell(1, 1);
    grid_->table()->setFocus();
}

QtDqtTableDialog::~QtDqtTableDialog() {
    form_.close();
}

void QtDqtTableDialog::createGrid() {
    grid_ = new TableGrid(this);
    setControlId(grid_->table(), kGridId);
    list_ = new QComboBox(this);
    makeToneList(list_);
    list_->lineEdit()->setMaxLength(QtDqtTableForm::kListEditMax);
    setControlId(list_, kToneListId);
    setListEntries(list_, form_.toneListEntries());
    list_->hide();
    grid_->setRowHeightPixels(list_->minimumSizeHint().height() + 2);
    grid_->setShape(QtDqtTableForm::kRows, QtDqtTableForm::kColumnWidths);
    grid_->alignCells(
        [](int r, int c) { return r > 0 && c == 1 ? kEntryAlignment : TableGrid::kAlignCentre; });
    overlay_ =
        new CellOverlay(grid_, list_, [this](int row, int col) { return storeEntry(row, col); });
    overlay_->setCancelled([this] { form_.cancelTableEntry(); });
    connect(overlay_, &CellOverlay::closed, this, &QtDqtTableDialog::showChangedChannels);
    connect(grid_, &TableGrid::clicked, this, &QtDqtTableDialog::editEntry);
    grid_->table()->installEventFilter(this);
    list_->installEventFilter(this); // Delete clears the list's tone
}

void QtDqtTableDialog::fillQtDqtTable() {
    grid_->fillCells([this](int r, int c) { return form_.cellText(r, c); });
    grid_->widenColumnsToFit();
    grid_->widenColumn(1, list_->sizeHint().width());
    grid_->setFixedSize(grid_->sizeForRows(kVisibleRows));
}

void QtDqtTableDialog::editEntry(int row, int col) {
    overlay_->store();
    grid_->setCurrentCell(row, col);
    const TableEntryEditor editor = form_.editTableEntry(row, col);
    if (!editor.open)
        return;
    // The tone goes in before the list takes the focus, which selects the list's text.
    showToneInList(list_, editor.selectedIndex, fromStd(editor.text));
    overlay_->openList(editor.selectedIndex);
}

std::optional<QString> QtDqtTableDialog::storeEntry(int row, int col) {
    const TableEntryCommit result =
        form_.commitTableEntry(row, col, list_->currentText().toStdString());
    // One undo step, named by the table entry even when the channels using it changed too.
    recordUndoStep({0, static_cast<std::uint16_t>(layout::qtDqtEntryOffset(row)), 2});
    changedChannels_ = result.channels;
    return fromStd(result.cellText);
}

// After the list is put away: the channel windows show the channels that use the entry.
void QtDqtTableDialog::showChangedChannels() {
    const std::vector<int> channels = std::exchange(changedChannels_, {});
    for (int channel : channels)
        refreshChannelRow(channel);
    if (!channels.empty())
        showSelectedChannelInEditWindow();
}

void QtDqtTableDialog::done(int result) {
    overlay_->store();
    form_.close();
    // The channel windows' tone lists show the table's entries: refill them.
    refreshAllChannelWindows();
    QDialog::done(result);
}

bool QtDqtTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == list_ && clearToneListOnDelete(list_, key))
        return true;
    if (watched == grid_->table() && isEnterKey(key)) {
        editEntry(grid_->currentRow(), grid_->currentCol());
        return true;
    }
    if (watched == grid_->table() && grid_->wrapArrowKeys(key.key(), QtDqtTableForm::kRows - 1, 1))
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace tsw::ui
