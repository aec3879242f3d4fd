#include "editors/channel/ui/ChannelInfoView.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/GridKeys.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/TableGrid.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

TSW_REGISTER_EDITOR(cmd::ChannelInformation, [] { return new ChannelInfoView; });

namespace {

constexpr int kGridId = ChannelInfoForm::kGridId;
constexpr int kFreeAreaLabelId = 1138;
constexpr char kFreeAreaLabel[] = "Free Area (Bytes):"; // the form's own label
constexpr int kLastRow = ChannelInfoForm::kRows - 1;

bool isCtrl(const QKeyEvent& key, int k) {
    return key.key() == k && (key.modifiers() & Qt::ControlModifier) &&
           !(key.modifiers() & (Qt::ShiftModifier | Qt::AltModifier));
}

bool isShift(const QKeyEvent& key, int k) {
    return key.key() == k && (key.modifiers() & Qt::ShiftModifier) &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
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
    connect(grid_, &TableGrid::clicked, this, &ChannelInfoView::openCellEditor);
    connect(grid_, &TableGrid::scrolled, this, [this] {
        if (openOverlay())
            commitOverlay(true);
    });
    connect(grid_, &TableGrid::currentCellChanged, this, [this](int, int column) {
        setControlId(grid_->table(), ChannelInfoForm::helpTopicForColumn(column));
    });
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
        if (form_.toneSelectionChanged(toneList_->itemText(index).toStdString()))
            showSelectedChannelInEditWindow();
    });
    connect(flagList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0 && flagList_->isVisible())
            commitOverlay(false);
    });
}

void ChannelInfoView::createFooter() {
    auto* label = new QLabel(QString::fromLatin1(kFreeAreaLabel), body());
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

void ChannelInfoView::updateCaption() {
    setWindowTitle(fromStd(form_.captionText()));
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
        changed = form_.commitFrequency(frequencyList_->currentText().toStdString());
    } else if (overlay == toneList_) {
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
}

// However the window goes away (Ctrl+F4, Close, Close All, the main window closing), the open
// list is stored as leaving it would store it, while the view and its list still exist.
void ChannelInfoView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        commitOverlay(true);
    EditorForm::hideEvent(event);
}

bool ChannelInfoView::eventFilter(QObject* watched, QEvent* event) {
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

void ChannelInfoView::copyChannel() {
    if (openOverlay())
        commitOverlay(true);
    if (!form_.requestCopy())
        return;
    ChannelCopyDialog dialog(window());
    dialog.exec();
    refreshAllChannelWindows();
}

void ChannelInfoView::insertOrDelete(bool insert) {
    if (openOverlay())
        commitOverlay(true);
    const bool changed = insert ? form_.insertChannel() : form_.deleteChannel();
    if (!changed)
        return;
    refreshTable();
    showSelectedChannelInEditWindow();
}

} // namespace tsw::ui
