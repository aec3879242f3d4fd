// The Print Out List dialog, the print and preview commands as the main frame runs them.

#include <QCheckBox>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/Settings.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintJob.h"
#include "print/ui/PrintOutListDialog.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MdiTestShell.h"
#include "tests/support/ui/ModalAnswerer.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::ui;

namespace {

class RecordingHelp : public tsw::ui::HelpHandler {
public:
    std::vector<int> opened;
    bool openContext(int context) override {
        opened.push_back(context);
        return true;
    }
    void openDefault() override { opened.push_back(-1); }
    void closeAll() override {}
};

QPushButton* button(const QWidget* dialog, int id) {
    return tsw::ui::findControl<QPushButton>(dialog, id);
}

} // namespace

class PrintDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void okOnlyWhileABoxIsChecked();
    void selectAllAndAllClearTouchOfferedBoxesOnly();
    void helpAndPrintSetup();
    void printCommandPrintsTheCheckedSectionsAndCancelNothing();
    void theChannelTableIsChosenBesideChannelInformation();
    void mainWindowRunsPreviewAndKeepsTheChannelEditShut();

private:
    test::TempDir dir_;
};

void PrintDialogsTest::initTestCase() {
    AppGlobals& g = globals();
    g.language.setDirectory(std::string(TSW_SOURCE_DIR) + "/lang");
    QCOMPARE(g.language.load(kRequiredStringIds, 2), 0);
}

void PrintDialogsTest::init() {
    // The program reaches these through the print module; this test links printing itself
    // (again for each test: a test shell registers the program's commands).
    for (const int command : {cmd::FilePrint, cmd::FilePrintPreview})
        tsw::ui::registerCommand(command, [command](tsw::ui::Shell& shell) {
            tsw::print::ui::runPrintCommand(command, shell.window());
        });
    buildDefaultImage(globals().image, modelEntry(0).defaultIdentity);
    sharedPrinter().setPageOrientation(QPageLayout::Portrait);
}

void PrintDialogsTest::cleanup() {
    setPrinterChooser(nullptr);
    tsw::ui::setHelpHandler(nullptr);
}

void PrintDialogsTest::okOnlyWhileABoxIsChecked() {
    PrintOutListDialog dialog;
    dialog.show();
    QVERIFY(!dialog.okButton()->isEnabled());
    QTest::mouseClick(dialog.box(1), Qt::LeftButton); // Key Assignment
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(dialog.okButton()->isDefault());
    QTest::mouseClick(dialog.box(8), Qt::LeftButton); // QT/DQT Table
    QCOMPARE(dialog.mask(), std::uint16_t(printsel::KeyAssignment | printsel::QtDqtTable));
    QTest::mouseClick(dialog.box(1), Qt::LeftButton);
    QTest::mouseClick(dialog.box(8), Qt::LeftButton);
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.okButton()->isDefault());
}

void PrintDialogsTest::selectAllAndAllClearTouchOfferedBoxesOnly() {
    PrintOutListDialog dialog;
    dialog.show();
    QVERIFY(!dialog.box(3)->isVisible() && !dialog.box(4)->isVisible()); // DTMF, CrewLink
    button(&dialog, PrintOutListDialog::kSelectAllId)->click();
    QCOMPARE(dialog.mask(), std::uint16_t(printsel::All & ~(printsel::Dtmf | printsel::CrewLink)));
    QVERIFY(dialog.okButton()->isEnabled());
    button(&dialog, PrintOutListDialog::kAllClearId)->click();
    QCOMPARE(dialog.mask(), std::uint16_t(0));
    QVERIFY(!dialog.okButton()->isEnabled());
}

void PrintDialogsTest::helpAndPrintSetup() {
    RecordingHelp help;
    tsw::ui::setHelpHandler(&help);
    PrintOutListDialog dialog;
    dialog.show();
    button(&dialog, PrintOutListDialog::kHelpId)->click();
    QCOMPARE(help.opened.size(), std::size_t{1});
    test::ModalAnswerer answer([](QWidget* modal) {
        if (!qobject_cast<QPageSetupDialog*>(modal))
            return false;
        static_cast<QDialog*>(modal)->reject();
        return true;
    });
    button(&dialog, PrintOutListDialog::kPrintSetupId)->click();
    QCOMPARE(answer.handled(), 1);
}

