// New, Open, Save and Save As through the main frame, with the dialogs answered by a script.

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "app/ui/DataFileDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ModelDisplay.h"
#include "app/ui/UiText.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::DialogScript;

namespace {

// An image that differs from the default in its message lines and one channel byte.
RadioImage sampleImage() {
    RadioImage image = globals().image;
    const char line1[] = "HELLO";
    for (std::size_t i = 0; i < 5; ++i)
        image.setByte(layout::kMessageLine1 + i, static_cast<std::uint8_t>(line1[i]));
    image.setByte(layout::kMessageLine2, 0x42);
    image.setByte(0x020, 0x12);
    return image;
}

QString text(StringId id) {
    return uiText(id);
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openReplacesTheImageAndReopensTheChannelEditor();
    void openPreviewsTheEmbeddedMessage();
    void filesThatDoNotOpenLeaveTheImageAlone();
    void saveAsksBeforeOverwriting();
    void saveWithoutAFileRunsSaveAs();
    void saveAsReportsAFailedWrite_data();
    void saveAsReportsAFailedWrite();
    void saveAsRefusesANearlyFullFileSystem();
    void newAsksAndResetsKeepingTheIdentity();
    void closingWithChangesCanSaveFirst();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
    MemorySettingsStore store_;
    std::unique_ptr<MainWindow> frame_;
};

void FileCommandsTest::initTestCase() {
    QVERIFY(dir_.isValid());
    tsw::test::registerStandInEditors();
}

void FileCommandsTest::init() {
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::resetGlobals(dir_.path());
    frame_ = std::make_unique<MainWindow>(store_, tsw::test::quietFrameOptions());
    globals().dataDirectory = dir_.path().toStdString() + "/";
    frame_->show();
}

void FileCommandsTest::cleanup() {
    frame_.reset();
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
}

void FileCommandsTest::openReplacesTheImageAndReopensTheChannelEditor() {
    const RadioImage sample = sampleImage();
    QVERIFY(datafile::writeDataFile(path("radio.dat").toStdString(), sample));
    frame_->openEditor(cmd::KeyAssignment);
    DialogScript script;
    script.chooseFile(path("radio.dat"));
    frame_->runCommand(cmd::FileOpen);
    QVERIFY(script.done());
    QVERIFY(globals().image == sample);
    QVERIFY(!hasUnsavedChanges(globals()));
    QVERIFY(globals().flags.fileActivity);
    QCOMPARE(globals().currentFileName, std::string("radio.dat"));
    QCOMPARE(frame_->modelDisplay()->fileText(), QString("radio.dat"));
    QTRY_VERIFY(frame_->openEditorOf(cmd::ChannelInformation));
    QTRY_COMPARE(frame_->openEditorCount(), 1); // the key editor was closed
}

void FileCommandsTest::openPreviewsTheEmbeddedMessage() {
    // The preview's rules are the data file's; here: choosing a file shows its two lines.
    QVERIFY(datafile::writeDataFile(path("msg.dat").toStdString(), sampleImage()));
    DataFileDialog dialog(DataFileDialog::Kind::Open, dir_.path(), QString(), nullptr);
    QCOMPARE(dialog.nameFilters(), QStringList{plainText(StrId::DataFileFilter)});
    dialog.show();
    dialog.selectFile(path("msg.dat"));
    QTRY_COMPARE(dialog.previewLine1()->text(), QString("HELLO"));
    QCOMPARE(dialog.previewLine2()->text(), QString("B"));
    // A pipe named like a data file is not waited on: the preview stays as it was.
    QVERIFY(::mkfifo(path("pipe.dat").toLocal8Bit().constData(), 0644) == 0);
    dialog.selectFile(path("pipe.dat"));
    QTest::qWait(50);
    QCOMPARE(dialog.previewLine1()->text(), QString("HELLO"));
}

void FileCommandsTest::filesThatDoNotOpenLeaveTheImageAlone() {
    const RadioImage before = globals().image;
    // A file that is not there: the message, then the open dialog again.
    DialogScript missing;
    missing.chooseFile(path("nothing-here.dat")).pressOnMessageBox(QMessageBox::Ok).cancel();
    frame_->runCommand(cmd::FileOpen);
    QTRY_VERIFY(missing.done());
    QCOMPARE(
        missing.messages()[0].text,
        QString("Cannot open file %1: No such file or directory.").arg(path("nothing-here.dat")));
    QCOMPARE(missing.messages()[0].caption, text(StrId::ErrorCaption));
    QCOMPARE(missing.messages()[0].icon, QMessageBox::Critical);
    // A pipe is refused at once (opening it would wait for a writer).
    QVERIFY(::mkfifo(path("pipe.dat").toLocal8Bit().constData(), 0644) == 0);
    DialogScript refused;
    refused.chooseFile(path("pipe.dat")).pressOnMessageBox(QMessageBox::Ok).cancel();
    frame_->runCommand(cmd::FileOpen);
    QTRY_VERIFY(refused.done());
    QCOMPARE(refused.messages()[0].text,
             QString("Cannot open file %1: not a regular file (a folder, device or pipe).")
                 .arg(path("pipe.dat")));
    // A file of another format: its own message, and no dialog again.
    std::vector<std::uint8_t> bytes = datafile::dataFileBytes(sampleImage());
    bytes[6] = 'X';
    tsw::test::writeBytes(path("bad.dat").toStdString(), bytes);
    DialogScript wrong;
    wrong.chooseFile(path("bad.dat")).pressOnMessageBox(QMessageBox::Ok);
    frame_->runCommand(cmd::FileOpen);
    QVERIFY(wrong.done());
    QCOMPARE(wrong.unexpected(), 0);
    QCOMPARE(wrong.messages()[0].text, text(StrId::WrongFileFormat));
    QCOMPARE(wrong.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(globals().image == before);
    QCOMPARE(globals().currentFileName, tsw::tr(StrId::DefaultFileName));
}

void FileCommandsTest::saveAsksBeforeOverwriting() {
    QVERIFY(datafile::writeDataFile(path("keep.dat").toStdString(), globals().image));
    globals().currentFileName = "keep.dat";
    globals().image.setByte(0x020, 0x33);
    for (auto answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        DialogScript script;
        script.pressOnMessageBox(answer);
        frame_->runCommand(cmd::FileSave);
        QVERIFY(script.done());
        const auto& q = script.messages()[0];
        QCOMPARE(q.text, text(StrId::OverwriteQuestion) + "keep.dat");
        QCOMPARE(q.caption, text(StrId::ConfirmCaption));
        QCOMPARE(q.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(q.defaultButton, QMessageBox::Cancel);
        RadioImage onDisk;
        QCOMPARE(datafile::readDataFile(path("keep.dat").toStdString(), onDisk),
                 datafile::ReadResult::Ok);
        QCOMPARE(onDisk.byte(0x020) == 0x33, answer == QMessageBox::Ok);
        QCOMPARE(hasUnsavedChanges(globals()), answer == QMessageBox::Cancel);
    }
}

void FileCommandsTest::saveWithoutAFileRunsSaveAs() {
    globals().image.setByte(0x020, 0x44);
    {
        DialogScript script;
        script.cancel();
        frame_->runCommand(cmd::FileSave); // "Untitled" does not exist: Save As, cancelled
        QVERIFY(script.done());
        QVERIFY(hasUnsavedChanges(globals()));
    }
    DialogScript script;
    script.chooseFile(path("first"));
    frame_->runCommand(cmd::FileSave);
    QVERIFY(script.done());
    QVERIFY(QFile::exists(path("first.dat"))); // the default extension
    QCOMPARE(globals().currentFileName, std::string("first.dat"));
    QCOMPARE(globals().dataDirectory, dir_.path().toStdString() + "/");
    QVERIFY(!hasUnsavedChanges(globals()));
    QCOMPARE(QFile(path("first.dat")).size(), qint64(datafile::kFileSize));
}

// Each failed write names the file and the reason, leaves what was there as it was and the
// image unsaved; a pipe and a read-only file are never replaced (even when the user agreed to
// replace them in the file dialog).
void FileCommandsTest::saveAsReportsAFailedWrite_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("exists");
    QTest::newRow("no folder") << "no-such-folder/x.dat"
                               << QString::fromStdString(systemErrorText(ENOENT)) << false;
    QTest::newRow("read-only") << "read-only.dat"
                               << "the file is read-only" << true;
    QTest::newRow("pipe") << "pipe.dat"
                          << "not a regular file (a folder, device or pipe)" << true;
}

void FileCommandsTest::saveAsReportsAFailedWrite() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(bool, exists);
    tsw::test::writeText(path("read-only.dat").toStdString(), "keep");
    QFile::setPermissions(path("read-only.dat"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QVERIFY(::mkfifo(path("pipe.dat").toLocal8Bit().constData(), 0644) == 0);
    globals().image.setByte(0x020, 0x55);
    const QString target = path(name);
    DialogScript script;
    script.chooseFile(target);
    if (exists) // the file dialog's own question
        script.pressOnMessageBox(QMessageBox::Yes);
    script.pressOnMessageBox(QMessageBox::Ok);
    frame_->runCommand(cmd::FileSaveAs);
    QTRY_VERIFY(script.done());
    const auto& m = script.messages().back();
    QCOMPARE(m.text, QString("Cannot write file %1: %2.").arg(target, reason));
    QCOMPARE(m.caption, text(StrId::ErrorCaption));
    QCOMPARE(m.icon, QMessageBox::Critical);
    QVERIFY(hasUnsavedChanges(globals()));
    QCOMPARE(globals().currentFileName, tsw::tr(StrId::DefaultFileName));
    QCOMPARE(tsw::test::readText(path("read-only.dat").toStdString()), std::string("keep"));
    QCOMPARE(QFileInfo(path("pipe.dat")).isFile(), false);
}

void FileCommandsTest::saveAsRefusesANearlyFullFileSystem() {
    globals().image.setByte(0x020, 0x56);
    std::vector<std::string> checked;
    frame_->files().setSpaceCheck([&checked](const std::string& p) {
        checked.push_back(p);
        return true;
    });
    DialogScript script;
    script.chooseFile(path("full.dat")).pressOnMessageBox(QMessageBox::Ok);
    frame_->runCommand(cmd::FileSaveAs);
    QTRY_VERIFY(script.done());
    QCOMPARE(checked, std::vector<std::string>{path("full.dat").toStdString()});
    QCOMPARE(script.messages()[0].text, QString::fromStdString(datafile::diskFullText()));
    QCOMPARE(script.messages()[0].caption, text(StrId::ErrorCaption));
    QCOMPARE(script.messages()[0].icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(path("full.dat")));
    QVERIFY(hasUnsavedChanges(globals()));
    QVERIFY(!datafile::targetNearlyFull(dir_.path().toStdString() + "/x.dat")); // real check
}

void FileCommandsTest::newAsksAndResetsKeepingTheIdentity() {
    globals().image.setByte(layout::kBandCode, 0x93);
    globals().identity[5] = 0x93;
    globals().image.setByte(0x020, 0x66);
    markSaved(globals());
    frame_->openEditor(cmd::OptionalFeatures);
    {
        DialogScript script;
        script.pressOnMessageBox(QMessageBox::Cancel);
        frame_->runCommand(cmd::FileNew);
        QCOMPARE(script.messages()[0].text, text(StrId::NewDataQuestion));
        QCOMPARE(globals().image.byte(0x020), 0x66);
    }
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Ok);
    frame_->runCommand(cmd::FileNew);
    QCOMPARE(globals().image.byte(layout::kBandCode), 0x93); // identity kept
    QCOMPARE(globals().image.byte(0x020), 0x75);             // channel 2's default
    QVERIFY(hasUnsavedChanges(globals()));                   // a new image counts as changed
    QTRY_VERIFY(frame_->openEditorOf(cmd::ChannelInformation));
    QTRY_COMPARE(frame_->openEditorCount(), 1);
}

void FileCommandsTest::closingWithChangesCanSaveFirst() {
    globals().image.setByte(0x020, 0x77);
    QSignalSpy closed(frame_.get(), &MainWindow::closed);
    {
        DialogScript script; // Yes, Yes, then the save dialog is cancelled: stay open
        script.pressOnMessageBox(QMessageBox::Yes).pressOnMessageBox(QMessageBox::Yes).cancel();
        QVERIFY(!frame_->close());
        QVERIFY(script.done());
        QCOMPARE(closed.count(), 0);
    }
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Yes)
        .pressOnMessageBox(QMessageBox::Yes)
        .chooseFile(path("closing.dat"));
    QVERIFY(frame_->close());
    QCOMPARE(closed.count(), 1);
    RadioImage onDisk;
    QCOMPARE(datafile::readDataFile(path("closing.dat").toStdString(), onDisk),
             datafile::ReadResult::Ok);
    QCOMPARE(onDisk.byte(0x020), 0x77);
    QVERIFY(!hasUnsavedChanges(globals()));
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
