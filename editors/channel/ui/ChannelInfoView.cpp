#include "editors/channel/ui/ChannelInfoView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/GridKeys.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelRowsClipboard.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

namespace {

constexpr int kGridId = ChannelInfoForm::kGridId;
constexpr int kFreeAreaLabelId = 1138;
constexpr int kLastRow = ChannelInfoForm::kRows - 1;

bool isCtrl(const QKeyEvent& key, int k) {
    return key.key() == k && (key.modifiers() & Qt::ControlModifier) &&
           !(key.modifiers() & (Qt::ShiftModifier | Qt::AltModifier));
}

bool isShift(const QKeyEvent& key, int k) {
    return key.key() == k && (key.modifiers() & Qt::ShiftModifier) &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// A click with Shift or Ctrl held selects rows; it opens no list.
bool selectingClick() {
    return QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

ChannelInfoView::ChannelInfoView(QWidget* parent)
    : EditorForm(kTemplate, parent),
      form_(globals().image, channelEditorState(), globals().narrowStepsOnly) {
    ChannelEditorState& state = channelEditorState();
    state.selectedChannel = 0;
    state.channelInfoOpen = true;
    createGrid();
    createOverlays();
    createFooter();
    createCommands();
    setChannelInfoView(this);
    updateCaption();
    refreshTable();
    grid_->widenColumnsToFit();
    // The lists laid over the cells need room for their longest entry and their arrow.
    setListEntries(toneList_, form_.toneListEntries());
    grid_->widenColumn(1, frequencyList_->sizeHint().width());
    grid_->widenColumn(2, toneList_->sizeHint().width());
    grid_->setFixedSize(grid_->sizeForRows(ChannelInfoForm::kRows - 1));
    grid_->setCurrentCell(1, 1);
    setFocusProxy(grid_->table());
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

ChannelInfoView::~ChannelInfoView() {
    channelEditorState().channelInfoOpen = false;
    if (channelInfoView() == this)
        setChannelInfoView(nullptr);
    // The channel edit window follows the table it belongs to.
    if (ChannelEditView* edit = channelEditView())
        edit->requestClose();
}

void ChannelInfoView::createGrid() {
    grid_ = new TableGrid(body());
    setControlId(grid_->table(), ChannelInfoForm::helpTopicForColumn(1));
    grid_->setRowHeightPixels(QComboBox().minimumSizeHint().height() + 2);
    grid_->setShape(ChannelInfoForm::kRows, ChannelInfoForm::kColumnWidths);
    grid_->alignCells([](int r, int c) {
        return ChannelInfoForm::isCentred(r, c) ? TableGrid::kAlignCentre
                                                : TableGrid::kAlignLeftCentre;
    });
    for (int c = 0; c < ChannelInfoForm::kColumns; ++c)
        grid_->setText(0, c, fromStd(form_.cellText(0, c)));
    grid_->table()->setSelectionMode(QAbstractItemView::ContiguousSelection);
    connect(grid_, &TableGrid::clicked, this, [this](int row, int column) {
        if (!selectingClick())
            openCellEditor(row, column);
    });
    connect(grid_, &TableGrid::scrolled, this, [this] {
        if (openOverlay())
            commitOverlay(true);
    });
    connect(grid_, &TableGrid::currentCellChanged, this, [this](int row, int column) {
        setControlId(grid_->table(), ChannelInfoForm::helpTopicForColumn(column));
        followCurrentRow(row);
    });
    connect(grid_, &TableGrid::rowHeaderClicked, this, [this](int row) {
        if (openOverlay())
            commitOverlay(true);
        if (QApplication::keyboardModifiers() & Qt::ShiftModifier)
            extendSelectionTo(row);
        else
            grid_->setCurrentCell(row, std::max(1, grid_->currentCol()));
        grid_->table()->setFocus(Qt::MouseFocusReason);
    });
}

// Insert, Delete and Copy as actions: their keys work anywhere inside this window (Shift+F9 and
// Shift+F3 as well), and the rows' context menu (right click, or the menu key) offers them.
void ChannelInfoView::createCommands() {
    const auto make = [this](int command, StringId text, QKeySequence alternative,
                             void (ChannelInfoView::*run)()) {
        auto* a = new QAction(uiText(text), this);
        const std::string_view keys = commandShortcut(command);
        a->setShortcuts({QKeySequence(QString::fromLatin1(keys.data(), keys.size())), alternative});
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        a->setData(command);
        connect(a, &QAction::triggered, this, run);
        addAction(a);
        return a;
    };
    insert_ = make(cmd::InsertChannel, StrId::MenuEditInsertChannel,
                   QKeySequence(Qt::SHIFT | Qt::Key_F9), &ChannelInfoView::insertChannel);
    delete_ = make(cmd::DeleteChannel, StrId::MenuEditDeleteChannel, QKeySequence(),
                   &ChannelInfoView::deleteChannel);
    copy_ = make(cmd::CopyChannel, StrId::MenuEditCopyChannel, QKeySequence(Qt::SHIFT | Qt::Key_F3),
                 &ChannelInfoView::copyChannel);
    copyRows_ = make(cmd::CopyRows, StrId::MenuEditCopyRows,
                     QKeySequence(Qt::CTRL | Qt::Key_Insert), &ChannelInfoView::copyRows);
    pasteRows_ = make(cmd::PasteRows, StrId::MenuEditPasteRows,
                      QKeySequence(Qt::SHIFT | Qt::Key_Insert), &ChannelInfoView::pasteRows);
    rowMenu_ = new QMenu(this);
    rowMenu_->addActions({insert_, delete_, copy_});
    rowMenu_->addSeparator();
    rowMenu_->addActions({copyRows_, pasteRows_});
    rowMenu_->installEventFilter(this);
    QTableWidget* table = grid_->table();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint& pos) {
        const int row = table->rowAt(pos.y());
        showRowMenu(row < 0 ? grid_->currentRow() : row + 1, table->viewport()->mapToGlobal(pos));
    });
    QHeaderView* header = table->verticalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint& pos) {
        const int row = header->logicalIndexAt(pos);
        if (row >= 0)
            showRowMenu(row + 1, header->viewport()->mapToGlobal(pos));
    });
}

