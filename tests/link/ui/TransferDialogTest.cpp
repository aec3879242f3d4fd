// Read from Radio and Write to Radio against the simulated radio on COM1: through the
// program's menu after a start-up whose settings map COM1 to the simulator, then through the
// commands alone for the refusal, a fault with Retry and Cancel, a data directory nobody can
// write (the backup goes to the user's data folder), the Cancel button, the check after
// writing, and a write that fails part way.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/TextTemplate.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/MainWindow.h"
#include "app/ui/StatusPanes.h"
#include "app/ui/main/Application.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "fields/ui/FindingsList.h"
#include "fields/ui/WriteCheck.h"
#include "link/ReadBackup.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/ProgressBar.h"
#include "link/ui/TransferDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::TransferDialog;

namespace {

namespace fs = std::filesystem;

// What the radio holds: the default image with channel 3 in use and a message of its own.
RadioImage radioMemory() {
    RadioImage m = defaultRadioImage();
    m.setByte(layout::channelOffset(2), 0x05);
    m.setByte(layout::kMessageLine1, 'R');
    m.setByte(0x350, 0x42); // a tuning byte: never written by the program
    return m;
}

// What the program holds: the default image with a message of its own.
RadioImage programImage() {
    RadioImage m = defaultRadioImage();
    m.setByte(layout::kMessageLine1, 'P');
    m.setByte(layout::channelOffset(1) + layout::kChFlags12, 0x01); // compander on
    return m;
}

// Watches a transfer while it runs: its buttons must be off and a close attempt refused.
struct MidTransfer {
    bool seen = false;
    bool buttonsEnabled = true;
    bool closedMidway = false;
    QTimer timer;
    MidTransfer() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (seen || !d || !d->running() || d->progressBar()->pos() < 300)
                return;
            seen = true;
            buttonsEnabled = d->startButton()->isEnabled() || d->cancelButton()->isEnabled() ||
                             d->helpButton()->isEnabled();
            d->close();
            d->reject();
            closedMidway = !d->isVisible();
            screenshot(d, d->reading() ? "transfer-read" : "transfer-write");
        });
        timer.start();
    }
};

// The phase texts a transfer dialog shows while it runs.
struct PhaseWatch {
    QStringList seen;
    QTimer timer;
    PhaseWatch() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (d && (seen.isEmpty() || seen.back() != d->phaseLabel()->text()))
                seen << d->phaseLabel()->text();
        });
        timer.start();
    }
};

// Start in the transfer dialog, then OK on the message that follows.
void startThenOk(DialogScript& script) {
    script.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); })
        .pressOnMessageBox(QMessageBox::Ok);
}

} // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readAndWriteThroughTheProgramMenu();
    void refusedWriteSendsNothing();
    void aFaultAsksRetryOrCancel();
    void aDataDirectoryNobodyCanWriteLeavesTheBackupWithTheUser();
    void cancelSendsNothingAndTheFieldBeingEditedCountsFirst();
    void aCheckThatFailsNamesTheFieldAndKeepsWhatTheRadioHolds();
    void withoutTheCheckNothingIsReadBack();
    void theSetupMenuSwitchesTheCheckAndTheSettingsKeepIt_data();
    void theSetupMenuSwitchesTheCheckAndTheSettingsKeepIt();
    void aWriteThatFailsPartWaySaysTheRadioIsMixed_data();
    void aWriteThatFailsPartWaySaysTheRadioIsMixed();
    void theCheckBeforeWritingListsItsFindingsFirst();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
    fs::path log_;
};

void TransferDialogTest::initTestCase() {
    QVERIFY(loadTestLanguage(2));
    // The commands and the channel table as the program has them (it links them whole).
    ui::registerCommand(cmd::ReadFromRadio, ui::runReadFromRadio);
    ui::registerCommand(cmd::WriteToRadio, ui::runWriteToRadio);
    ui::registerEditor(cmd::ChannelInformation, [] { return new ui::ChannelInfoView; });
}

void TransferDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    log_ = dir_->file("radio.log");
    globals().dataDirectory = (dir_->path() / "data").string() + "/";
    globals().currentFileName = "before.dat";
    setProgramImage(programImage());
}

void TransferDialogTest::readAndWriteThroughTheProgramMenu() {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory());
    TempSettingsHome home;
    home.writeIni(
        QStringLiteral("[Backup]\nLanguage=2\nComPort=1\nDirectry=%1/\n[Ports]\nCOM1=%2\n")
            .arg(QString::fromStdString(dir_->file("data").string()),
                 QString::fromStdString(radio.port())));
    ui::Application app(testStartOptions());
    QVERIFY(app.initInstance());
    app.skipSettingsAtExit();
    ui::MainWindow* frame = app.mainWindow();
    QTRY_VERIFY(frame->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(frame->statusPanes()->portPane()->text(), QString("COM1"));
    // A guarded pointer: the reopened table may be built where the closed one stood.
    const QPointer<ui::EditorForm> tableBefore = frame->openEditorOf(cmd::ChannelInformation);

    // Read from Radio: the image becomes the radio's, the channel table reopens on it, and
    // what the radio held is kept as a backup in the data directory.
    DialogScript read;
    startThenOk(read);
    MidTransfer midRead;
    frame->action(cmd::ReadFromRadio)->trigger();
    QVERIFY(read.done());
    QCOMPARE(read.messages().at(0).text, uiText(StrId::ReadComplete));
    QCOMPARE(read.messages().at(0).icon, QMessageBox::Information);
    QVERIFY(midRead.seen && !midRead.buttonsEnabled && !midRead.closedMidway);
    RadioImage expected = radioMemory();
    expected.setByte(layout::kBitmapA, expected.byte(layout::kBitmapA) | 0x04); // channel 3
    QVERIFY(differingOffsets(globals().image, expected).empty());
    QVERIFY(!hasUnsavedChanges(globals()));
    QCOMPARE(globals().currentFileName, std::string("tsw62m.dat"));
    QTRY_VERIFY(frame->openEditorOf(cmd::ChannelInformation) && !tableBefore);
    const fs::path backups = readBackupFolder(globals().dataDirectory);
    QCOMPARE(std::distance(fs::directory_iterator(backups), fs::directory_iterator()), 1);
    const fs::path backup = fs::directory_iterator(backups)->path();
    QVERIFY(backup.filename().string().starts_with("H5520_"));
    QVERIFY(RadioSim::readImageFile(backup) == radioMemory());

    // Write to Radio: a change in the program reaches the radio's memory, and only there.
    // Channel 3's receive frequency (05 31 60 44) lies on no channel step: the check before
    // writing lists it, and the write goes on when asked to.
    globals().image.setByte(layout::kMessageLine1, 'W');
    globals().image.setByte(0x350, 0x99);
    globals().flags.testFrequencyInUse = true;
    // The check after writing is on unless the settings turn it off: the radio is read back.
    QVERIFY(frame->action(cmd::VerifyAfterWriting)->isChecked());
    DialogScript write;
    write.on<ui::WriteCheckDialog>([](ui::WriteCheckDialog* d) {
        QCOMPARE(d->list()->cellText(0, 1), QStringLiteral("Channel 3 / RX Frequency [MHz]"));
        d->writeButton()->click();
    });
    startThenOk(write);
    MidTransfer midWrite;
    PhaseWatch phases;
    frame->action(cmd::WriteToRadio)->trigger();
    QVERIFY(write.done());
    QCOMPARE(write.messages().at(0).text,
             uiText(StrId::WriteComplete) + "\n" + uiText(StrId::VerifyPassed));
    QCOMPARE(phases.seen, QStringList({uiText(StrId::TransferPhaseWriting),
                                       uiText(StrId::TransferPhaseVerifying)}));
    QVERIFY(midWrite.seen && !midWrite.buttonsEnabled && !midWrite.closedMidway);
    QVERIFY(!globals().flags.testFrequencyInUse);
    QVERIFY(!globals().flags.writeRequested && !globals().flags.writingToRadio);
    radio.stop();
    QCOMPARE(radio.image().byte(layout::kMessageLine1), std::uint8_t{'W'});
    QCOMPARE(radio.image().byte(layout::channelOffset(2)), std::uint8_t{0x05});
    QCOMPARE(radio.image().byte(0x350), std::uint8_t{0x42});
}

