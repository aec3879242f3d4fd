#include "editors/channel/ui/ChannelEditView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/FormBuilder.h"
#include "app/ui/KeyTests.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

namespace {

enum CopyDialogKind { kChannelCopy, kFrequencyCopy, kQtDqtCopy };

// The window's fields in form order: label, control, spin, label text, kind.
constexpr FormRow kFields[] = {
    {1248, ChannelEditView::kChannelNumberId, ChannelEditView::kChannelSpinId, StrId::ChannelLabel,
     RowKind::Number},
    {1194, ChannelEditView::kReceiveListId, 0, StrId::RxFrequencyLabel, RowKind::List},
    {1196, ChannelEditView::kTransmitListId, 0, StrId::TxFrequencyLabel, RowKind::List},
    {1198, ChannelEditView::kDecodeListId, 0, StrId::DecodeToneLabel, RowKind::List},
    {1200, ChannelEditView::kEncodeListId, 0, StrId::EncodeToneLabel, RowKind::List},
    {ChannelEditView::kBeatShiftId, ChannelEditView::kBeatShiftId, 0, StrId::BeatShiftLabel,
     RowKind::Check},
    {1209, ChannelEditView::kBitmapBListId, 0, StrId::ScanAddLabel, RowKind::List},
    {ChannelEditView::kCompanderId, ChannelEditView::kCompanderId, 0, StrId::CompanderLabel,
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

ChannelEditView::ChannelEditView(QWidget* parent)
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

ChannelEditView::~ChannelEditView() {
    if (channelEditView() == this)
        setChannelEditView(nullptr);
}

void ChannelEditView::createFields() {
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

void ChannelEditView::connectFields() {
    connect(number_, &QLineEdit::editingFinished, this, &ChannelEditView::commitChannelNumber);
    connect(spin_, &SpinButtons::stepped, this, [this](int, int direction) {
        form_.stepChannel(direction);
        showChannel();
        refreshChannelRow(form_.channel());
    });
    for (QComboBox* list : {receive_, transmit_})
        connect(list, &QComboBox::activated, this, [this, list] { commitFrequency(list); });
    for (QComboBox* list : {decode_, encode_})
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { commitTone(list, list->itemText(index)); });
    connect(beatShift_, &QCheckBox::clicked, this,
            [this](bool on) { afterCommit(form_.setBeatShift(on)); });
    connect(compander_, &QCheckBox::clicked, this,
            [this](bool on) { afterCommit(form_.setCompander(on)); });
    connect(bitmapB_, &QComboBox::activated, this,
            [this](int index) { afterCommit(form_.commitBitmapB(index)); });
}

bool ChannelEditView::showImageAgain() {
    showChannel();
    return true;
}

void ChannelEditView::showChannel() {
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

void ChannelEditView::enableFields(bool used) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{transmit_, decode_, encode_, beatShift_, bitmapB_})
        w->setEnabled(used);
    receive_->setEnabled(true); // a frequency is how a channel comes into use
    compander_->setEnabled(form_.companderEnabled());
}

void ChannelEditView::showFrequency(QComboBox* list, const std::string& text) {
    const QSignalBlocker block(list);
    const int index = list->findText(fromStd(text));
    list->setCurrentIndex(index);
    if (index < 0)
        list->setEditText(fromStd(text));
    list->setProperty("shownText", fromStd(text));
}

void ChannelEditView::showTone(QComboBox* list, const std::string& text) {
    const int index = form_.fieldsEnabled() ? form_.toneEntryIndex(text) : -1;
    showToneInList(list, index, fromStd(text));
    list->setProperty("shownText", list->currentText());
}

void ChannelEditView::commitChannelNumber() {
    // Only a number the user typed: leaving the box unchanged keeps the table's selection.
    if (filling_ || !number_->isModified())
        return;
    number_->setModified(false);
    std::string text = number_->text().toStdString();
    form_.commitChannelNumber(text);
    showChannel();
    refreshChannelRow(form_.channel());
}

void ChannelEditView::commitFrequency(QComboBox* list) {
    if (filling_ || list->currentText() == list->property("shownText").toString())
        return;
    const std::string text = list->currentText().toStdString();
    afterCommit(list == receive_ ? form_.commitReceive(text) : form_.commitTransmit(text));
}

void ChannelEditView::commitTone(QComboBox* list, const QString& text) {
    if (filling_ || text == list->property("shownText").toString())
        return;
    const std::string entry = text.toStdString();
    afterCommit(list == decode_ ? form_.commitDecodeTone(entry) : form_.commitEncodeTone(entry));
}

void ChannelEditView::afterCommit(bool changed) {
    showChannel();
    if (changed)
        refreshChannelRow(form_.channel());
}

bool ChannelEditView::eventFilter(QObject* watched, QEvent* event) {
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

bool ChannelEditView::handleKey(const QKeyEvent& key) {
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

void ChannelEditView::openCopyDialog(int which) {
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
