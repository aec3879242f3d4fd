// Printing as the program gets it: a module beside the program that the first Print or Print
// Preview command loads, and whose entries the Test Mode dialog's print-out and an editor
// window's own Print entry call. This test is linked as the program is (the libraries printing
// builds on whole, its own functions exported for the module), without printing itself.

#include <QDialog>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/EditorFrame.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Modules.h"
#include "app/ui/UiText.h"
#include "app/ui/main/EditorWindows.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

// The Print entry in the window menu of the open editor of `command`; null without one.
QAction* printEntry(const MainWindow& frame, int command) {
    for (QMdiSubWindow* w : frame.mdiArea()->subWindowList()) {
        auto* editor = qobject_cast<EditorFrame*>(w);
        if (!editor || editor->command() != command || !w->systemMenu())
            continue;
        for (QAction* a : w->systemMenu()->actions())
            if (a->text() == uiText(StrId::MenuFilePrint))
                return a;
    }
    return nullptr;
}

} // namespace

class PrintModuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void withoutTheModuleTheCommandEndsQuietly();
    void printPreviewLoadsTheModuleAndRuns();
    void testModePrintOutIsReachedThroughTheModule();
    void editorWindowMenuHasPrintForPrintedSections_data();
    void editorWindowMenuHasPrintForPrintedSections();
    void editorPrintEntryOpensThePrintDialog();
};

void PrintModuleTest::initTestCase() {
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(QString());
    registerEditorWindows();
}

void PrintModuleTest::withoutTheModuleTheCommandEndsQuietly() {
    QTemporaryDir empty;
    globals().programDirectory = empty.path().toStdString();
    MemorySettingsStore settings;
    MainWindow::Options options;
    options.showSplash = false;
    MainWindow frame(settings, options);
    int dialogs = 0;
    test::ModalAnswerer answer([&dialogs](QWidget* modal) {
        ++dialogs;
        modal->close();
        return true;
    });
    frame.runCommand(cmd::FilePrint);
    QTest::qWait(60);
    QCOMPARE(dialogs, 0);
}

void PrintModuleTest::printPreviewLoadsTheModuleAndRuns() {
    globals().programDirectory = TSW_BIN_DIR;
    MemorySettingsStore settings;
    MainWindow::Options options;
    options.showSplash = false;
    MainWindow frame(settings, options);
    bool previewShown = false;
    bool closeWithoutAskingWhileShown = false;
    test::ModalAnswerer answer([&](QWidget* modal) {
        if (!modal->inherits("QPrintPreviewDialog"))
            return false;
        previewShown = true;
        closeWithoutAskingWhileShown = globals().flags.closeWithoutAsking;
        static_cast<QDialog*>(modal)->reject();
        return true;
    });
    frame.runCommand(cmd::FilePrintPreview);
    QVERIFY(previewShown);
    QVERIFY(closeWithoutAskingWhileShown); // the module works on the program's own globals
    QVERIFY(!globals().flags.closeWithoutAsking);
}

void PrintModuleTest::testModePrintOutIsReachedThroughTheModule() {
    const auto print = reinterpret_cast<TuningPrintEntry>(
        moduleEntry(QStringLiteral(TSW_BIN_DIR), kPrintModuleFile, kTuningPrintEntry));
    QVERIFY(print);
    bool chooserShown = false;
    test::ModalAnswerer answer([&](QWidget* modal) {
        if (!modal->inherits("QPrintDialog"))
            return false;
        chooserShown = true;
        static_cast<QDialog*>(modal)->reject();
        return true;
    });
    const int values[62] = {};
    const std::uint8_t channels[128] = {};
    QVERIFY(!print(nullptr, values, 62, channels, 128)); // the print dialog was cancelled
    QVERIFY(chooserShown);
    QVERIFY(!moduleEntry(QStringLiteral(TSW_BIN_DIR), kPrintModuleFile, "no_such_entry"));
}

void PrintModuleTest::editorWindowMenuHasPrintForPrintedSections_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("printed");
    QTest::newRow("channel information") << cmd::ChannelInformation << true;
    QTest::newRow("optional features") << cmd::OptionalFeatures << true;
    QTest::newRow("key assignment") << cmd::KeyAssignment << true;
    QTest::newRow("scan") << cmd::ScanInformation << true;
    QTest::newRow("test frequency") << cmd::TestFrequency << true;
    QTest::newRow("embedded message") << cmd::EmbeddedMessage << true;
    QTest::newRow("channel edit") << cmd::OpenChannelEdit << true;
    QTest::newRow("dtmf") << cmd::Dtmf << false;
    QTest::newRow("crewlink") << cmd::CrewLink << false;
}

void PrintModuleTest::editorWindowMenuHasPrintForPrintedSections() {
    QFETCH(int, command);
    QFETCH(bool, printed);
    MemorySettingsStore settings;
    MainWindow frame(settings, test::quietFrameOptions());
    frame.runCommand(command);
    QVERIFY(frame.openEditorOf(command));
    QCOMPARE(printEntry(frame, command) != nullptr, printed);
}

void PrintModuleTest::editorPrintEntryOpensThePrintDialog() {
    MemorySettingsStore settings;
    MainWindow frame(settings, test::quietFrameOptions());
    frame.resize(640, 480);
    frame.show();
    frame.runCommand(cmd::ScanInformation);
    QAction* entry = printEntry(frame, cmd::ScanInformation);
    QVERIFY(entry);
    // The window menu as the user opens it (a picture when TSW_SCREENSHOT_DIR is set).
    auto* menu = qobject_cast<QMenu*>(entry->parent());
    if (menu && !qEnvironmentVariableIsEmpty("TSW_SCREENSHOT_DIR")) {
        menu->popup(frame.mapToGlobal(QPoint(40, 40)));
        QTest::qWait(50);
        menu->grab().save(qEnvironmentVariable("TSW_SCREENSHOT_DIR") + "/editor-window-menu.png");
        menu->hide();
    }
    bool chooserShown = false;
    QWidget* chooserParent = nullptr;
    test::ModalAnswerer answer([&](QWidget* modal) {
        if (!modal->inherits("QPrintDialog"))
            return false;
        chooserShown = true;
        chooserParent = modal->parentWidget();
        static_cast<QDialog*>(modal)->reject();
        return true;
    });
    QTemporaryDir empty;
    globals().programDirectory = empty.path().toStdString();
    entry->trigger(); // without the module: nothing happens
    QVERIFY(!chooserShown);
    globals().programDirectory = TSW_BIN_DIR;
    entry->trigger();
    QVERIFY(chooserShown);
    QCOMPARE(chooserParent, &frame);
}

QTEST_MAIN(PrintModuleTest)
#include "PrintModuleTest.moc"
