#include "editors/channel/ui/CChEditView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/FormBuilder.h"
#include "app/ui/KeyTests.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

TSW_REGISTER_EDITOR(cmd::OpenChannelEdit, [] { return new CChEditView; });

namespace {

enum CopyDialogKind { kChannelCopy, kFrequencyCopy, kQtDqtCopy };

// The window's fields in form order: label, control, spin, label text, kind.
constexpr FormRow kFields[] = {
    {1248, CChEditView::kChannelNumberId, CChEditView::kChannelSpinId, StrId::ChannelLabel,
     RowKind::Number},
    {1194, CChEditView::kReceiveListId, 0, StrId::RxFrequencyLabel, RowKind::List},
    {1196, CChEditView::kTransmitListId, 0, StrId::TxFrequencyLabel, RowKind::List},
    {1198, CChEditView::kDecodeListId, 0, StrId::DecodeToneLabel, RowKind::List},
    {1200, CChEditView::kEncodeListId, 0, StrId::EncodeToneLabel, RowKind::List},
    {CChEditView::kBeatShiftId, CChEditView::kBeatShiftId, 0, StrId::BeatShiftLabel,
     RowKind::Check},
    {1209, CChEditView::kBitmapBListId, 0, StrId::ScanAddLabel, RowKind::List},
    {CChEditView::kCompanderId, CChEditView::kCompanderId, 0, StrId::CompanderLabel,
     RowKind::Check},
};
constexpr int kFrequencyTextMax = 11;

void makeFrequencyList(QComboBox* list) {
    list->setEditable(true);
    auto* edit = new FilterEdit(list);
    edit->setMode(filter::Decimal);
    edit->setMaxLength(kFrequencyTextMax);
    list->setLineEdit(edit);
    list->setInsertPolicy(QComboBox::NoInsert);
}

} // namespace

CChEditView::CChEditView(QWidget* parent)
    : EditorForm(kTemplate, parent),
      form_(globals().image, channelEditorState(), globals().narrowStepsOnly) {
    setWindowTitle(fromStd(form_.captionText()));
    createFields();
    connectFields();
    setChannelEditView(this);
    showChannel();
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    setFocusProxy(number_);
}

CChEditView::~CChEditView() {
    if (channelEditView() == this)
        setChannelEditView(nullptr);
}

void CChEditView::createFields() {
    const std::vector<BuiltRow> rows = buildFormRows(body(), std::span<const FormRow>(kFields));
    number_ = rows[0].edit;
    number_->setMaxLength(ChannelEditForm::kChannelTextMax);
    spin_ = rows[0].spin;
    spin_->setRange(0, layout::kChannelCount - 1);
    receive_ = rows[1].list;
    transmit_ = rows[2].list;
    decode_ = rows[3].list;
    encode_ = rows[4].list;
    beatShift_ = rows[5].check;
    bitmapB_ = rows[6].list;
    compander_ = rows[7].check;
    makeFrequencyList(receive_);
    makeFrequencyList(transmit_);
    makeToneList(decode_);
    makeToneList(encode_);
    for (QComboBox* list : {receive_, transmit_})
        setListEntries(list, form_.frequencyListEntries());
    setListEntries(bitmapB_, form_.bitmapBEntries());
}

void CChEditView::connectFields() {
    connect(number_, &QLineEdit::editingFinished, this, &CChEditView::commitChannelNumber);
    connect(spin_, &SpinButtons::stepped, this, [this](int, int direction) {
        form_.StepChannel(direction);
        showChannel();
        refreshChannelRow(form_.channel());
    });
    for (QComboBox* list : {receive_, transmit_})
        connect(list, &QComboBox::activated, this, [this, list] { commitFrequency(list); });
    for (QComboBox* list : {decode_, encode_})
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { commitTone(list, list->itemText(index)); });
    connect(beatShift_, &QCheckBox::clicked, this,
            [this](bool on) { afterCommit(form_.SetBeatShift(on)); });
    connect(compander_, &QCheckBox::clicked, this,
            [this](bool on) { afterCommit(form_.SetCompander(on)); });
    connect(bitmapB_, &QComboBox::activated, this,
            [this](int index) { afterCommit(form_.CommitBitmapB(index)); });
}

