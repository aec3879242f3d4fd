// The Print Out List dialog, the print and preview commands as the main frame runs them.

#include <QCheckBox>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/Settings.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintJob.h"
#include "print/ui/PrintOutListDialog.h"
#include "tests/support/TestSupport.h"
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

QString qtr(StringId id) {
    return QString::fromStdString(tr(id));
}

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
    void captionsBoxesAndButtons();
    void okOnlyWhileABoxIsChecked();
    void selectAllAndAllClearTouchEnabledBoxesOnly();
    void helpAndPrintSetup();
    void printCommandPrintsTheCheckedSections();
    void cancelPrintsNothing();
    void previewSetsCloseWithoutAskingWhileItRuns();
    void mainFrameRunsPreviewAndKeepsTheChannelEditShut();

private:
    test::TempDir dir_;
};

void PrintDialogsTest::initTestCase() {
    AppGlobals& g = globals();
    g.language.setDirectory(std::string(TSW_SOURCE_DIR) + "/lang");
    QCOMPARE(g.language.load(kRequiredStringIds, 2), 0);
}

void PrintDialogsTest::init() {
    buildDefaultImage(globals().image, modelEntry(0).defaultIdentity);
    sharedPrinter().setPageOrientation(QPageLayout::Portrait);
}

void PrintDialogsTest::cleanup() {
    setPrinterChooser(nullptr);
    tsw::ui::setHelpHandler(nullptr);
}

void PrintDialogsTest::captionsBoxesAndButtons() {
    PrintOutListDialog dialog;
    if (const QString keep = qEnvironmentVariable("TSW_PRINT_KEEP"); !keep.isEmpty()) {
        dialog.show();
        dialog.box(0)->setChecked(true);
        dialog.grab().save(keep + "/print-out-list.png");
    }
    QCOMPARE(dialog.windowTitle(), qtr(StrId::TitlePrintOutList).remove('&'));
    for (int i = 0; i < 9; ++i) {
        const auto& box = PrintOutListDialog::kBoxes[static_cast<std::size_t>(i)];
        QCheckBox* check = tsw::ui::findControl<QCheckBox>(&dialog, box.controlId);
        QVERIFY(check);
        QCOMPARE(check->text(), qtr(box.text));
        QCOMPARE(check->isEnabled(), box.offered);
        QCOMPARE(check->isVisibleTo(&dialog), box.offered);
        QCOMPARE(box.offered, box.bit != printsel::Dtmf && box.bit != printsel::CrewLink);
    }
    const std::pair<int, StringId> buttons[] = {
        {PrintOutListDialog::kPrintSetupId, StrId::PrintSetupButton},
        {PrintOutListDialog::kAllClearId, StrId::AllClearButton},
        {PrintOutListDialog::kSelectAllId, StrId::SelectAllButton},
        {PrintOutListDialog::kOkId, StrId::Ok},
        {PrintOutListDialog::kCancelId, StrId::Cancel},
        {PrintOutListDialog::kHelpId, StrId::HelpButton},
    };
    for (const auto& [id, text] : buttons) {
        QVERIFY2(button(&dialog, id), qPrintable(QString::number(id)));
        QCOMPARE(button(&dialog, id)->text(), qtr(text));
    }
}

void PrintDialogsTest::okOnlyWhileABoxIsChecked() {
    PrintOutListDialog dialog;
    dialog.show();
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.okButton()->isDefault());
    QTest::mouseClick(dialog.box(1), Qt::LeftButton); // Key Assignment
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(dialog.okButton()->isDefault());
    QCOMPARE(dialog.mask(), printsel::KeyAssignment);
    QTest::mouseClick(dialog.box(8), Qt::LeftButton); // QT/DQT Table
    QCOMPARE(dialog.mask(), std::uint16_t(printsel::KeyAssignment | printsel::QtDqtTable));
    QTest::mouseClick(dialog.box(1), Qt::LeftButton);
    QTest::mouseClick(dialog.box(8), Qt::LeftButton);
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.okButton()->isDefault());
}

