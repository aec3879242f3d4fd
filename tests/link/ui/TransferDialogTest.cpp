// Read from Radio and Write to Radio against the simulated radio on COM1: the transfer dialog,
// its messages, the image after a read, the radio's memory after a write, refusals, retries.

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "editors/channel/ChannelEditorState.h"
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
    RadioImage m = defaultImage();
    m.setByte(layout::channelOffset(2), 0x05);
    m.setByte(layout::kMessageLine1, 'R');
    m.setByte(0x350, 0x42); // a tuning byte: never written by the program
    return m;
}

// What the program holds: the default image with a message of its own.
RadioImage programImage() {
    RadioImage m = defaultImage();
    m.setByte(layout::kMessageLine1, 'P');
    m.setByte(layout::channelOffset(1) + 4, 0x12);
    return m;
}

// Observes a transfer while it runs: the buttons, a close attempt and a screenshot.
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

ModalScript::Step pressStart(QString* caption = nullptr) {
    return postTo<TransferDialog>([caption](TransferDialog* d) {
        if (caption)
            *caption = d->windowTitle();
        d->startButton()->click();
    });
}

} // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readReplacesTheImageAndReopensTheChannelTable();
    void writeChangesTheRadioMemory();
    void refusedWriteSendsNothing();
    void faultAsksRetryAndRetryCompletes();
    void cancelAfterAFaultLeavesEverything();
    void cancelButtonSendsNothing();
    void writeCommitsTheFieldBeingEditedFirst();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
    fs::path log_;
};

void TransferDialogTest::initTestCase() {
    QVERIFY(loadEnglish());
}

void TransferDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    log_ = dir_->file("radio.log");
    globals().dataDirectory = (dir_->path() / "data").string() + "/";
    globals().currentFileName = "before.dat";
    setProgramImage(programImage());
    channelEditorState().selectedChannel = 5;
}

void TransferDialogTest::readReplacesTheImageAndReopensTheChannelTable() {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    QString caption;
    ModalScript script;
    script.then(pressStart(&caption)).then(script.press(QMessageBox::Ok));
    MidTransfer mid;
    ui::runReadFromRadio(*shell_);

    QVERIFY(script.done());
    QCOMPARE(caption, QString("Read from Radio"));
    QVERIFY(mid.seen);
    QVERIFY(!mid.buttonsEnabled);
    QVERIFY(!mid.closedMidway);
    QCOMPARE(script.boxes.at(0).text, langText(StrId::ReadComplete));
    QCOMPARE(script.boxes.at(0).caption, QString());
    QCOMPARE(script.boxes.at(0).icon, QMessageBox::Information);

    RadioImage expected = radioMemory();
    expected.setByte(layout::kBitmapA, expected.byte(layout::kBitmapA) | 0x04); // channel 3
    QVERIFY(differingOffsets(globals().image, expected).empty());
    QVERIFY(!hasUnsavedChanges(globals()));
    QCOMPARE(globals().currentFileName, std::string("tsw62m.dat"));
    QCOMPARE(channelEditorState().selectedChannel, 0);
    QCOMPARE(shell_->closeAllCount, 1);
    QCOMPARE(shell_->posted, std::vector<int>{cmd::ChannelInformation});
    QVERIFY(!globals().flags.readRequested && !globals().flags.readingFromRadio);

    // What the radio held is kept as a backup in the data directory.
    const fs::path backups = readBackupFolder(globals().dataDirectory);
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(backups))
        files.push_back(e.path());
    QCOMPARE(files.size(), std::size_t{1});
    QVERIFY(files[0].filename().string().starts_with("H5520_"));
    QVERIFY(differingOffsets(RadioSim::readImageFile(files[0]), radioMemory()).empty());
}

