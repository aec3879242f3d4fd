// Widget tests of the two modal table dialogs: the memory map (offset display, hex cells, OK
// rewriting the image and reopening the channel table, Cancel) and the QT/DQT table (list over
// an entry, Enter and Escape, the refresh of the channel table).

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/CommandIds.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/MemoryMapDialog.h"
#include "editors/channel/ui/QtDqtTableDialog.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"
#include "tests/support/ui/ModalAnswerer.h"

using namespace tsw;
using namespace tsw::ui;
using test::ModalAnswerer;

class TableDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void init() {
        test::resetImage();
        shell_ = std::make_unique<test::MdiTestShell>();
        test::showActive(&shell_->mainWindow());
    }
    void cleanup() { shell_.reset(); }

    void memoryMapShowsTheOffsetOfTheCurrentCell();
    void memoryMapOkRewritesTheImageAndReopensTheTable();
    void memoryMapCancelLeavesTheImage();
    void toneTableEnterCommitsAndEscapeCancels();
    void toneTableListTextIsReplacedDeletedAndKeptOnClose();

private:
    std::unique_ptr<test::MdiTestShell> shell_;
};

void TableDialogsTest::memoryMapShowsTheOffsetOfTheCurrentCell() {
    MemoryMapDialog dialog(shell_->window());
    TableGrid* grid = dialog.grid();
    QCOMPARE(grid->currentRow(), 64);
    QCOMPARE(dialog.offsetLabel()->text(), QStringLiteral("0000"));
    grid->setCurrentCell(1, 16);
    QCOMPARE(dialog.offsetLabel()->text(), QStringLiteral("03FF"));
    grid->setCurrentCell(63, 16);
    QTest::keyClick(grid->table(), Qt::Key_Right); // wraps to the next row, offset 0x000
    QCOMPARE(dialog.offsetLabel()->text(), QStringLiteral("0000"));
}

void TableDialogsTest::memoryMapOkRewritesTheImageAndReopensTheTable() {
    shell_->runCommand(cmd::ChannelInformation);
    const RadioImage before = globals().image;
    ModalAnswerer answer(test::onDialog<MemoryMapDialog>([](MemoryMapDialog* dialog) {
        TableGrid* grid = dialog->grid();
        grid->setCurrentCell(63, 1); // offset 0x010
        QTest::keyClick(grid->table(), Qt::Key_7);
        QTest::keyClick(dialog->editBox(), Qt::Key_Return); // "7" -> 07, one cell right
        QCOMPARE(grid->text(63, 1), QStringLiteral("07"));
        QCOMPARE(dialog->offsetLabel()->text(), QStringLiteral("0011"));
        QTest::keyClick(grid->table(), Qt::Key_Return);
        QTest::keyClicks(dialog->editBox(), "a");
        QTest::keyClick(dialog->editBox(), Qt::Key_Escape); // back, unchanged
        QCOMPARE(grid->text(63, 2), QStringLiteral("06"));
        test::clickCell(grid, 62, 3); // offset 0x022
        dialog->editBox()->clear();
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton); // the open box commits first
    }));
    shell_->runCommand(cmd::MemoryMap);
    QCOMPARE(answer.handled(), 1);
    const auto diff = test::differingOffsets(before, globals().image);
    QCOMPARE(diff, (std::vector<std::size_t>{0x010, 0x022}));
    QCOMPARE(globals().image.byte(0x010), 0x07);
    QCOMPARE(globals().image.byte(0x022), 0xFF);
    QVERIFY(globals().flags.memoryMapApplied);
    QCOMPARE(shell_->posted, std::vector<int>{cmd::ChannelInformation});
    QTRY_VERIFY(shell_->openEditorOf(cmd::ChannelInformation));
    auto* info = qobject_cast<ChannelInfoView*>(shell_->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(info->grid()->text(1, 1), QStringLiteral("446.00607"));
}

