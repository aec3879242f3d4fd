// Ctrl+C and Ctrl+V on the channel table, as the user presses them: rows selected with the
// keys or the mouse go to the clipboard as the CSV export's rows with tabs; rows pasted back
// land from the first selected row on, or are refused whole with the problems by row.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRows.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/ChannelRowsClipboard.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void setClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

// The rows of a copied text without the header line and without their Location.
QStringList rowsWithoutLocation(const std::string& text) {
    QStringList rows = QString::fromStdString(text).split("\r\n", Qt::SkipEmptyParts);
    rows.removeFirst();
    for (QString& row : rows)
        row = row.mid(row.indexOf('\t'));
    return rows;
}

QString statusText(StringId id, int n) {
    return uiText(id).replace("%s", QString::number(n));
}

} // namespace

class ChannelRowsClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void init();
    void cleanup() { shell_.reset(); }

    void selectedRowsAreCopied_data();
    void selectedRowsAreCopied();
    void allSixteenRowsPastedBackChangeNoByte();
    void rowsFromASpreadsheetGoFromTheFirstSelectedRow();
    void aPasteWithOneBadRowChangesNothing();
    void theRowMenuKeepsTheSelectionItWasOpenedIn();

private:
    QTableWidget* grid() const { return view_->grid()->table(); }
    std::unique_ptr<test::MdiTestShell> shell_;
    ChannelInfoView* view_ = nullptr;
};

void ChannelRowsClipboardTest::init() {
    test::resetImage(12); // channels 13 to 16 empty
    shell_ = std::make_unique<test::MdiTestShell>();
    test::showActive(&shell_->mainWindow());
    shell_->runCommand(cmd::ChannelInformation);
    view_ = qobject_cast<ChannelInfoView*>(shell_->openEditorOf(cmd::ChannelInformation));
    QVERIFY(view_);
    grid()->setFocus();
    QTRY_VERIFY(grid()->hasFocus());
    QGuiApplication::clipboard()->clear();
}

void ChannelRowsClipboardTest::selectedRowsAreCopied_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("the current row alone") << "none" << 3 << 3;
    QTest::newRow("Shift and the down arrow") << "shift-down" << 3 << 6;
    QTest::newRow("Shift and a click on a row number") << "shift-click" << 3 << 14;
    QTest::newRow("Ctrl+A: every row, empty ones as their number") << "all" << 0 << 15;
}

void ChannelRowsClipboardTest::selectedRowsAreCopied() {
    QFETCH(QString, how);
    QFETCH(int, first);
    QFETCH(int, last);
    view_->grid()->setCurrentCell(4, 2);
    if (how == "shift-down") {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    } else if (how == "shift-click") {
        QHeaderView* numbers = grid()->verticalHeader();
        const QPoint at(numbers->width() / 2, numbers->sectionViewportPosition(14) + 3);
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, Qt::ShiftModifier, at);
    } else if (how == "all") {
        QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    }
    QVERIFY(!view_->toneList()->isVisible() && !view_->frequencyList()->isVisible());
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboardText(),
             QString::fromStdString(copyChannelRows(globals().image, first, last)));
    QCOMPARE(shell_->statusMessages.back(), statusText(StrId::StatusRowsCopied, last - first + 1));
}

void ChannelRowsClipboardTest::allSixteenRowsPastedBackChangeNoByte() {
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    const RadioImage before = globals().image;
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(globals().image == before);
    QVERIFY(shell_->scripted.asked.empty());
    QCOMPARE(shell_->statusMessages.back(), statusText(StrId::StatusRowsPasted, 16));
    QCOMPARE(selectedChannels(*view_->grid()), std::make_pair(0, 15));
}

void ChannelRowsClipboardTest::rowsFromASpreadsheetGoFromTheFirstSelectedRow() {
    // Two rows of another table as a spreadsheet copies them: without the header line.
    const RadioImage other = test::imageWithUsedChannels(16);
    const std::string copied = copyChannelRows(other, 14, 15);
    setClipboard(copied.substr(copied.find('\n') + 1));
    view_->grid()->setCurrentCell(13, 1); // channel 13, empty
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(shell_->scripted.asked.empty());
    QCOMPARE(rowsWithoutLocation(copyChannelRows(globals().image, 12, 13)),
             rowsWithoutLocation(copied));
    QVERIFY(view_->grid()->text(13, 1).contains("446."));
    QCOMPARE(selectedChannels(*view_->grid()), std::make_pair(12, 13));
}

void ChannelRowsClipboardTest::aPasteWithOneBadRowChangesNothing() {
    std::string rows = copyChannelRows(globals().image, 0, 2);
    rows.replace(rows.find("TSQL"), 4, "TSQL2"); // the first row's tone mode
    setClipboard(rows);
    const RadioImage before = globals().image;
    view_->grid()->setCurrentCell(6, 1);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(globals().image == before);
    QCOMPARE(shell_->scripted.asked.size(), std::size_t{1});
    const Prompt& box = shell_->scripted.asked.front();
    QCOMPARE(box.textId, StrId::PasteRefused);
    QCOMPARE(box.icon, PromptIcon::Stop);
    // Named by the table row the bad row was meant for: row 6.
    QVERIFY2(box.text.find("Row 6: tone mode \"TSQL2\"") != std::string::npos, box.text.c_str());

    // Nothing on the clipboard: nothing happens but a word in the status bar.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(shell_->statusMessages.back(), uiText(StrId::StatusNothingToPaste));
    QVERIFY(globals().image == before);
}

void ChannelRowsClipboardTest::theRowMenuKeepsTheSelectionItWasOpenedIn() {
    view_->grid()->setCurrentCell(2, 1);
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    const QRect cell = grid()->visualRect(grid()->model()->index(1, 2)); // row 2, inside
    QContextMenuEvent menu(QContextMenuEvent::Mouse, cell.center(),
                           grid()->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(grid()->viewport(), &menu);
    QTRY_VERIFY(view_->rowMenu()->isVisible());
    view_->rowMenu()->hide();
    QCOMPARE(selectedChannels(*view_->grid()), std::make_pair(1, 3));
    QCOMPARE(view_->grid()->currentRow(), 2);
    view_->commandAction(cmd::CopyRows)->trigger();
    QCOMPARE(clipboardText(), QString::fromStdString(copyChannelRows(globals().image, 1, 3)));
}

QTEST_MAIN(ChannelRowsClipboardTest)
#include "ChannelRowsClipboardTest.moc"
