#include "link/ui/TransferDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
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
#include "link/ui/WriteReport.h"

namespace tsw::ui {

namespace {

constexpr int kDialogId = 166;
constexpr int kProgressId = 1176;
constexpr int kStartId = 1;
constexpr int kCancelId = 2;
constexpr int kHelpId = 9;

StringId phaseText(TransferPhase phase) {
    switch (phase) {
    case TransferPhase::Reading:
        return StrId::TransferPhaseReading;
    case TransferPhase::Writing:
        return StrId::TransferPhaseWriting;
    case TransferPhase::Verifying:
        return StrId::TransferPhaseVerifying;
    }
    return StrId::TransferPhaseWriting;
}

// The program's own data folder is not the user's after a system-wide install: backups then go
// to the user's application data folder.
std::string userDataFolder() {
    return toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

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
    phase_ = new QLabel(this);
    phase_->setObjectName(QStringLiteral("phase"));
    setPhase(reading_ ? TransferPhase::Reading : TransferPhase::Writing);
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
    layout->addWidget(phase_);
    layout->addWidget(bar_);
    layout->addLayout(buttonRow({start_, cancel_, help_}));
    setMinimumWidth(360);
}

void TransferDialog::setPhase(TransferPhase phase) {
    phase_->setText(uiText(phaseText(phase)));
    phase_->repaint();
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

// Writes the program's image; after a write that left the radio mixed, as often as the user
// asks, the image again or the radio's latest backup instead.
bool TransferDialog::runWrite() {
    auto& flags = link_.globals().flags;
    WriteRequest request{.verify = link_.globals().verifyAfterWrite};
    std::optional<FoundBackup> backup; // set once the user chose to write it
    while (true) {
        flags.transferRunning = true;
        const WriteOutcome outcome = transfer_.writeImageToRadio(*this, request);
        flags.transferRunning = false;
        // Also after a port that would not open: a flag left set would lock the next dialog.
        flags.writingToRadio = false;
        lastOutcome_ = outcome;
        const RadioImage& written = backup ? backup->image : link_.globals().image;
        switch (outcome) {
        case WriteOutcome::Written:
        case WriteOutcome::Verified:
            reportWritten(outcome == WriteOutcome::Verified, backup);
            return true;
        case WriteOutcome::VerifyFailed:
            reportVerifyFailure(written);
            return false;
        case WriteOutcome::NotVerified:
            link_.prompter().ask(errorPrompt(StrId::WriteNotVerified, link_.texts()));
            return false;
        case WriteOutcome::Unchanged:
            return false;
        case WriteOutcome::PartlyWritten:
            break;
        }
        const auto found = latestReadBackup(link_.globals().dataDirectory, userDataFolder(),
                                            {link_.radioModelCode, transfer_.radioSerial()});
        switch (afterPartialWrite(link_.prompter().ask(partialWritePrompt(found, link_.texts())))) {
        case AfterPartialWrite::Leave:
            return false;
        case AfterPartialWrite::WriteBackup:
            backup = found;
            request.image = &backup->image;
            break;
        case AfterPartialWrite::WriteAgain:
            break;
        }
    }
}

void TransferDialog::reportWritten(bool verified, const std::optional<FoundBackup>& backup) {
    auto& flags = link_.globals().flags;
    discardPendingInput();
    Prompt p;
    p.textId = backup ? StrId::BackupWritten : StrId::WriteComplete;
    p.text = backup ? fillTemplate(link_.text(StrId::BackupWritten), {backupTimeText(backup->when)})
                    : link_.text(StrId::WriteComplete);
    if (verified)
        p.text += "\n" + link_.text(StrId::VerifyPassed);
    p.icon = PromptIcon::Information;
    link_.prompter().ask(p);
    clearTransferFlags(flags);
    // The radio now holds the image's test frequencies (not so after writing a backup).
    if (!backup)
        flags.testFrequencyInUse = false;
}

// Lists the fields the radio holds otherwise and keeps what it holds as a file of its own.
void TransferDialog::reportVerifyFailure(const RadioImage& written) {
    const VerifyResult& verify = transfer_.verifyResult();
    const ReadBackupResult saved =
        saveReadBackup(link_.globals().dataDirectory, userDataFolder(),
                       {link_.radioModelCode, transfer_.radioSerial()}, verify.readBack,
                       localDateTimeNow(), kReadBackFolder);
    readBackPath_ = fromStd(saved.path);
    const std::string savedText =
        saved ? fillTemplate(link_.text(StrId::ReadBackSaved), {saved.path})
              : fillTemplate(link_.text(StrId::ReadBackNotSaved), {saved.failureText()});
    discardPendingInput();
    link_.prompter().ask(verifyFailedPrompt(written, verify, savedText, link_.texts()));
}

bool TransferDialog::runRead() {
    auto& flags = link_.globals().flags;
    flags.transferRunning = true;
    const bool read = transfer_.readImageFromRadio(*this);
    if (read) {
        discardPendingInput();
        if (!keepImage_) {
            inform(StrId::ReadComplete);
            applySuccessfulRead(link_.globals(), transfer_.receiveBuffer(), windows_);
        }
        keepBackup();
    }
    flags.readingFromRadio = false;
    flags.transferRunning = false;
    return read;
}

void TransferDialog::keepBackup() {
    RadioImage read;
    read.copyFrom(transfer_.receiveBuffer());
    const ReadBackupResult saved =
        saveReadBackup(link_.globals().dataDirectory, userDataFolder(),
                       {link_.radioModelCode, transfer_.radioSerial()}, read, localDateTimeNow());
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