void TransferDialogTest::refusedWriteSendsNothing() {
    shell_ = std::make_unique<RecordingShell>();
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    RadioImage image = programImage();
    image.setByte(layout::kFeatPttIdType, 1);   // signalling PTT ID ...
    image.setByte(layout::kCrewOwnFleet, 0xFF); // ... without a fleet number
    setProgramImage(image);
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Ok);
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    const MessageBoxRecord& box = script.messages().at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.caption, uiText(StrId::ErrorCaption));
    QCOMPARE(box.text, uiText(StrId::WriteRefusedMissingSettings) + "\n\"" +
                           uiText(StrId::CrewLinkOwnFleetLabel) + "\"\n\"" +
                           uiText(StrId::CrewLinkOwnIdLabel) + "\"");
    QVERIFY(!globals().flags.writeRequested);
    radio.stop();
    QVERIFY(sentBursts(log_).empty());
}

void TransferDialogTest::aFaultAsksRetryOrCancel() {
    shell_ = std::make_unique<RecordingShell>();
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Retry}) {
        // The third frame gets no acknowledgement.
        TempDir dir;
        const auto log = dir.file("radio.log");
        RadioSim radio =
            RadioSim::withImage(dir, radioMemory(), {"--log", log.string(), "--fault-no-ack", "3"});
        mapCom1(radio.port());
        DialogScript script;
        script.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); })
            .pressOnMessageBox(answer);
        if (answer == QMessageBox::Retry)
            script.pressOnMessageBox(QMessageBox::Ok);
        ui::runReadFromRadio(*shell_);
        QVERIFY(script.done());
        const MessageBoxRecord& asked = script.messages().at(0);
        QCOMPARE(asked.text, uiText(StrId::RadioLinkFailed));
        QCOMPARE(asked.buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QCOMPARE(asked.icon, QMessageBox::Critical);
        if (answer == QMessageBox::Retry) {
            QCOMPARE(script.messages().at(1).text, uiText(StrId::ReadComplete));
            QCOMPARE(globals().image.byte(layout::kMessageLine1), std::uint8_t{'R'});
            continue;
        }
        // Cancel leaves the program as it was and releases the radio.
        QCOMPARE(script.messages().size(), std::size_t{1});
        QVERIFY(differingOffsets(globals().image, programImage()).empty());
        QCOMPARE(globals().currentFileName, std::string("before.dat"));
        QVERIFY(shell_->closeAllCount == 0 && shell_->posted.empty());
        QVERIFY(!fs::exists(readBackupFolder(globals().dataDirectory)));
        radio.stop();
        QCOMPARE(sentBursts(log).back(), std::string("45"));
    }
}

void TransferDialogTest::aDataDirectoryNobodyCanWriteLeavesTheBackupWithTheUser() {
    QStandardPaths::setTestModeEnabled(true); // under ~/.qttest, not the user's own data
    const fs::path userData =
        ui::toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const fs::path userBackups = readBackupFolder(userData.string());
    fs::remove_all(userData);
    shell_ = std::make_unique<RecordingShell>();
    RadioSim radio = radioOnCom1(*dir_, radioMemory());
    // A folder below a regular file cannot be made, not even by root.
    writeText(dir_->file("plain"), "not a folder");
    globals().dataDirectory = (dir_->file("plain") / "DATA").string() + "/";
    DialogScript script;
    startThenOk(script);
    ui::runReadFromRadio(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text, uiText(StrId::ReadComplete));
    QCOMPARE(script.unexpected(), 0); // no failure message
    QVERIFY(fs::is_directory(userBackups));
    QCOMPARE(std::distance(fs::directory_iterator(userBackups), fs::directory_iterator()), 1);
    QVERIFY(RadioSim::readImageFile(fs::directory_iterator(userBackups)->path()) == radioMemory());
    fs::remove_all(userData);
}