void CChEditView::showChannel() {
    filling_ = true;
    number_->setText(fromStd(form_.channelNumberText()));
    spin_->setValue(form_.channel());
    const bool used = form_.fieldsEnabled();
    enableFields(used);
    for (QComboBox* list : {decode_, encode_})
        setListEntries(list, form_.toneListEntries());
    showFrequency(receive_, form_.receiveText());
    showFrequency(transmit_, form_.transmitText());
    showTone(decode_, form_.decodeToneText());
    showTone(encode_, form_.encodeToneText());
    beatShift_->setChecked(form_.beatShift());
    compander_->setChecked(form_.compander());
    {
        const QSignalBlocker block(bitmapB_);
        bitmapB_->setCurrentIndex(form_.bitmapBIndex());
    }
    filling_ = false;
}

void CChEditView::enableFields(bool used) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{transmit_, decode_, encode_, beatShift_, bitmapB_})
        w->setEnabled(used);
    receive_->setEnabled(true); // a frequency is how a channel comes into use
    compander_->setEnabled(form_.companderEnabled());
}

void CChEditView::showFrequency(QComboBox* list, const std::string& text) {
    const QSignalBlocker block(list);
    const int index = list->findText(fromStd(text));
    list->setCurrentIndex(index);
    if (index < 0)
        list->setEditText(fromStd(text));
    list->setProperty("shownText", fromStd(text));
}

void CChEditView::showTone(QComboBox* list, const std::string& text) {
    const int index = form_.fieldsEnabled() ? form_.toneEntryIndex(text) : -1;
    showToneInList(list, index, fromStd(text));
    list->setProperty("shownText", list->currentText());
}

void CChEditView::commitChannelNumber() {
    // Only a number the user typed: leaving the box unchanged keeps the table's selection.
    if (filling_ || !number_->isModified())
        return;
    number_->setModified(false);
    std::string text = number_->text().toStdString();
    form_.CommitChannelNumber(text);
    showChannel();
    refreshChannelRow(form_.channel());
}

void CChEditView::commitFrequency(QComboBox* list) {
    if (filling_ || list->currentText() == list->property("shownText").toString())
        return;
    const std::string text = list->currentText().toStdString();
    afterCommit(list == receive_ ? form_.CommitReceive(text) : form_.CommitTransmit(text));
}

void CChEditView::commitTone(QComboBox* list, const QString& text) {
    if (filling_ || text == list->property("shownText").toString())
        return;
    const std::string entry = text.toStdString();
    afterCommit(list == decode_ ? form_.CommitDecodeTone(entry) : form_.CommitEncodeTone(entry));
}

void CChEditView::afterCommit(bool changed) {
    showChannel();
    if (changed)
        refreshChannelRow(form_.channel());
}

bool CChEditView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason) {
            if (watched == receive_ || watched == transmit_)
                commitFrequency(static_cast<QComboBox*>(watched));
            else if (watched == decode_ || watched == encode_)
                commitTone(static_cast<QComboBox*>(watched),
                           static_cast<QComboBox*>(watched)->currentText());
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent&>(*event)))
        return true;
    return EditorForm::eventFilter(watched, event);
}

bool CChEditView::handleKey(const QKeyEvent& key) {
    if (keyIs(key, Qt::Key_F3, Qt::ShiftModifier) || keyIs(key, Qt::Key_E, Qt::ControlModifier)) {
        openCopyDialog(kChannelCopy);
        return true;
    }
    if (keyIs(key, Qt::Key_F4, Qt::ShiftModifier) || keyIs(key, Qt::Key_F, Qt::ControlModifier)) {
        openCopyDialog(kFrequencyCopy);
        return true;
    }
    if (keyIs(key, Qt::Key_F5, Qt::ShiftModifier) || keyIs(key, Qt::Key_Q, Qt::ControlModifier)) {
        openCopyDialog(kQtDqtCopy);
        return true;
    }
    if (keyIs(key, Qt::Key_Escape, Qt::NoModifier)) {
        requestClose();
        return true;
    }
    return false;
}

void CChEditView::openCopyDialog(int which) {
    if (which == kChannelCopy && form_.canOpenChannelCopy()) {
        ChannelCopyDialog(window()).exec();
        refreshAllChannelWindows();
    } else if (which == kFrequencyCopy && form_.canOpenFrequencyCopy()) {
        FrequencyCopyDialog(window()).exec();
        showChannel();
    } else if (which == kQtDqtCopy && form_.canOpenQtDqtCopy()) {
        channelEditorState().copyOpenedFromEdit = true;
        QtDqtCopyDialog(window()).exec();
        channelEditorState().copyOpenedFromEdit = false;
        refreshAllChannelWindows();
    }
}

} // namespace tsw::ui
