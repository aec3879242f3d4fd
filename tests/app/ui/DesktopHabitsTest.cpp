// The comforts around the main window: recent files in the File menu, data files dropped on
// the window, and the status bar saying what a command did.

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "app/RecentFiles.h"
#include "app/ui/ChannelCsvCommands.h"
#include "app/ui/EditHistory.h"
#include "app/ui/MainWindow.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/UiText.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/channel/ChannelCsv.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/TransferDialog.h"
#include "tests/link/ui/LinkUiSupport.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using test::DialogScript;

namespace {

RadioImage imageWithMessage(char c) {
    RadioImage image = globals().image;
    image.setByte(layout::kMessageLine1, static_cast<std::uint8_t>(c));
    return image;
}

QString filled(StringId id, const QStringList& args) {
    QString text = plainText(id);
    for (const QString& a : args)
        text.replace(text.indexOf("%s"), 2, a);
    return text;
}

// Drags `paths` over the window and drops them; true when the window took the drag.
bool dropOn(QWidget* window, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

} // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recentFilesKeepTheLastEightNewestFirst();
    void aMissingRecentFileIsReportedAndTakenOff();
    void aRecentFileOpensAfterTheSaveQuestion();
    void droppedDataFilesOpenAfterTheSaveQuestion();
    void theStatusBarSaysWhatTheFileCommandsDid();
    void theStatusBarSaysWhatTheRadioTransfersDid();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString writeFile(const QString& name, const RadioImage& image) const;
    void newFrame();
    QString status() const { return frame_->statusBar()->currentMessage(); }

    QTemporaryDir dir_;
    MemorySettingsStore store_;
    test::ScriptedPrompt prompt_;
    std::unique_ptr<MainWindow> frame_;
};

void DesktopHabitsTest::initTestCase() {
    QVERIFY(dir_.isValid());
    ui::registerEditorWindows(); // the CSV and radio commands; stand-ins for the editors
    test::registerStandInEditors();
}

void DesktopHabitsTest::init() {
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(dir_.path());
    store_ = MemorySettingsStore();
    newFrame();
}