QAction* ChannelInfoView::commandAction(int command) const {
    switch (command) {
    case cmd::InsertChannel:
        return insert_;
    case cmd::DeleteChannel:
        return delete_;
    case cmd::CopyChannel:
        return copy_;
    case cmd::CopyRows:
        return copyRows_;
    case cmd::PasteRows:
        return pasteRows_;
    default:
        return nullptr;
    }
}

// The menu acts on the row it was opened on: that row becomes the current one first. Opened
// inside a block of selected rows, it keeps the block (for Copy Rows and Paste Rows).
void ChannelInfoView::showRowMenu(int row, const QPoint& globalPos) {
    if (row < 1 || row >= ChannelInfoForm::kRows)
        return;
    if (openOverlay())
        commitOverlay(true);
    const auto [first, last] = selectedChannels(*grid_);
    const int column = std::max(1, grid_->currentCol());
    if (first < last && row - 1 >= first && row - 1 <= last)
        grid_->table()->selectionModel()->setCurrentIndex(
            grid_->table()->model()->index(row - 1, column - 1), QItemSelectionModel::NoUpdate);
    else
        grid_->setCurrentCell(row, column);
    rowMenu_->popup(globalPos);
}

// Shift and a click on a row number: the rows from the current one to that one are selected.
void ChannelInfoView::extendSelectionTo(int row) {
    const int from = grid_->currentRow();
    if (from < 1) {
        grid_->setCurrentCell(row, 1);
        return;
    }
    selectChannels(*grid_, std::min(from, row) - 1, std::max(from, row) - 1);
}

