// Read from Radio and Write to Radio against the simulated radio on COM1: through the
// program's menu after a start-up whose settings map COM1 to the simulator, then through the
// commands alone for the refusal, a fault with Retry and Cancel, a data directory nobody can
// write (the backup goes to the user's data folder), and the Cancel button.

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/Application.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/MainWindow.h"
#include "app/ui/StatusPanes.h"
#include "editors/channel/ui/ChannelInfoView.h"
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
    m.setByte(layout::channelOffset(1) + 4, 0x12);
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
    globals().image.setByte(layout::kMessageLine1, 'W');
    globals().image.setByte(0x350, 0x99);
    globals().flags.testFrequencyInUse = true;
    DialogScript write;
    startThenOk(write);
    MidTransfer midWrite;
    frame->action(cmd::WriteToRadio)->trigger();
    QVERIFY(write.done());
    QCOMPARE(write.messages().at(0).text, uiText(StrId::WriteComplete));
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

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