void DesktopHabitsTest::newFrame() {
    frame_.reset();
    prompt_ = test::ScriptedPrompt();
    frame_ = std::make_unique<MainWindow>(store_, test::quietFrameOptions());
    frame_->setPrompt(&prompt_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void DesktopHabitsTest::cleanup() {
    frame_.reset();
    for (const QString& f : QDir(dir_.path()).entryList(QDir::Files))
        QFile::remove(dir_.filePath(f));
}

QString DesktopHabitsTest::writeFile(const QString& name, const RadioImage& image) const {
    const QString p = path(name);
    if (!datafile::writeDataFile(p.toStdString(), image))
        qWarning("could not write %s", qPrintable(p));
    return p;
}

void DesktopHabitsTest::recentFilesKeepTheLastEightNewestFirst() {
    QStringList opened;
    for (int n = 1; n <= 9; ++n) {
        opened.prepend(writeFile(QString("f%1.dat").arg(n), imageWithMessage('0' + n)));
        QVERIFY(frame_->files().openPath(opened.front()));
    }
    // Opened again: to the top, nothing falls off.
    QVERIFY(frame_->files().openPath(opened.at(4)));
    opened.move(4, 0);
    // Saved under a new name: on top as well.
    DialogScript save;
    save.chooseFile(path("saved.dat"));
    frame_->runCommand(cmd::FileSaveAs);
    QVERIFY(save.done());
    opened.prepend(path("saved.dat"));

    const auto check = [&](const char* when) {
        const auto& entries = frame_->recentFiles()->entries();
        QCOMPARE(int(entries.size()), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(entries[i]->toolTip(), opened.at(i));
            QCOMPARE(entries[i]->text(),
                     QString("&%1 %2").arg(i + 1).arg(QFileInfo(opened.at(i)).fileName()));
        }
        // Above Exit, below a separator of their own.
        const QList<QAction*> items = frame_->menu(MenuId::File)->actions();
        const auto exitAt = items.indexOf(frame_->action(cmd::FileExit));
        QVERIFY2(items.at(exitAt - 1)->isSeparator(), when);
        QCOMPARE(items.at(exitAt - 2), entries.back());
    };
    check("while running");
    QCOMPARE(store_.readString("Recent File List", "File1"), toStd(opened.at(0)));
    newFrame(); // the next start shows the same list
    check("after a restart");
}

void DesktopHabitsTest::aMissingRecentFileIsReportedAndTakenOff() {
    const QString kept = writeFile("kept.dat", imageWithMessage('K'));
    const QString gone = writeFile("gone.dat", imageWithMessage('G'));
    frame_->recentFiles()->add(kept);
    frame_->recentFiles()->add(gone);
    QFile::remove(gone);
    const RadioImage before = globals().image;
    globals().image.setByte(0x020, 0x77); // unsaved changes: no save question for nothing
    const RadioImage changed = globals().image;
    frame_->recentFiles()->entries().front()->trigger();
    QCOMPARE(prompt_.asked.size(), std::size_t{1});
    const Prompt& box = prompt_.asked.front();
    QCOMPARE(box.textId, StrId::RecentFileMissing);
    QCOMPARE(box.icon, PromptIcon::Stop);
    QVERIFY(box.text.find(toStd(gone)) != std::string::npos);
    QVERIFY(globals().image == changed);
    QCOMPARE(int(frame_->recentFiles()->entries().size()), 1);
    QCOMPARE(frame_->recentFiles()->entries().front()->toolTip(), kept);
    QCOMPARE(store_.readString("Recent File List", "File2"), std::nullopt);
    (void)before;
}

void DesktopHabitsTest::aRecentFileOpensAfterTheSaveQuestion() {
    const RadioImage other = imageWithMessage('R');
    frame_->recentFiles()->add(writeFile("recent.dat", other));
    globals().image.setByte(0x020, 0x78);
    const RadioImage changed = globals().image;
    prompt_.push(PromptAnswer::Cancel);
    frame_->recentFiles()->entries().front()->trigger();
    QCOMPARE(prompt_.asked.back().textId, StrId::SaveChangesQuestion);
    QVERIFY(globals().image == changed);
    prompt_.push(PromptAnswer::No);
    frame_->recentFiles()->entries().front()->trigger();
    QVERIFY(globals().image == other);
    QCOMPARE(frame_->editHistory().undoName(), plainText(StrId::StepOpenFile));
}

void DesktopHabitsTest::droppedDataFilesOpenAfterTheSaveQuestion() {
    const RadioImage other = imageWithMessage('D');
    const QString dat = writeFile("Dropped.DAT", other);
    const QString csv = path("channels.csv");
    test::writeTextFile(csv, "Location,Frequency\n1,446.00625\n");
    QVERIFY(!dropOn(frame_.get(), {csv})); // not a data file: refused at the border
    QVERIFY(!dropOn(frame_.get(), {path("not-there.dat")}));

    globals().image.setByte(0x020, 0x79);
    const RadioImage changed = globals().image;
    prompt_.push(PromptAnswer::Cancel);
    QVERIFY(dropOn(frame_.get(), {csv, dat})); // the data file among them
    QTRY_COMPARE(prompt_.asked.size(), std::size_t{1});
    QCOMPARE(prompt_.asked.back().textId, StrId::SaveChangesQuestion);
    QVERIFY(globals().image == changed);

    prompt_.push(PromptAnswer::No);
    QVERIFY(dropOn(frame_.get(), {dat}));
    QTRY_VERIFY(globals().image == other);
    QCOMPARE(globals().currentFileName, std::string("Dropped.DAT"));
    QCOMPARE(frame_->recentFiles()->entries().front()->toolTip(), dat);
    QCOMPARE(status(), filled(StrId::StatusOpened, {"Dropped.DAT"}));
}

void DesktopHabitsTest::theStatusBarSaysWhatTheFileCommandsDid() {
    const QString opened = writeFile("edited1.dat", imageWithMessage('E'));
    const QString csv = path("x.csv");
    struct Step {
        const char* what;
        std::function<void()> run;
        QString expected;
    };
    const std::vector<Step> steps = {
        {"open",
         [&] {
             DialogScript script;
             script.chooseFile(opened);
             frame_->runCommand(cmd::FileOpen);
             QVERIFY(script.done());
         },
         filled(StrId::StatusOpened, {"edited1.dat"})},
        {"save",
         [&] {
             prompt_.push(PromptAnswer::Ok); // overwrite
             frame_->runCommand(cmd::FileSave);
         },
         filled(StrId::StatusSaved, {"edited1.dat"})},
        {"export",
         [&] {
             DialogScript script;
             script.chooseFile(csv);
             frame_->runCommand(cmd::FileExportCsv);
             QVERIFY(script.done());
         },
         filled(StrId::StatusExported, {"16", "x.csv"})},
        {"import",
         [&] {
             test::writeTextFile(csv, "Location,Frequency\n1,446.00625\n3,446.0125\n");
             DialogScript script;
             script.chooseFile(csv);
             frame_->runCommand(cmd::FileImportCsv);
             QVERIFY(script.done());
         },
         filled(StrId::StatusImported, {"2", "x.csv"})},
        {"new",
         [&] {
             prompt_.push(PromptAnswer::No); // do not save the imported channels
             prompt_.push(PromptAnswer::Ok);
             frame_->runCommand(cmd::FileNew);
         },
         plainText(StrId::StatusNewData)},
    };
    for (const Step& step : steps) {
        step.run();
        QCOMPARE(status(), step.expected);
    }
}

void DesktopHabitsTest::theStatusBarSaysWhatTheRadioTransfersDid() {
    test::TempDir dir;
    test::RadioSim radio = test::radioOnCom1(dir, test::defaultRadioImage());
    // The transfer dialog is started; its closing message goes to the scripted prompt.
    const auto startThenOk = [](DialogScript& script) {
        script.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); });
    };
    DialogScript read;
    startThenOk(read);
    frame_->runCommand(cmd::ReadFromRadio);
    QTRY_VERIFY(read.done());
    QCOMPARE(prompt_.asked.back().textId, StrId::ReadComplete);
    const QStringList backups =
        QDir(fromStd(globals().dataDirectory) + "Backups").entryList({"*.dat"}, QDir::Files);
    QCOMPARE(backups.size(), 1);
    const QString full = fromStd(globals().dataDirectory) + "Backups/" + backups.front();
    const QString shown = full.size() <= 60 ? full : ".../Backups/" + backups.front();
    QCOMPARE(status(), filled(StrId::StatusReadWithBackup, {"1024", shown}));

    DialogScript write;
    startThenOk(write);
    frame_->runCommand(cmd::WriteToRadio);
    QTRY_VERIFY(write.done());
    QCOMPARE(prompt_.asked.back().textId, StrId::WriteComplete);
    QCOMPARE(status(), filled(StrId::StatusWritten, {"776"}));
}

QTEST_MAIN(DesktopHabitsTest)
#include "DesktopHabitsTest.moc"