void TransferDialogTest::cancelSendsNothingAndTheFieldBeingEditedCountsFirst() {
    shell_ = std::make_unique<RecordingShell>();
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    // The image lacks the fleet number that the signalling PTT ID needs; the field being
    // edited supplies it when it loses the focus, so the write is not refused.
    RadioImage image = programImage();
    image.setByte(layout::kFeatPttIdType, 1);
    image.setByte(layout::kCrewOwnFleet, 0xFF);
    setProgramImage(image);
    QLineEdit field;
    connect(&field, &QLineEdit::editingFinished,
            [] { globals().image.setByte(layout::kCrewOwnFleet, 5); });
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QApplication::setActiveWindow(&field);
    field.setFocus();
    QTRY_VERIFY(field.hasFocus());
    QTest::keyClicks(&field, "5"); // typed, not yet committed

    RecordingHelp help;
    DialogScript script;
    script.on<TransferDialog>([](TransferDialog* d) {
        d->helpButton()->click();
        d->cancelButton()->click();
    });
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    QVERIFY(script.messages().empty());
    QCOMPARE(globals().image.byte(layout::kCrewOwnFleet), std::uint8_t{5});
    QCOMPARE(help.opened, std::vector<int>{cmd::WriteToRadio});
    radio.stop();
    QVERIFY(sentBursts(log_).empty());
}

void TransferDialogTest::aCheckThatFailsNamesTheFieldAndKeepsWhatTheRadioHolds() {
    shell_ = std::make_unique<RecordingShell>();
    // The radio keeps the second digit of the DTMF ID code ("000") with its low bit flipped.
    RadioSim radio = radioOnCom1(*dir_, radioMemory(), {"--fault-store", "0x121"});
    globals().verifyAfterWrite = true;
    DialogScript script;
    startThenOk(script);
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    const MessageBoxRecord& box = script.messages().at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.caption, uiText(StrId::ErrorCaption));
    const QStringList lines = box.text.split('\n');
    QCOMPARE(lines.at(0), uiText(StrId::VerifyFailedHeading));
    QCOMPARE(lines.at(1), QString("Verify failed: DTMF / ID Code: written \"000\", radio holds "
                                  "\"010\""));
    QCOMPARE(lines.at(2), QString());
    // What the radio holds is kept in the data directory's Verify folder, named in the message.
    const fs::path kept = readBackupFolder(globals().dataDirectory, kReadBackFolder);
    QCOMPARE(std::distance(fs::directory_iterator(kept), fs::directory_iterator()), 1);
    const fs::path file = fs::directory_iterator(kept)->path();
    QVERIFY(file.filename().string().starts_with("H5520_S5520-000001_"));
    QVERIFY(box.text.endsWith(QString::fromStdString(file.string())));
    // It is not a backup, and the program's data stay as they were.
    QVERIFY(!fs::exists(readBackupFolder(globals().dataDirectory)));
    QVERIFY(differingOffsets(globals().image, programImage()).empty());
    radio.stop();
    QVERIFY(RadioSim::readImageFile(file) == radio.image());
    QCOMPARE(radio.image().byte(0x121), std::uint8_t{'1'});
}