void TransferDialogTest::writeChangesTheRadioMemory() {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    globals().flags.testFrequencyInUse = true;
    QString caption;
    ModalScript script;
    script.then(pressStart(&caption)).then(script.press(QMessageBox::Ok));
    MidTransfer mid;
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    QCOMPARE(caption, QString("Write to Radio"));
    QVERIFY(mid.seen && !mid.buttonsEnabled && !mid.closedMidway);
    QCOMPARE(script.boxes.at(0).text, langText(StrId::WriteComplete));
    QVERIFY(!globals().flags.testFrequencyInUse);
    QVERIFY(!globals().flags.writeRequested && !globals().flags.writingToRadio);

    radio.stop();
    const RadioImage written = radio.image();
    const RadioImage program = programImage();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool writable = a < 0x180 || (a >= 0x1B8 && a < 0x340);
        QCOMPARE(written.byte(a), writable ? program.byte(a) : radioMemory().byte(a));
    }
    QCOMPARE(shell_->closeAllCount, 0); // a write leaves the windows alone
}

void TransferDialogTest::refusedWriteSendsNothing() {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    RadioImage image = programImage();
    image.setByte(layout::kFeatPttIdType, 1);   // signalling PTT ID ...
    image.setByte(layout::kCrewOwnFleet, 0xFF); // ... without a fleet number
    setProgramImage(image);
    ModalScript script;
    script.then(script.press(QMessageBox::Ok));
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    const MessageBoxRecord& box = script.boxes.at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.caption, langText(StrId::ErrorCaption));
    QCOMPARE(box.text, langText(StrId::WriteRefusedMissingSettings) + "\n\"" +
                           langText(StrId::CrewLinkOwnFleetLabel) + "\"\n\"" +
                           langText(StrId::CrewLinkOwnIdLabel) + "\"");
    QVERIFY(!globals().flags.writeRequested);
    radio.stop();
    QVERIFY(sentBursts(log_).empty());
}

void TransferDialogTest::faultAsksRetryAndRetryCompletes() {
    // The third frame gets no acknowledgement.
    RadioSim radio =
        RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string(), "--fault-no-ack", "3"});
    mapCom1(radio.port());
    ModalScript script;
    script.then(pressStart())
        .then(script.press(QMessageBox::Retry))
        .then(script.press(QMessageBox::Ok));
    ui::runReadFromRadio(*shell_);
    QVERIFY(script.done());
    const MessageBoxRecord& retry = script.boxes.at(0);
    QCOMPARE(retry.text, langText(StrId::RadioLinkFailed));
    QCOMPARE(retry.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(retry.icon, QMessageBox::Critical);
    QCOMPARE(script.boxes.at(1).text, langText(StrId::ReadComplete));
    QCOMPARE(globals().image.byte(layout::kMessageLine1), std::uint8_t{'R'});
}

void TransferDialogTest::cancelAfterAFaultLeavesEverything() {
    RadioSim radio =
        RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string(), "--fault-no-ack", "3"});
    mapCom1(radio.port());
    ModalScript script;
    script.then(pressStart()).then(script.press(QMessageBox::Cancel));
    ui::runReadFromRadio(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.boxes.size(), std::size_t{1}); // no "read complete"
    QVERIFY(differingOffsets(globals().image, programImage()).empty());
    QCOMPARE(globals().currentFileName, std::string("before.dat"));
    QCOMPARE(shell_->closeAllCount, 0);
    QVERIFY(shell_->posted.empty());
    QVERIFY(!fs::exists(readBackupFolder(globals().dataDirectory)));
    radio.stop();
    QCOMPARE(sentBursts(log_).back(), std::string("45")); // the radio is released
}

void TransferDialogTest::cancelButtonSendsNothing() {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    RecordingHelp help;
    ModalScript script;
    script.then(postTo<TransferDialog>([](TransferDialog* d) {
        d->helpButton()->click();
        d->cancelButton()->click();
    }));
    ui::runWriteToRadio(*shell_);
    QVERIFY(script.done());
    QCOMPARE(help.opened, std::vector<int>{cmd::WriteToRadio});
    radio.stop();
    QVERIFY(sentBursts(log_).empty());
}

void TransferDialogTest::writeCommitsTheFieldBeingEditedFirst() {
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

    bool dialogOpened = false;
    ModalScript script;
    script.then(postTo<TransferDialog>([&](TransferDialog* d) {
        dialogOpened = true;
        d->cancelButton()->click();
    }));
    ui::runWriteToRadio(*shell_);
    QVERIFY(dialogOpened);
    QVERIFY(script.boxes.empty());
    QCOMPARE(globals().image.byte(layout::kCrewOwnFleet), std::uint8_t{5});
}

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
