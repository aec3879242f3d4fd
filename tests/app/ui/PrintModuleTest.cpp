// Printing as the program gets it: a module beside the program that the first Print or Print
// Preview command loads and that registers both commands, and whose entry the Test Mode
// dialog's print-out calls. This test is linked as the program
// is (the whole UI and core libraries, its own functions exported for the module), without
// printing itself.

#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Modules.h"
#include "tests/support/ui/ModalAnswerer.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

class PrintModuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void withoutTheModuleTheCommandEndsQuietly();
    void printPreviewLoadsTheModuleAndRuns();
    void testModePrintOutIsReachedThroughTheModule();
};

void PrintModuleTest::initTestCase() {
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(QString());
    QCOMPARE(commandModuleFile(cmd::FilePrint), kPrintModuleFile);
    QCOMPARE(commandModuleFile(cmd::FilePrintPreview), kPrintModuleFile);
    QCOMPARE(commandModuleFile(cmd::FileOpen), nullptr);
    QVERIFY(!findCommandHandler(cmd::FilePrint)); // not linked in: only the module has it
}

void PrintModuleTest::withoutTheModuleTheCommandEndsQuietly() {
    QTemporaryDir empty;
    globals().programDirectory = empty.path().toStdString();
    MemorySettingsStore settings;
    CMainFrame::Options options;
    options.showSplash = false;
    CMainFrame frame(settings, options);
    int dialogs = 0;
    test::ModalAnswerer answer([&dialogs](QWidget* modal) {
        ++dialogs;
        modal->close();
        return true;
    });
    frame.runCommand(cmd::FilePrint);
    QTest::qWait(60);
    QCOMPARE(dialogs, 0);
    QVERIFY(!findCommandHandler(cmd::FilePrint));
}

void PrintModuleTest::printPreviewLoadsTheModuleAndRuns() {
    globals().programDirectory = TSW_BIN_DIR;
    MemorySettingsStore settings;
    CMainFrame::Options options;
    options.showSplash = false;
    CMainFrame frame(settings, options);
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
    QVERIFY(findCommandHandler(cmd::FilePrint));
    QVERIFY(findCommandHandler(cmd::FilePrintPreview));
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

QTEST_MAIN(PrintModuleTest)
#include "PrintModuleTest.moc"
