#include "editors/channel/ui/CopyDialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/ToneList.h"

namespace tsw::ui {

namespace {

QLabel* makeLabel(QWidget* parent, int id, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    setControlId(label, id);
    return label;
}

// Left and Right arrows move the focus along a row of buttons.
bool moveAlongButtons(QObject* watched, const QKeyEvent& key,
                      std::initializer_list<QPushButton*> buttons) {
    if (key.key() != Qt::Key_Left && key.key() != Qt::Key_Right)
        return false;
    const std::vector<QPushButton*> row(buttons);
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (row[i] != watched)
            continue;
        const std::size_t next =
            key.key() == Qt::Key_Right ? (i + 1) % row.size() : (i + row.size() - 1) % row.size();
        row[next]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

} // namespace

// ---- Channel Copy ----------------------------------------------------------------------------

ChannelCopyDialog::ChannelCopyDialog(QWidget* parent)
    : QDialog(parent), form_(globals().image, channelEditorState()) {
    setWindowTitle(uiText(StrId::TitleChannelCopy));
    setHelpContext(this, kDestinationId); // the dialog's help topic is its edit box's
    source_ = makeLabel(this, kSourceId, QString::fromStdString(form_.sourceText()));
    destination_ = new FilterEdit(this);
    destination_->setMode(filter::Digits);
    destination_->setMaxLength(ChannelCopyForm::kDestinationTextMax);
    destination_->setText(QString::fromStdString(form_.destinationText()));
    setControlId(destination_, kDestinationId);
    spin_ = new SpinButtons(this);
    spin_->setBuddy(destination_);
    setControlId(spin_, kSpinId);
    copy_ = makeButton(this, kCopyButtonId, StrId::CopyButton);
    close_ = makeButton(this, 2, StrId::CloseButton);
    help_ = makeButton(this, kHelpButtonId, StrId::HelpButton);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(this, 1307, uiText(StrId::ChannelLabel)), 0, 0);
    grid->addWidget(source_, 0, 1);
    grid->addWidget(makeLabel(this, 1308, uiText(StrId::CopyToChannelLabel)), 1, 0);
    grid->addLayout(boxWithSpin(destination_, spin_), 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({copy_, close_, help_}));

    connect(copy_, &QPushButton::clicked, this, &ChannelCopyDialog::copy);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [] { showHelp(kDestinationId); });
    connect(destination_, &QLineEdit::editingFinished, this, [this] {
        std::string typed = destination_->text().toStdString();
        form_.commitDestination(typed);
        destination_->setText(QString::fromStdString(typed));
    });
    connect(spin_, &SpinButtons::stepped, this, [this](int, int direction) {
        const std::string typed = destination_->text().toStdString();
        destination_->setText(QString::fromStdString(form_.stepDestination(typed, direction)));
    });
    for (QWidget* w : {static_cast<QWidget*>(destination_), static_cast<QWidget*>(copy_),
                       static_cast<QWidget*>(close_), static_cast<QWidget*>(help_)})
        w->installEventFilter(this);
    destination_->setFocus();
    destination_->selectAll();
}

void ChannelCopyDialog::copy() {
    std::string typed = destination_->text().toStdString();
    form_.commitDestination(typed);
    destination_->setText(QString::fromStdString(typed));
    const int result = form_.copy();
    if (result == 1) {
        recordUndoStep(StepLabel{StrId::TitleChannelCopy});
        refreshAllChannelWindows();
        if (ChannelInfoView* info = channelInfoView())
            info->showRow(form_.destination());
    } else if (result == 0) {
        shell().prompt().ask(errorPrompt(StrId::ChannelMemoryFull));
    }
    destination_->setFocus();
    destination_->selectAll();
}

bool ChannelCopyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == destination_ && isEnterKey(key)) {
        copy();
        return true;
    }
    return moveAlongButtons(watched, key, {copy_, close_, help_});
}