// The selected channel is the one on the current row, however the row became current (arrow
// keys, Home/End, Page Up/Down, a click on any of its cells).
void ChannelInfoView::followCurrentRow(int row) {
    const int channel = row - 1;
    if (row < 1 || row >= ChannelInfoForm::kRows || channel == form_.selectedChannel())
        return;
    if (openOverlay()) // an open list belongs to the channel it was opened on
        commitOverlay(true);
    form_.selectChannel(channel);
    afterChannelChange();
}

void ChannelInfoView::createOverlays() {
    frequencyList_ = new QComboBox(body());
    frequencyList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toneList_ = new QComboBox(body());
    makeToneList(toneList_);
    flagList_ = new QComboBox(body());
    setControlId(frequencyList_, kFrequencyListId);
    setControlId(toneList_, kToneListId);
    setControlId(flagList_, kFlagListId);
    setListEntries(frequencyList_, form_.frequencyListEntries());
    for (QComboBox* list : {frequencyList_, toneList_, flagList_})
        list->hide();
    connect(toneList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling_ || index < 0 || !toneList_->isVisible())
            return;
        if (form_.toneEntrySelected(index))
            showSelectedChannelInEditWindow();
    });
    connect(flagList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0 && flagList_->isVisible())
            commitOverlay(false);
    });
}

void ChannelInfoView::createFooter() {
    auto* label = new QLabel(uiText(StrId::FreeAreaLabel), body());
    setControlId(label, kFreeAreaLabelId);
    freeArea_ = new QLabel(body());
    setControlId(freeArea_, kFreeAreaId);
    channelEdit_ = makeButton(body(), kChannelEditButtonId, StrId::ChannelEditButton);
    connect(channelEdit_, &QPushButton::clicked, this,
            [] { shell().postCommand(cmd::OpenChannelEdit); });
    auto* footer = new QHBoxLayout;
    footer->addWidget(label);
    footer->addWidget(freeArea_);
    footer->addStretch(1);
    footer->addWidget(channelEdit_);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addLayout(footer);
    layout->addStretch(1);
}

void ChannelInfoView::refreshRow(int channel) {
    if (channel < 0 || channel >= ChannelInfoForm::kRows - 1)
        return;
    const int row = channel + 1;
    grid_->setText(row, 0, fromStd(form_.cellText(row, 0)));
    for (int c = 1; c < ChannelInfoForm::kColumns; ++c)
        if (!(openOverlay() && row == grid_->currentRow() && c == overlayColumn_))
            grid_->setText(row, c, fromStd(form_.cellText(row, c)));
    if (!channelEditorState().copyOpenedFromEdit)
        freeArea_->setText(fromStd(form_.freeAreaText()));
}

void ChannelInfoView::refreshTable() {
    grid_->setRedraw(false);
    for (int channel = 0; channel < ChannelInfoForm::kRows - 1; ++channel)
        refreshRow(channel);
    grid_->setRedraw(true);
    channelEditorState().skipListRefill = false;
}

// The caption names the selected channel, and the current row follows it when another window
// (the channel edit window) selected it.
void ChannelInfoView::updateCaption() {
    setWindowTitle(fromStd(form_.captionText()));
    const int row = form_.selectedChannel() + 1;
    if (row >= 1 && row < ChannelInfoForm::kRows && row != grid_->currentRow() && !openOverlay())
        grid_->setCurrentCell(row, std::max(1, grid_->currentCol()));
}

void ChannelInfoView::showRow(int channel) {
    grid_->ensureVisible(channel + 1, 1);
}

bool ChannelInfoView::enterActsAsTab(const QWidget* focus) const {
    if (focus == grid_->table() || focus == frequencyList_ || focus == toneList_ ||
        focus == flagList_)
        return false;
    return EditorForm::enterActsAsTab(focus);
}

