#include "editors/channel/ui/QtDqtTableDialog.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

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
    connect(grid_, &TableGrid::clicked, this, &QtDqtTableDialog::editEntry);
    connect(grid_, &TableGrid::scrolled, this, [this] {
        if (list_->isVisible())
            commitEntry();
    });
    grid_->table()->installEventFilter(this);
    list_->installEventFilter(this);
}

void QtDqtTableDialog::fillQtDqtTable() {
    grid_->fillCells([this](int r, int c) { return form_.cellText(r, c); });
    grid_->widenColumnsToFit();
    grid_->widenColumn(1, list_->sizeHint().width());
    grid_->setFixedSize(grid_->sizeForRows(kVisibleRows));
}

void QtDqtTableDialog::editEntry(int row, int col) {
    if (list_->isVisible())
        commitEntry();
    grid_->setCurrentCell(row, col);
    const TableEntryEditor editor = form_.editTableEntry(row, col);
    if (!editor.open)
        return;
    // The tone goes in before the list takes the focus, which selects the list's text.
    showToneInList(list_, editor.selectedIndex, fromStd(editor.text));
    grid_->showListOverCellByIndex(list_, editor.selectedIndex, true);
}

void QtDqtTableDialog::commitEntry() {
    if (!list_->isVisible() || busy_)
        return;
    busy_ = true;
    const int row = grid_->currentRow();
    const TableEntryCommit result =
        form_.commitTableEntry(row, grid_->currentCol(), list_->currentText().toStdString());
    // One undo step, named by the table entry even when the channels using it changed too.
    recordUndoStep({0, static_cast<std::uint16_t>(layout::qtDqtEntryOffset(row)), 2});
    grid_->hideEditor(list_, true);
    grid_->setText(row, grid_->currentCol(), fromStd(result.cellText));
    grid_->table()->setFocus(Qt::OtherFocusReason);
    busy_ = false;
    for (int channel : result.channels)
        refreshChannelRow(channel);
    if (!result.channels.empty())
        showSelectedChannelInEditWindow();
}

void QtDqtTableDialog::cancelEntry() {
    if (!list_->isVisible())
        return;
    busy_ = true;
    form_.cancelTableEntry();
    grid_->hideEditor(list_, true);
    grid_->setText(grid_->currentRow(), grid_->currentCol(), grid_->keptText());
    grid_->table()->setFocus(Qt::OtherFocusReason);
    busy_ = false;
}

void QtDqtTableDialog::done(int result) {
    commitEntry();
    form_.close();
    // The channel windows' tone lists show the table's entries: refill them.
    refreshAllChannelWindows();
    QDialog::done(result);
}

bool QtDqtTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            commitEntry();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == list_) {
        if (isEnterKey(key)) {
            commitEntry();
            return true;
        }
        if (key.key() == Qt::Key_Escape) {
            cancelEntry();
            return true;
        }
        if (clearToneListOnDelete(list_, key))
            return true;
    } else if (watched == grid_->table() && isEnterKey(key)) {
        editEntry(grid_->currentRow(), grid_->currentCol());
        return true;
    } else if (watched == grid_->table() &&
               grid_->wrapArrowKeys(key.key(), QtDqtTableForm::kRows - 1, 1)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tsw::ui