void PrintDialogsTest::selectAllAndAllClearTouchEnabledBoxesOnly() {
    PrintOutListDialog dialog;
    dialog.show();
    button(&dialog, PrintOutListDialog::kSelectAllId)->click();
    QCOMPARE(dialog.mask(), std::uint16_t(printsel::All & ~(printsel::Dtmf | printsel::CrewLink)));
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(!dialog.box(3)->isChecked()); // DTMF
    QVERIFY(!dialog.box(4)->isChecked()); // CrewLink
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
    QCOMPARE(help.opened, std::vector<int>{183});

    bool setupShown = false;
    test::ModalAnswerer answer([&](QWidget* modal) {
        if (!qobject_cast<QPageSetupDialog*>(modal))
            return false;
        setupShown = true;
        static_cast<QDialog*>(modal)->reject();
        return true;
    });
    button(&dialog, PrintOutListDialog::kPrintSetupId)->click();
    QVERIFY(setupShown);
}

void PrintDialogsTest::printCommandPrintsTheCheckedSections() {
    QVERIFY(tsw::ui::findCommandHandler(cmd::FilePrint));
    QVERIFY(tsw::ui::findCommandHandler(cmd::FilePrintPreview));
    const QString path = QString::fromStdString(dir_.file("print.pdf").string());
    setPrinterChooser([path](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    test::ModalAnswerer answer([](QWidget* modal) {
        auto* list = qobject_cast<PrintOutListDialog*>(modal);
        if (!list)
            return false;
        list->box(1)->click(); // Key Assignment
        list->box(7)->click(); // Channel Information: 16 used channels, 4 pages
        list->okButton()->click();
        return true;
    });
    QCOMPARE(runPrint(nullptr), 5);
    QVERIFY(QFileInfo(path).size() > 0);
}

void PrintDialogsTest::cancelPrintsNothing() {
    bool chooserAsked = false;
    setPrinterChooser([&](QPrinter&, QWidget*) { return chooserAsked = true; });
    test::ModalAnswerer answer([](QWidget* modal) {
        auto* list = qobject_cast<PrintOutListDialog*>(modal);
        if (!list)
            return false;
        list->box(0)->click();
        button(list, PrintOutListDialog::kCancelId)->click();
        return true;
    });
    QCOMPARE(runPrint(nullptr), 0);
    QVERIFY(!chooserAsked);
}

void PrintDialogsTest::previewSetsCloseWithoutAskingWhileItRuns() {
    bool flagWhileOpen = false;
    int pages = -1;
    test::ModalAnswerer answer([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        if (!preview)
            return false;
        flagWhileOpen = globals().flags.closeWithoutAsking;
        if (auto* widget = preview->findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
        preview->reject();
        return true;
    });
    QVERIFY(!globals().flags.closeWithoutAsking);
    runPrintPreview(nullptr);
    QVERIFY(flagWhileOpen);
    QVERIFY(!globals().flags.closeWithoutAsking);
    // Every section: six single pages and four channel pages of the default image.
    QCOMPARE(pages, 10);
}

void PrintDialogsTest::mainFrameRunsPreviewAndKeepsTheChannelEditShut() {
    MemorySettingsStore settings;
    tsw::ui::CMainFrame::Options options;
    options.showSplash = false;
    tsw::ui::CMainFrame frame(settings, options);
    int opened = 0;
    tsw::ui::registerEditor(cmd::OpenChannelEdit, [&opened] {
        ++opened;
        return new tsw::ui::EditorForm(160);
    });
    int openedDuringPreview = -1;
    test::ModalAnswerer answer([&](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        if (!preview)
            return false;
        frame.runCommand(cmd::OpenChannelEdit);
        openedDuringPreview = opened;
        preview->reject();
        return true;
    });
    frame.runCommand(cmd::FilePrintPreview);
    QCOMPARE(openedDuringPreview, 0);
    QVERIFY(!globals().flags.closeWithoutAsking);
    frame.runCommand(cmd::OpenChannelEdit);
    QCOMPARE(opened, 1);
    frame.closeAllEditors();
    tsw::ui::unregisterCommand(cmd::OpenChannelEdit);
}

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogsTest.moc"