// An overlay counts as open while it is shown over its cell, even when the window is being
// hidden around it (it is then no longer visible, but not hidden itself).
QWidget* ChannelInfoView::openOverlay() const {
    for (QComboBox* list : {frequencyList_, toneList_, flagList_})
        if (!list->isHidden())
            return list;
    return nullptr;
}

void ChannelInfoView::openCellEditor(int row, int column) {
    if (openOverlay())
        commitOverlay(true);
    const CellEditor editor = form_.openCellEditor(row, column);
    if (editor.kind == CellEditor::Kind::None)
        return;
    grid_->setCurrentCell(editor.row, editor.column);
    overlayColumn_ = editor.column;
    filling_ = true;
    QComboBox* list = frequencyList_;
    if (editor.kind == CellEditor::Kind::ToneList) {
        setListEntries(toneList_, editor.entries);
        list = toneList_;
    } else if (editor.kind == CellEditor::Kind::FlagList) {
        setListEntries(flagList_, editor.entries);
        for (int i = 0; i < flagList_->count(); ++i)
            flagList_->setItemData(i, editor.codes[static_cast<std::size_t>(i)]);
        list = flagList_;
    }
    setControlId(list, ChannelInfoForm::helpTopicForColumn(editor.column));
    // The tone goes in before the list takes the focus, which selects the list's text.
    if (list == toneList_)
        showToneInList(toneList_, editor.selectedIndex, fromStd(editor.text));
    grid_->showListOverCellByIndex(list, editor.selectedIndex, true);
    filling_ = false;
    overlayStep_ = std::make_unique<UndoStep>();
    if (editor.channelChanged)
        afterChannelChange();
}

void ChannelInfoView::afterChannelChange() {
    updateCaption();
    showSelectedChannelInEditWindow();
}

void ChannelInfoView::commitOverlay(bool closing) {
    QWidget* overlay = openOverlay();
    if (!overlay || committing_)
        return;
    committing_ = true;
    bool changed = false;
    if (overlay == frequencyList_) {
        changed = form_.commitFrequencyEntry(frequencyList_->currentIndex());
    } else if (overlay == toneList_) {
        // An entry as chosen commits by its number; a text typed or edited, as read.
        const int index = toneList_->currentIndex();
        if (index >= 0 && toneList_->currentText() == toneList_->itemText(index))
            changed = form_.commitToneEntry(index);
        else
            changed = form_.commitTone(toneList_->currentText().toStdString());
    } else {
        const QVariant code = flagList_->currentData();
        if (code.isValid())
            changed = form_.commitFlag(overlayColumn_, code.toInt());
    }
    if (closing)
        closeOverlay();
    refreshRow(form_.selectedChannel());
    committing_ = false;
    if (changed)
        showSelectedChannelInEditWindow();
}

void ChannelInfoView::closeOverlay() {
    if (QWidget* overlay = openOverlay()) {
        filling_ = true;
        grid_->hideEditor(overlay, true);
        filling_ = false;
    }
    overlayStep_.reset();
}

// After Undo or Redo: an open list is put away without committing, every row shown anew.
bool ChannelInfoView::showImageAgain() {
    closeOverlay();
    refreshTable();
    updateCaption();
    return true;
}

// However the window goes away (Ctrl+F4, Close, Close All, the main window closing), the open
// list is stored as leaving it would store it, while the view and its list still exist.
void ChannelInfoView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        commitOverlay(true);
    EditorForm::hideEvent(event);
}

bool ChannelInfoView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rowMenu_) {
        if (event->type() == QEvent::KeyPress)
            return rowMenuHelp(static_cast<const QKeyEvent&>(*event));
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusOut && widget && widget == openOverlay()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason)
            commitOverlay(true);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return EditorForm::eventFilter(watched, event);
    auto& key = static_cast<QKeyEvent&>(*event);
    if (handleCommandKey(key))
        return true;
    if (widget == grid_->table())
        return handleGridKey(key);
    if (widget && widget == openOverlay())
        return handleOverlayKey(widget, key);
    return false;
}

