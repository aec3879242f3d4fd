#include "link/ui/TransferDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "link/ReadBackup.h"
#include "link/ui/GuiClock.h"
#include "link/ui/ProgressBar.h"

namespace tsw::ui {

namespace {

constexpr int kDialogId = 166;
constexpr int kProgressId = 1176;
constexpr int kStartId = 1;
constexpr int kCancelId = 2;
constexpr int kHelpId = 9;

} // namespace

TransferDialog::TransferDialog(SerialLink& link, ImageWindows& windows, QWidget* parent)
    : QDialog(parent), link_(link), windows_(windows), transfer_(link) {
    auto& flags = link_.globals().flags;
    reading_ = flags.readRequested;
    setUpDialog(this, reading_ ? cmd::ReadFromRadio : cmd::WriteToRadio);
    createControls();

    flags.ackMissing = false;
    flags.tuningModeActive = false;
    enableButtons(true);
    setWindowTitle(plainText(reading_ ? StrId::TransferReadCaption : StrId::TransferWriteCaption));
    if (flags.readingFromRadio || flags.writingToRadio) {
        // A transfer is under way already: this dialog can neither start nor be closed.
        enableButtons(false);
        closeLocked_ = true;
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
}

void TransferDialog::createControls() {
    bar_ = new ProgressBar(this);
    setControlId(bar_, kProgressId);
    start_ = new QPushButton(uiText(StrId::Ok), this);
    cancel_ = new QPushButton(uiText(StrId::Cancel), this);
    help_ = new QPushButton(uiText(StrId::HelpButton), this);
    start_->setObjectName(QStringLiteral("button%1").arg(kStartId));
    cancel_->setObjectName(QStringLiteral("button%1").arg(kCancelId));
    help_->setObjectName(QStringLiteral("button%1").arg(kHelpId));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &TransferDialog::start);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
    connect(help_, &QPushButton::clicked, this,
            [this] { showHelp(reading_ ? cmd::ReadFromRadio : cmd::WriteToRadio); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(buttonRow({start_, cancel_, help_}));
    setMinimumWidth(360);
}

void TransferDialog::setProgressRange(int minimum, int maximum) {
    bar_->setRange(minimum, maximum);
}

void TransferDialog::setProgressPos(int position) {
    bar_->setPos(position);
}

void TransferDialog::enableButtons(bool enabled) {
    start_->setEnabled(enabled);
    cancel_->setEnabled(enabled);
    help_->setEnabled(enabled);
}

void TransferDialog::repaintNow() {
    repaint();
    if (QWidget* main = shell().window())
        main->repaint();
}

void TransferDialog::inform(StringId text) {
    Prompt p;
    p.textId = text;
    p.text = link_.text(text);
    p.icon = PromptIcon::Information;
    link_.prompter().ask(p);
}

bool TransferDialog::runWrite() {
    auto& flags = link_.globals().flags;
    flags.transferRunning = true;
    const bool written = transfer_.writeImageToRadio(*this) == WriteOutcome::Written;
    flags.transferRunning = false;
    // Also after a port that would not open: a flag left set would lock the next dialog.
    flags.writingToRadio = false;
    if (!written)
        return false;
    discardPendingInput();
    inform(StrId::WriteComplete);
    clearTransferFlags(flags);
    // The radio now holds the image's test frequencies.
    flags.testFrequencyInUse = false;
    return true;
}

bool TransferDialog::runRead() {
    auto& flags = link_.globals().flags;
    flags.transferRunning = true;
    const bool read = transfer_.readImageFromRadio(*this);
    if (read) {
        discardPendingInput();
        inform(StrId::ReadComplete);
        applySuccessfulRead(link_.globals(), transfer_.receiveBuffer(), windows_);
        keepBackup();
    }
    flags.readingFromRadio = false;
    flags.transferRunning = false;
    return read;
}

void TransferDialog::keepBackup() {
    RadioImage read;
    read.copyFrom(transfer_.receiveBuffer());
    const auto& g = link_.globals();
    // The program's own data folder is not the user's after a system-wide install: the
    // backup then goes to the user's application data folder.
    const std::string fallback =
        toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const ReadBackupResult saved =
        saveReadBackup(g.dataDirectory, fallback, {link_.radioModelCode, transfer_.radioSerial()},
                       read, localDateTimeNow());
    if (saved) {
        backupPath_ = fromStd(saved.path);
        return;
    }
    Prompt p = textPrompt(StrId::ReadBackupFailed, StrId::ConfirmCaption, PromptIcon::Exclamation,
                          link_.texts());
    p.text = fillTemplate(p.text, {saved.failureText()});
    link_.prompter().ask(p);
}

void TransferDialog::start() {
    if (running_ || closeLocked_)
        return;
    running_ = true;
    enableButtons(false);
    auto& flags = link_.globals().flags;
    if (flags.writeRequested)
        succeeded_ = runWrite();
    if (flags.readRequested)
        succeeded_ = runRead();
    running_ = false;
    accept();
}

void TransferDialog::reject() {
    if (running_ || closeLocked_)
        return;
    QDialog::reject();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
    if (running_ || closeLocked_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace tsw::ui