void TableDialogsTest::memoryMapCancelLeavesTheImage() {
    const RadioImage before = globals().image;
    ModalAnswerer answer(test::onDialog<MemoryMapDialog>([](MemoryMapDialog* dialog) {
        QTest::keyClick(dialog->grid()->table(), Qt::Key_0);
        QTest::keyClick(dialog->editBox(), Qt::Key_Return);
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    }));
    shell_->runCommand(cmd::MemoryMap);
    QCOMPARE(answer.handled(), 1);
    QCOMPARE(globals().image, before);
    QVERIFY(shell_->posted.empty());
}

void TableDialogsTest::toneTableEnterCommitsAndEscapeCancels() {
    globals().image.setByte(layout::channelOffset(5) + layout::kChTableIndex, 3);
    shell_->runCommand(cmd::ChannelInformation);
    auto* info = qobject_cast<ChannelInfoView*>(shell_->openEditorOf(cmd::ChannelInformation));
    ModalAnswerer answer(test::onDialog<QtDqtTableDialog>([](QtDqtTableDialog* dialog) {
        dialog->grid()->setCurrentCell(3, 1);
        QTest::keyClick(dialog->grid()->table(), Qt::Key_Return);
        QTRY_VERIFY(dialog->toneList()->isVisible());
        QCOMPARE(dialog->toneList()->currentText(), QStringLiteral("74.4"));
        dialog->toneList()->setEditText(QString());
        QTest::keyClicks(dialog->toneList(), "100.05"); // at most five characters
        QCOMPARE(dialog->toneList()->currentText(), QStringLiteral("100.0"));
        QTest::keyClick(dialog->toneList(), Qt::Key_Return);
        QVERIFY(!dialog->toneList()->isVisible());
        QCOMPARE(dialog->grid()->text(3, 1), QStringLiteral("100.0"));
        test::clickCell(dialog->grid(), 4, 1);
        QTRY_VERIFY(dialog->toneList()->isVisible());
        dialog->toneList()->setEditText(QString());
        QTest::keyClick(dialog->toneList(), Qt::Key_Escape);
        QCOMPARE(dialog->grid()->text(4, 1), QStringLiteral("77.0"));
        QTest::keyClick(dialog->grid()->table(), Qt::Key_Escape); // Escape on the grid closes
    }));
    shell_->runCommand(cmd::QtDqtTable);
    QCOMPARE(answer.handled(), 1);
    QCOMPARE(globals().image.word(layout::qtDqtEntryOffset(4)), 0x0302);
    QCOMPARE(info->grid()->text(6, 2), QStringLiteral("(03)    100.0"));
    QVERIFY(!channelEditorState().tableEditingActive);
}

// The list opens with its text selected, so that typing replaces it; Ctrl+A selects it again,
// Delete empties it; closing the dialog with the list open stores what it holds.
void TableDialogsTest::toneTableListTextIsReplacedDeletedAndKeptOnClose() {
    {
        ModalAnswerer answer(test::onDialog<QtDqtTableDialog>([](QtDqtTableDialog* dialog) {
            dialog->grid()->setCurrentCell(3, 1);
            QTest::keyClick(dialog->grid()->table(), Qt::Key_Return);
            QComboBox* list = dialog->toneList();
            QTRY_VERIFY(list->hasFocus());
            QCOMPARE(list->lineEdit()->selectedText(), QStringLiteral("74.4"));
            QTest::keyClicks(list, "d754i");
            QCOMPARE(list->currentText(), QStringLiteral("D754I"));
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(list->lineEdit()->selectedText(), QStringLiteral("D754I"));
            QTest::keyClick(list, Qt::Key_End);
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->currentText(), QString());
            QTest::keyClicks(list, "d023n");
            dialog->close(); // the close box, the list still open
        }));
        shell_->runCommand(cmd::QtDqtTable);
        QCOMPARE(answer.handled(), 1);
    }
    ModalAnswerer again(test::onDialog<QtDqtTableDialog>([](QtDqtTableDialog* dialog) {
        QCOMPARE(dialog->grid()->text(3, 1), QStringLiteral("D023N"));
    }));
    shell_->runCommand(cmd::QtDqtTable);
    QCOMPARE(again.handled(), 1);
}

QTEST_MAIN(TableDialogsTest)
#include "TableDialogsTest.moc"
