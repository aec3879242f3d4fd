// File > Import Channels (CSV) and Export Channels (CSV) through the main frame, with the file
// dialogs and message boxes answered by a script. (Calling the commands directly also links
// their registration into the test, which does not link the UI library whole.)

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/ChannelCsvCommands.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/MainWindow.h"
#include "app/ui/UiText.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRecord.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::DialogScript;

class ChannelCsvCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportWritesTheChannelListWhereTheUserChose();
    void importReplacesTheChannelsAndMarksTheImageChanged();
    void aRefusedImportListsTheProblemsAndChangesNothing();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir_;
    MemorySettingsStore store_;
    std::unique_ptr<MainWindow> frame_;
};

void ChannelCsvCommandsTest::initTestCase() {
    QVERIFY(dir_.isValid());
    tsw::ui::registerEditorWindows(); // the CSV commands; stand-ins for the editors
    tsw::test::registerStandInEditors();
}

void ChannelCsvCommandsTest::init() {
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::resetGlobals(dir_.path());
    frame_ = std::make_unique<MainWindow>(store_, tsw::test::quietFrameOptions());
    frame_->show();
}

void ChannelCsvCommandsTest::cleanup() {
    frame_.reset();
    for (const QString& f : QDir(dir_.path()).entryList(QDir::Files))
        QFile::remove(dir_.filePath(f));
}

void ChannelCsvCommandsTest::exportWritesTheChannelListWhereTheUserChose() {
    clearChannel(globals().image, 4);
    markSaved(globals());
    QString proposed;
    QStringList filters;
    DialogScript script;
    script.then([&](QWidget* w) { // look at the dialog, then cancel it
        auto* d = qobject_cast<QFileDialog*>(w);
        if (d == nullptr)
            return false;
        proposed = d->selectedFiles().value(0);
        filters = d->nameFilters();
        QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection);
        return true;
    });
    exportChannelsCsv(*frame_);
    QTRY_VERIFY(script.done());
    // The data file's name with the CSV extension, and the CSV filter.
    QVERIFY2(proposed.endsWith(fromStd(tsw::tr(StrId::DefaultFileName)) + ".csv"),
             qPrintable(proposed));
    QCOMPARE(filters, QStringList{plainText(StrId::CsvFileFilter)});

    DialogScript choose;
    choose.chooseFile(path("plan.csv"));
    frame_->action(cmd::FileExportCsv)->trigger(); // the menu entry
    QVERIFY(choose.done());
    QFile f(path("plan.csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().toStdString(), exportChannelsCsv(globals().image));
    QVERIFY(!hasUnsavedChanges(globals()));
}

void ChannelCsvCommandsTest::importReplacesTheChannelsAndMarksTheImageChanged() {
    writeFile("plan.csv", "Location,Frequency,Tone,rToneFreq\r\n2,446.05625,Tone,67.0\r\n"
                          "9,446.09375,,\r\n");
    frame_->openEditor(cmd::KeyAssignment);
    DialogScript script;
    script.chooseFile(path("plan.csv"));
    frame_->action(cmd::FileImportCsv)->trigger(); // the menu entry
    QVERIFY(script.done());
    QCOMPARE(countUsedChannels(globals().image), 2);
    QVERIFY(!isChannelEmpty(globals().image, 1) && !isChannelEmpty(globals().image, 8));
    QVERIFY(hasUnsavedChanges(globals()));
    QTRY_VERIFY(frame_->openEditorOf(cmd::ChannelInformation));
    QTRY_COMPARE(frame_->openEditorCount(), 1); // the key editor was closed
}

void ChannelCsvCommandsTest::aRefusedImportListsTheProblemsAndChangesNothing() {
    QByteArray csv = "Location,Frequency\n1,446.00625\n17,446.00625\n";
    for (int i = 0; i < kShownCsvProblems + 5; ++i)
        csv += "x,446.00625\n";
    writeFile("bad.csv", csv);
    const RadioImage before = globals().image;
    DialogScript script;
    script.chooseFile(path("bad.csv")).pressOnMessageBox(QMessageBox::Ok);
    importChannelsCsv(*frame_);
    QVERIFY(script.done());
    QVERIFY(globals().image == before);
    const auto& box = script.messages().at(0);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.caption, uiText(StrId::ErrorCaption));
    const QStringList lines = box.text.split('\n');
    QCOMPARE(lines.value(0), uiText(StrId::CsvImportRefused));
    QVERIFY2(lines.value(2).startsWith("Row 3: "), qPrintable(box.text));
    QCOMPARE(lines.size(), 2 + kShownCsvProblems + 1);
    QCOMPARE(lines.last(), uiText(StrId::CsvProblemMore));

    DialogScript missing;
    missing.chooseFile(path("none.csv")).pressOnMessageBox(QMessageBox::Ok);
    importChannelsCsv(*frame_);
    QVERIFY(missing.done());
    QCOMPARE(missing.messages().at(0).text,
             QString("Cannot open file %1: No such file or directory.").arg(path("none.csv")));
    QVERIFY(globals().image == before);
}

QTEST_MAIN(ChannelCsvCommandsTest)
#include "ChannelCsvCommandsTest.moc"
