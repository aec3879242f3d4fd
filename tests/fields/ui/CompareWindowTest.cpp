// The compare window: File > Compare with File and Program > Compare with Radio (against the
// simulated radio on COM1) list the lines diff would print; the filter, Copy and Compare Again
// work on them; neither comparison changes the configuration in the editors.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "fields/ui/CompareWindow.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/TransferDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

void setUpGlobals() {
    AppGlobals& g = globals();
    g.language.setDirectory(TSW_BIN_DIR);
    QVERIFY(loadLanguage(g.language, 2) == LanguageTable::Loaded);
    test::setProgramImage(test::defaultRadioImage());
    g.flags = SharedFlags{};
}

// The other configuration: squelch 7, a message line, a byte no editor shows.
RadioImage otherImage() {
    RadioImage other = test::defaultRadioImage();
    other.setByte(layout::kFeatSquelchLevel, 7);
    other.setByte(layout::kMessageLine1, 'Q');
    other.setByte(0x005, 0x42);
    return other;
}

QStringList fieldsShown(const CompareWindow& window) {
    QStringList fields;
    for (int i = 0; i < window.list()->topLevelItemCount(); ++i)
        if (!window.list()->topLevelItem(i)->isHidden())
            fields << window.list()->topLevelItem(i)->text(0);
    return fields;
}

} // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::registerEditorWindows(); } // the windows behind the commands
    void init() {
        setUpGlobals();
        prompt_.asked.clear();
    }
    void compareWithFileListsTheDifferencesAndFiltersCopiesAndComparesAgain();
    void compareWithRadioReadsTheRadioAndLeavesTheEditorsAlone();

private:
    MemorySettingsStore settings_;
    test::ScriptedPrompt prompt_;
};

void CompareWindowTest::compareWithFileListsTheDifferencesAndFiltersCopiesAndComparesAgain() {
    test::TempDir dir;
    const std::string path = dir.file("other.dat").string();
    QVERIFY(datafile::writeDataFile(path, otherImage()));
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    {
        test::DialogScript script;
        script.chooseFile(QString::fromStdString(path));
        QVERIFY(frame.action(cmd::CompareWithFile));
        frame.action(cmd::CompareWithFile)->trigger();
        QVERIFY(script.done());
    }
    CompareWindow* window = compareWindow(frame);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Compare with File: other.dat"));
    QCOMPARE(fieldsShown(*window), (QStringList{"Optional Features / Squelch Level",
                                                "Embedded Message 1", "Byte 0x005"}));
    QCOMPARE(window->list()->topLevelItem(0)->text(1), QStringLiteral("5"));
    QCOMPARE(window->list()->topLevelItem(0)->text(2), QStringLiteral("7"));
    QCOMPARE(window->list()->headerItem()->text(2), QStringLiteral("other.dat"));
    QCOMPARE(window->summary()->text(), QStringLiteral("Differences: 3"));
    test::screenshot(window, "compare-window");

    window->filterBox()->setText("message");
    QCOMPARE(fieldsShown(*window), QStringList{"Embedded Message 1"});
    QCOMPARE(window->summary()->text(), QStringLiteral("Differences: 3, shown: 1"));
    window->copyButton()->click();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Field\tIn the editors\tother.dat\n"
                            "Embedded Message 1\t\"\"\t\"Q\"\n"));
    window->filterBox()->setText("nothing like it");
    QVERIFY(fieldsShown(*window).isEmpty());
    QVERIFY(!window->copyButton()->isEnabled() && !window->printButton()->isEnabled());
    window->filterBox()->clear();

    // The editors change: Compare Again sees it; the file is not read again.
    QVERIFY(std::filesystem::remove(path));
    globals().image.setByte(layout::kFeatSquelchLevel, 7);
    window->compareAgainButton()->click();
    QCOMPARE(fieldsShown(*window), (QStringList{"Embedded Message 1", "Byte 0x005"}));

    // A file that is no data file: the message, and the window keeps what it showed.
    test::writeText(dir.file("junk.dat"), "not a data file");
    test::DialogScript junk;
    junk.chooseFile(QString::fromStdString(dir.file("junk.dat").string()));
    frame.runCommand(cmd::CompareWithFile);
    QVERIFY(junk.done());
    QCOMPARE(prompt_.asked.back().textId, StrId::WrongFileFormat);
    QCOMPARE(fieldsShown(*window).size(), 2);
    window->close();
}

void CompareWindowTest::compareWithRadioReadsTheRadioAndLeavesTheEditorsAlone() {
    test::TempDir dir;
    globals().dataDirectory = (dir.path() / "data").string() + "/";
    ui::registerCommand(cmd::CompareWithRadio, ui::runCompareWithRadio);
    test::RadioSim radio = test::radioOnCom1(dir, otherImage());
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    const RadioImage before = globals().image;
    {
        test::DialogScript script;
        script.on<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); });
        frame.runCommand(cmd::CompareWithRadio);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0); // no "read complete" box
    }
    QVERIFY(globals().image == before);
    QVERIFY2(prompt_.asked.empty(),
             prompt_.asked.empty() ? "" : prompt_.asked.front().text.c_str());
    CompareWindow* window = compareWindow(frame);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Compare with Radio"));
    QCOMPARE(window->list()->headerItem()->text(2), QStringLiteral("In the radio"));
    QCOMPARE(fieldsShown(*window), (QStringList{"Optional Features / Squelch Level",
                                                "Embedded Message 1", "Byte 0x005"}));
    window->close();
}

QTEST_MAIN(CompareWindowTest)
#include "CompareWindowTest.moc"