// OK prints what is checked (Key Assignment and the four channel pages of 16 used channels);
// Cancel prints nothing and never asks for a printer.
void PrintDialogsTest::printCommandPrintsTheCheckedSectionsAndCancelNothing() {
    const QString path = QString::fromStdString(dir_.file("print.pdf").string());
    int chooserAsked = 0;
    setPrinterChooser([path, &chooserAsked](QPrinter& printer, QWidget*) {
        ++chooserAsked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    for (int okId : {PrintOutListDialog::kOkId, PrintOutListDialog::kCancelId}) {
        test::ModalAnswerer answer([okId](QWidget* modal) {
            auto* list = qobject_cast<PrintOutListDialog*>(modal);
            if (!list)
                return false;
            list->box(1)->click();
            list->box(7)->click();
            button(list, okId)->click();
            return true;
        });
        QCOMPARE(runPrint(nullptr), okId == PrintOutListDialog::kOkId ? 5 : 0);
    }
    QCOMPARE(chooserAsked, 1);
    QVERIFY(QFileInfo(path).size() > 0);
}

// The layout of the channels is offered while Channel Information is checked, starts at four
// channels per page, and the channel table prints every channel on one page; the status bar
// says where the pages went.
void PrintDialogsTest::theChannelTableIsChosenBesideChannelInformation() {
    {
        PrintOutListDialog dialog;
        dialog.show();
        QVERIFY(dialog.blocksLayoutButton()->isChecked());
        QVERIFY(!dialog.blocksLayoutButton()->isEnabled() &&
                !dialog.tableLayoutButton()->isEnabled());
        dialog.box(7)->click(); // Channel Information
        QVERIFY(dialog.tableLayoutButton()->isEnabled());
        dialog.tableLayoutButton()->click();
        QVERIFY(dialog.channelTable());
        dialog.box(7)->click();
        QVERIFY(!dialog.channelTable() && !dialog.tableLayoutButton()->isEnabled());
    }
    test::MdiTestShell shell;
    const QString path = QString::fromStdString(dir_.file("table.pdf").string());
    setPrinterChooser([path](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    test::ModalAnswerer answer([](QWidget* modal) {
        auto* list = qobject_cast<PrintOutListDialog*>(modal);
        if (!list)
            return false;
        list->box(7)->click();
        list->tableLayoutButton()->click();
        list->okButton()->click();
        return true;
    });
    QCOMPARE(runPrint(nullptr), 1);
    QString expected = tsw::ui::uiText(StrId::StatusPrintedToFile);
    expected.replace(expected.indexOf("%s"), 2, "table.pdf");
    expected.replace("%s", "1");
    QCOMPARE(shell.statusMessages.back(), expected);
}

// While the preview (every section: six single pages, four channel pages) is open, the channel
// edit window stays shut; afterwards it opens again.
void PrintDialogsTest::mainWindowRunsPreviewAndKeepsTheChannelEditShut() {
    MemorySettingsStore settings;
    tsw::ui::MainWindow::Options options;
    options.showSplash = false;
    tsw::ui::MainWindow frame(settings, options);
    int opened = 0;
    tsw::ui::registerEditor(cmd::OpenChannelEdit, [&opened] {
        ++opened;
        return new tsw::ui::EditorForm(160);
    });
    int openedDuringPreview = -1;
    int pages = -1;
    test::ModalAnswerer answer([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        if (!preview)
            return false;
        frame.runCommand(cmd::OpenChannelEdit);
        openedDuringPreview = opened;
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
        preview->reject();
        return true;
    });
    frame.runCommand(cmd::FilePrintPreview);
    QCOMPARE(openedDuringPreview, 0);
    QCOMPARE(pages, 10);
    QVERIFY(!globals().flags.closeWithoutAsking);
    frame.runCommand(cmd::OpenChannelEdit);
    QCOMPARE(opened, 1);
    frame.closeAllEditors();
    tsw::ui::unregisterCommand(cmd::OpenChannelEdit);
}

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogsTest.moc"