// ---- Frequency Copy --------------------------------------------------------------------------

FrequencyCopyDialog::FrequencyCopyDialog(QWidget* parent)
    : QDialog(parent), form_(globals().image, channelEditorState(), globals().narrowStepsOnly) {
    setWindowTitle(uiText(StrId::TitleFrequencyCopy));
    setHelpContext(this, kTemplate);
    const QString receive = QString::fromStdString(form_.receiveText());
    auto* shown = new QLineEdit(receive, this);
    shown->setReadOnly(true);
    setControlId(shown, kReceiveTextId);
    edit_ = new FilterEdit(this);
    edit_->setMode(filter::Decimal);
    edit_->setMaxLength(FrequencyCopyForm::kEditTextMax);
    edit_->setText(receive);
    setControlId(edit_, kEditId);
    ok_ = makeButton(this, kOkButtonId, StrId::Ok);
    ok_->setDefault(true);
    auto* cancel = makeButton(this, 2, StrId::Cancel);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(this, 1313, uiText(StrId::FrequencyCopyRxLabel)), 0, 0);
    grid->addWidget(shown, 0, 1);
    grid->addWidget(makeLabel(this, 1314, uiText(StrId::FrequencyCopyTxLabel)), 1, 0);
    grid->addWidget(edit_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({ok_, cancel, help}));

    connect(ok_, &QPushButton::clicked, this, &FrequencyCopyDialog::commit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(kTemplate); });
    edit_->setFocus();
    edit_->selectAll();
}

void FrequencyCopyDialog::commit() {
    form_.commit(edit_->text().toStdString());
    refreshChannelRow(channelEditorState().selectedChannel);
    accept();
}

// ---- QT/DQT Copy -----------------------------------------------------------------------------

QtDqtCopyDialog::QtDqtCopyDialog(QWidget* parent)
    : QDialog(parent), form_(globals().image, channelEditorState()) {
    setWindowTitle(uiText(StrId::QtDqtHeader));
    setHelpContext(this, kTemplate);
    auto* decode = makeLabel(this, kDecodeTextId, QString::fromStdString(form_.decodeToneText()));
    list_ = new QComboBox(this);
    makeToneList(list_);
    setControlId(list_, kToneListId);
    setListEntries(list_, form_.toneListEntries());
    showToneInList(list_, form_.encodeEntryIndex(), QString::fromStdString(form_.encodeToneText()));
    ok_ = makeButton(this, kOkButtonId, StrId::Ok);
    close_ = makeButton(this, 2, StrId::CloseButton);
    help_ = makeButton(this, kHelpButtonId, StrId::HelpButton);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(this, 1316, uiText(StrId::DecodeToneLabel)), 0, 0);
    grid->addWidget(decode, 0, 1);
    grid->addWidget(makeLabel(this, 1318, uiText(StrId::EncodeToneLabel)), 1, 0);
    grid->addWidget(list_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({ok_, close_, help_}));

    connect(ok_, &QPushButton::clicked, this, &QtDqtCopyDialog::commit);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [] { showHelp(kTemplate); });
    for (QWidget* w : {static_cast<QWidget*>(list_), static_cast<QWidget*>(ok_),
                       static_cast<QWidget*>(close_), static_cast<QWidget*>(help_)})
        w->installEventFilter(this);
    list_->setFocus();
}

void QtDqtCopyDialog::commit() {
    form_.commit(list_->currentText().toStdString());
    refreshChannelRow(channelEditorState().selectedChannel);
    if (channelEditorState().copyOpenedFromEdit)
        refreshAllChannelWindows();
    showSelectedChannelInEditWindow();
    accept();
}

bool QtDqtCopyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusIn)
        listHadFocus_ = true;
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isEnterKey(key) && listHadFocus_ && (watched == list_ || watched == ok_)) {
        commit();
        return true;
    }
    return moveAlongButtons(watched, key, {ok_, close_, help_});
}

} // namespace tsw::ui