void TransferDialogTest::withoutTheCheckNothingIsReadBack() {
    shell_ = std::make_unique<RecordingShell>();
    RadioSim radio = radioOnCom1(*dir_, radioMemory());
    globals().verifyAfterWrite = false;
    DialogScript script;
    startThenOk(script);
    PhaseWatch phases;
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    globals().verifyAfterWrite = true;
    QCOMPARE(script.messages().at(0).text, uiText(StrId::WriteComplete));
    QCOMPARE(phases.seen, QStringList({uiText(StrId::TransferPhaseWriting)}));
    radio.stop();
    for (const std::string& burst : sentBursts(dir_->file("radio.log")))
        QVERIFY2(!burst.starts_with("52 "), burst.c_str()); // no read frame
}

void TransferDialogTest::theSetupMenuSwitchesTheCheckAndTheSettingsKeepIt_data() {
    QTest::addColumn<QString>("section"); // what the settings file holds
    QTest::addColumn<bool>("on");         // at start-up
    QTest::newRow("absent") << "" << true;
    QTest::newRow("off") << "[Transfer]\nVerifyAfterWrite=0\n" << false;
    QTest::newRow("on, section name in another case") << "[transfer]\nVerifyAfterWrite=1\n" << true;
    QTest::newRow("damaged") << "[Transfer]\nVerifyAfterWrite=no\n" << true;
}

void TransferDialogTest::theSetupMenuSwitchesTheCheckAndTheSettingsKeepIt() {
    QFETCH(QString, section);
    QFETCH(bool, on);
    TempSettingsHome home;
    home.writeIni("[Backup]\nLanguage=2\n" + section);
    ui::Application app(testStartOptions());
    QVERIFY(app.initInstance());
    app.skipSettingsAtExit();
    QAction* verify = app.mainWindow()->action(cmd::VerifyAfterWriting);
    QVERIFY(verify && verify->isCheckable());
    QVERIFY(app.mainWindow()->menu(MenuId::Setup)->actions().contains(verify));
    QCOMPARE(verify->text(), uiText(StrId::MenuVerifyAfterWriting));
    QCOMPARE(verify->isChecked(), on);
    QCOMPARE(globals().verifyAfterWrite, on);
    for (const bool next : {!on, on}) {
        verify->trigger();
        QCOMPARE(verify->isChecked(), next);
        QCOMPARE(globals().verifyAfterWrite, next);
        QCOMPARE(settings::readVerifyAfterWrite(app.settings()), next); // kept at once
    }
    globals().verifyAfterWrite = true;
}

void TransferDialogTest::aWriteThatFailsPartWaySaysTheRadioIsMixed_data() {
    QTest::addColumn<QString>("refusedFrame"); // the radio answers this write frame with NAK
    QTest::addColumn<bool>("backupKept");      // a backup of this radio is in the data directory
    QTest::addColumn<int>("answer");           // to the question after the write
    QTest::addColumn<int>("written");          // 0 radio as before, 1 the program's, 2 the backup
    QTest::newRow("first frame refused: nothing taken, nothing asked")
        << "1" << true << int(QMessageBox::NoButton) << 0;
    QTest::newRow("fifth frame refused, cancelled")
        << "5" << false << int(QMessageBox::Cancel) << 0;
    QTest::newRow("fifth frame refused, written again")
        << "5" << false << int(QMessageBox::Ok) << 1;
    QTest::newRow("fifth frame refused, the backup written")
        << "5" << true << int(QMessageBox::No) << 2;
}

