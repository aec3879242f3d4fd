// Widget tests of the test frequency window: typing over a cell, Enter and Escape in the edit
// box, arrow wrapping, one window at a time, and the reminder on closing while in test mode.

#include <QMdiSubWindow>
#include <QtTest>

#include "app/CommandIds.h"
#include "editors/channel/ui/TestFrequencyView.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"

using namespace tsw;
using namespace tsw::ui;

class TestFrequencyViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void init() {
        test::resetImage();
        shell_ = std::make_unique<test::MdiTestShell>();
        test::showActive(&shell_->mainWindow());
        shell_->runCommand(cmd::TestFrequency);
        view_ = qobject_cast<TestFrequencyView*>(shell_->openEditorOf(cmd::TestFrequency));
        QVERIFY(view_);
        view_->grid()->table()->setFocus();
    }
    void cleanup() { shell_.reset(); }

    void showsTheFirstEightTestChannelsOnce();
    void typedFrequencyIsStoredAndEnterMovesRight();
    void escapeRestoresTheCell();
    void emptiedCellClearsTheFrequency();
    void arrowKeysWrapBetweenRows();
    void closingInTestModeReminds_data();
    void closingInTestModeReminds();

private:
    std::unique_ptr<test::MdiTestShell> shell_;
    TestFrequencyView* view_ = nullptr;
};

void TestFrequencyViewTest::showsTheFirstEightTestChannelsOnce() {
    shell_->runCommand(cmd::TestFrequency);
    QCOMPARE(shell_->mdiArea().subWindowList().size(), 1);
    QCOMPARE(view_->grid()->rows(), 9);
    QCOMPARE(view_->grid()->text(8, 2), QStringLiteral("446.09375"));
    QCOMPARE(std::pair(view_->grid()->currentRow(), view_->grid()->currentCol()), std::pair(1, 1));
}

void TestFrequencyViewTest::typedFrequencyIsStoredAndEnterMovesRight() {
    TableGrid* grid = view_->grid();
    grid->setCurrentCell(3, 1);
    QTest::keyClick(grid->table(), Qt::Key_4); // a printable key opens the box with it
    QTRY_VERIFY(view_->editBox()->isVisible());
    QTest::keyClicks(view_->editBox(), "46.1a"); // 'a' is no frequency character
    QCOMPARE(view_->editBox()->text(), QStringLiteral("446.1"));
    QTest::keyClick(view_->editBox(), Qt::Key_Return);
    QVERIFY(!view_->editBox()->isVisible());
    QCOMPARE(grid->text(3, 1), QStringLiteral("446.10000"));
    QCOMPARE(globals().image.byte(layout::testFrequencyOffset(2) + 2), 0x61);
    QCOMPARE(grid->currentCol(), 2);                // one cell to the right
    QTest::keyClick(grid->table(), Qt::Key_Return); // Enter opens the box on the cell's text
    QTRY_VERIFY(view_->editBox()->isVisible());
    QCOMPARE(view_->editBox()->text(), QStringLiteral("446.03125"));
    QTest::keyClick(view_->editBox(), Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 4); // Enter in the last column goes on to the next row
    QCOMPARE(grid->currentCol(), 1);
}

void TestFrequencyViewTest::escapeRestoresTheCell() {
    const RadioImage before = globals().image;
    test::clickCell(view_->grid(), 2, 2);
    QTRY_VERIFY(view_->editBox()->isVisible());
    QCOMPARE(view_->grid()->text(2, 2), QString()); // the box covers the emptied cell
    view_->editBox()->selectAll();
    QTest::keyClicks(view_->editBox(), "440");
    QTest::keyClick(view_->editBox(), Qt::Key_Escape);
    QVERIFY(!view_->editBox()->isVisible());
    QCOMPARE(view_->grid()->text(2, 2), QStringLiteral("446.01875"));
    QCOMPARE(globals().image, before);
    QCOMPARE(QApplication::focusWidget(), view_->grid()->table());
}

void TestFrequencyViewTest::emptiedCellClearsTheFrequency() {
    test::clickCell(view_->grid(), 5, 2);
    QTRY_VERIFY(view_->editBox()->isVisible());
    QTest::keyClick(view_->editBox(), Qt::Key_Backspace); // the whole text is selected
    view_->grid()->table()->setFocus();                   // leaving the box commits it
    QTRY_VERIFY(!view_->editBox()->isVisible());
    QCOMPARE(view_->grid()->text(5, 2), QString());
    for (std::size_t i = 4; i < 8; ++i)
        QCOMPARE(globals().image.byte(layout::testFrequencyOffset(4) + i), 0xFF);
}

void TestFrequencyViewTest::arrowKeysWrapBetweenRows() {
    TableGrid* grid = view_->grid();
    grid->setCurrentCell(3, 2);
    QTest::keyClick(grid->table(), Qt::Key_Right);
    QCOMPARE(std::pair(grid->currentRow(), grid->currentCol()), std::pair(4, 1));
    QTest::keyClick(grid->table(), Qt::Key_Left);
    QCOMPARE(std::pair(grid->currentRow(), grid->currentCol()), std::pair(3, 2));
}

void TestFrequencyViewTest::closingInTestModeReminds_data() {
    QTest::addColumn<bool>("inUse");
    QTest::newRow("test mode") << true;
    QTest::newRow("no test mode") << false;
}

void TestFrequencyViewTest::closingInTestModeReminds() {
    QFETCH(bool, inUse);
    globals().flags.testFrequencyInUse = inUse;
    shell_->scripted.push(PromptAnswer::Cancel); // closes whatever the answer
    view_->requestClose();
    QTRY_VERIFY(!shell_->openEditorOf(cmd::TestFrequency));
    QCOMPARE(shell_->scripted.asked.size(), std::size_t(inUse ? 1 : 0));
    if (inUse) {
        QCOMPARE(shell_->scripted.asked[0].textId, StrId::TestFrequencyInUseWarning);
    }
}

QTEST_MAIN(TestFrequencyViewTest)
#include "TestFrequencyViewTest.moc"