bool ChannelInfoView::handleCommandKey(const QKeyEvent& key) {
    if (isShift(key, Qt::Key_F3) || isCtrl(key, Qt::Key_E)) {
        copyChannel();
        return true;
    }
    if (isShift(key, Qt::Key_F9) || isCtrl(key, Qt::Key_I)) {
        insertOrDelete(true);
        return true;
    }
    if (isCtrl(key, Qt::Key_D)) {
        insertOrDelete(false);
        return true;
    }
    return false;
}

bool ChannelInfoView::handleGridKey(QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy)) {
        copyRows();
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        pasteRows();
        return true;
    }
    if (key.modifiers() & Qt::ControlModifier)
        return false;
    if (isEnterKey(key)) {
        openCellEditor(grid_->currentRow(), grid_->currentCol());
        return true;
    }
    if (grid_->wrapArrowKeys(key.key(), kLastRow, ChannelInfoForm::kLastDataColumn))
        return true;
    const QString text = key.text();
    if (grid_->currentCol() == 2 && text.size() == 1 && text[0].unicode() > 32) {
        const char32_t accepted = toneInputCharacter(text[0].unicode());
        openCellEditor(grid_->currentRow(), 2);
        if (accepted != 0 && toneList_->isVisible()) {
            toneList_->setEditText(QString(QChar(static_cast<char16_t>(accepted))));
            toneList_->lineEdit()->deselect();
        }
        return true;
    }
    return false;
}

bool ChannelInfoView::handleOverlayKey(QWidget* overlay, const QKeyEvent& key) {
    if (isEnterKey(key) || key.key() == Qt::Key_Escape) {
        commitOverlay(true);
        return true;
    }
    return overlay == toneList_ && clearToneListOnDelete(toneList_, key);
}

// F1 on the open context menu: the topic of the highlighted command.
bool ChannelInfoView::rowMenuHelp(const QKeyEvent& key) {
    if (key.key() != Qt::Key_F1)
        return false;
    const QAction* a = rowMenu_->activeAction();
    rowMenu_->close();
    showHelp(commandHelpContext(a ? a->data().toInt() : cmd::ChannelInformation));
    return true;
}

bool ChannelInfoView::refused(ChannelCommand command) {
    const ChannelRefusal why = form_.refusal(command);
    if (why == ChannelRefusal::None)
        return false;
    shell().showStatusMessage(fromStd(form_.refusalText(why)));
    return true;
}

void ChannelInfoView::copyChannel() {
    if (openOverlay())
        commitOverlay(true);
    if (refused(ChannelCommand::Copy) || !form_.requestCopy())
        return;
    ChannelCopyDialog dialog(window());
    dialog.exec();
    refreshAllChannelWindows();
}

void ChannelInfoView::copyRows() {
    if (openOverlay())
        commitOverlay(true);
    copySelectedRows(*grid_);
}

void ChannelInfoView::pasteRows() {
    if (openOverlay())
        commitOverlay(true);
    const auto pasted = pasteRowsFromClipboard(*grid_);
    if (!pasted)
        return;
    refreshAllChannelWindows();
    selectChannels(*grid_, pasted->first, pasted->second);
}

void ChannelInfoView::insertOrDelete(bool insert) {
    if (openOverlay())
        commitOverlay(true);
    if (refused(insert ? ChannelCommand::Insert : ChannelCommand::Delete))
        return;
    UndoStep step(StepLabel{insert ? StrId::StepInsertChannel : StrId::StepDeleteChannel});
    const bool changed = insert ? form_.insertChannel() : form_.deleteChannel();
    if (!changed)
        return;
    refreshTable();
    showSelectedChannelInEditWindow();
}

} // namespace tsw::ui