void TransferDialogTest::aWriteThatFailsPartWaySaysTheRadioIsMixed() {
    QFETCH(QString, refusedFrame);
    QFETCH(bool, backupKept);
    QFETCH(int, answer);
    QFETCH(int, written);
    QStandardPaths::setTestModeEnabled(true); // the user's own backups take no part
    fs::remove_all(ui::toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    shell_ = std::make_unique<RecordingShell>();
    RadioSim radio = radioOnCom1(*dir_, radioMemory(), {"--fault-nak", refusedFrame.toStdString()});
    globals().verifyAfterWrite = false;
    RadioImage backup = radioMemory();
    backup.setByte(layout::kMessageLine1, 'B');
    const LocalDateTime readAt{2026, 5, 4, 3, 2, 1};
    std::string backupPath;
    if (backupKept)
        backupPath =
            saveReadBackup(globals().dataDirectory, "", {"H5520", "S5520-000001"}, backup, readAt)
                .path;

    DialogScript script;
    script.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); })
        .pressOnMessageBox(QMessageBox::Cancel); // the Retry question
    if (answer != QMessageBox::NoButton)
        script.pressOnMessageBox(QMessageBox::StandardButton(answer));
    if (written != 0)
        script.pressOnMessageBox(QMessageBox::Ok);
    ui::runWriteToRadio(*shell_);
    globals().verifyAfterWrite = true;
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text, uiText(StrId::RadioLinkFailed));
    if (answer == QMessageBox::NoButton) {
        QCOMPARE(script.messages().size(), std::size_t{1});
    } else {
        const MessageBoxRecord& asked = script.messages().at(1);
        QVERIFY(asked.text.startsWith(uiText(StrId::WriteLeftRadioMixed) + "\n\n"));
        QVERIFY(asked.buttonTexts.contains(uiText(StrId::WriteAgainButton)));
        if (backupKept) {
            QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QVERIFY(asked.buttonTexts.contains(uiText(StrId::WriteBackupButton)));
            QVERIFY(asked.text.contains("2026-05-04 03:02:01"));
            QVERIFY(asked.text.contains(QString::fromStdString(backupPath)));
        } else {
            QCOMPARE(asked.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QVERIFY(asked.text.endsWith(uiText(StrId::WriteAgainQuestion)));
        }
    }
    if (written == 2)
        QCOMPARE(script.messages().back().text,
                 ui::fromStd(fillTemplate(ui::toStd(uiText(StrId::BackupWritten)),
                                          {"2026-05-04 03:02:01"})));
    radio.stop();
    const std::uint8_t message = radio.image().byte(layout::kMessageLine1);
    QCOMPARE(message, written == 2   ? std::uint8_t{'B'}
                      : written == 1 ? std::uint8_t{'P'}
                                     : std::uint8_t{'R'});
    QVERIFY(differingOffsets(globals().image, programImage()).empty());
}

// Check Configuration runs before the transfer: with errors Enter cancels (the default) and
// nothing goes to the radio; with warnings only OK goes on to the transfer.
void TransferDialogTest::theCheckBeforeWritingListsItsFindingsFirst() {
    shell_ = std::make_unique<RecordingShell>();
    ui::resetAcknowledgedWarnings();
    RadioImage image = programImage();
    image.setByte(layout::kFeatMicSensitivity, 9); // no entry of its list: an error
    setProgramImage(image);
    {
        RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
        mapCom1(radio.port());
        DialogScript script;
        script.on<ui::WriteCheckDialog>([](ui::WriteCheckDialog* d) {
            QVERIFY(d->hasErrors());
            QVERIFY(d->cancelButton()->isDefault());
            QTest::keyClick(d->list(), Qt::Key_Return);
        });
        ui::runWriteToRadio(*shell_);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(!globals().flags.writeRequested);
        radio.stop();
        QVERIFY(sentBursts(log_).empty());
    }
    image.setByte(layout::kFeatMicSensitivity, 0);
    for (std::size_t i = 0; i < 4; ++i) // channel 8 receives only: a warning
        image.setByte(layout::channelOffset(7) + layout::kChTxFreq + i, 0xFF);
    setProgramImage(image);
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    DialogScript script;
    script.on<ui::WriteCheckDialog>([](ui::WriteCheckDialog* d) {
        QVERIFY(!d->hasErrors());
        QVERIFY(d->writeButton()->isDefault());
        d->writeButton()->click();
    });
    startThenOk(script);
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text,
             uiText(StrId::WriteComplete) + "\n" + uiText(StrId::VerifyPassed));
    radio.stop();
    QCOMPARE(radio.image().byte(layout::channelOffset(7) + layout::kChTxFreq), std::uint8_t{0xFF});
}

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
