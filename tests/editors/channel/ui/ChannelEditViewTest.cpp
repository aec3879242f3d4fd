// Widget tests of the channel edit window and its copy dialogs: the keyboard paths that open
// the dialogs, what the dialogs store, the spin, Escape, and the refresh of the channel table.

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QtTest>

#include "app/CommandIds.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"

using namespace tsw;
using namespace tsw::ui;
using test::ModalAnswerer;

using test::chByte;
using test::onDialog;

class ChannelEditViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void init() {
        test::resetImage(6);
        shell_ = std::make_unique<test::MdiTestShell>();
        test::showActive(&shell_->mainWindow());
        shell_->runCommand(cmd::ChannelInformation);
        shell_->runCommand(cmd::OpenChannelEdit);
        info_ = qobject_cast<ChannelInfoView*>(shell_->openEditorOf(cmd::ChannelInformation));
        edit_ = qobject_cast<ChannelEditView*>(shell_->openEditorOf(cmd::OpenChannelEdit));
        QVERIFY(info_ && edit_);
    }
    void cleanup() { shell_.reset(); }

    void showsTheChannelAndDisablesAnEmptyOne();
    void spinWrapsAndTheTableFollows();
    void channelCopyKeysCopyAndStayOpen();
    void frequencyCopyKeysSetTheTransmitFrequency();
    void qtDqtCopyKeysSetTheEncodeTone();
    void copyKeysDoNothingOnAnEmptyChannel();
    void escapeClosesTheWindow();
    void closingKeepsWhatWasTypedIntoAList_data();
    void closingKeepsWhatWasTypedIntoAList();

private:
    void select(int channel) {
        channelEditorState().selectedChannel = channel;
        edit_->showChannel();
        edit_->channelNumber()->setFocus();
    }
    std::unique_ptr<test::MdiTestShell> shell_;
    ChannelInfoView* info_ = nullptr;
    ChannelEditView* edit_ = nullptr;
};

void ChannelEditViewTest::showsTheChannelAndDisablesAnEmptyOne() {
    select(1);
    QCOMPARE(edit_->channelNumber()->text(), QStringLiteral("2"));
    QCOMPARE(edit_->receiveList()->currentText(), QStringLiteral("446.09375"));
    QCOMPARE(edit_->decodeList()->currentText(), QStringLiteral("(08)    88.5"));
    QVERIFY(edit_->companderBox()->isEnabled());
    QVERIFY(edit_->encodeList()->isEnabled());
    select(9);
    QVERIFY(!edit_->encodeList()->isEnabled());
    QVERIFY(!edit_->beatShiftBox()->isEnabled());
    QVERIFY(!edit_->companderBox()->isEnabled());
    QVERIFY(edit_->receiveList()->isEnabled());
    QCOMPARE(edit_->decodeList()->currentText(), QString());
}

void ChannelEditViewTest::spinWrapsAndTheTableFollows() {
    select(0);
    edit_->channelSpin()->step(-1);
    QCOMPARE(edit_->channelNumber()->text(), QStringLiteral("16"));
    QCOMPARE(info_->windowTitle(), QStringLiteral("Channel Information[ Channel - 16 ]"));
    edit_->channelSpin()->step(+1);
    QCOMPARE(edit_->channelNumber()->text(), QStringLiteral("1"));
    edit_->channelNumber()->selectAll();
    QTest::keyClicks(edit_->channelNumber(), "99");
    QTest::keyClick(edit_->channelNumber(), Qt::Key_Tab);
    QTRY_COMPARE(edit_->channelNumber()->text(), QStringLiteral("16"));
    QCOMPARE(channelEditorState().selectedChannel, 15);
}

void ChannelEditViewTest::channelCopyKeysCopyAndStayOpen() {
    select(2);
    globals().image.setWord(layout::kBitmapB, 0x0004);
    ModalAnswerer answer(onDialog<ChannelCopyDialog>([](ChannelCopyDialog* dialog) {
        dialog->destination()->selectAll();
        QTest::keyClicks(dialog->destination(), "8");
        QTest::keyClick(dialog->destination(), Qt::Key_Return); // copies, stays open
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->destination()->selectedText(), QStringLiteral("8"));
        dialog->spin()->step(+1);
        QCOMPARE(dialog->destination()->text(), QStringLiteral("9"));
        QTest::mouseClick(dialog->copyButton(), Qt::LeftButton);
    }));
    QTest::keyClick(edit_->channelNumber(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(answer.handled(), 1);
    QCOMPARE(info_->freeArea()->text(), QStringLiteral("128")); // copied into 8 and 9
    QCOMPARE(info_->grid()->text(8, 1), QStringLiteral("(3)     446.03125"));
}

// OK stores the typed frequency (its stray letter filtered out); Cancel changes nothing.
void ChannelEditViewTest::frequencyCopyKeysSetTheTransmitFrequency() {
    select(3);
    for (auto [key, modifier, ok] : {std::tuple{Qt::Key_F4, Qt::ShiftModifier, true},
                                     std::tuple{Qt::Key_F, Qt::ControlModifier, false}}) {
        globals().image.setByte(chByte(3, 6), 0x60);
        ModalAnswerer answer(onDialog<FrequencyCopyDialog>([ok](FrequencyCopyDialog* dialog) {
            QCOMPARE(dialog->edit()->text(), QStringLiteral("446.06875"));
            dialog->edit()->selectAll();
            QTest::keyClicks(dialog->edit(), "446.1x");
            if (ok)
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        }));
        QTest::keyClick(edit_->channelNumber(), key, modifier);
        QCOMPARE(answer.handled(), 1);
        QCOMPARE(globals().image.byte(chByte(3, 6)), ok ? 0x61 : 0x60);
        if (ok)
            QCOMPARE(edit_->transmitList()->currentText(), QStringLiteral("446.10000"));
    }
}

void ChannelEditViewTest::qtDqtCopyKeysSetTheEncodeTone() {
    select(4);
    {
        ModalAnswerer answer(onDialog<QtDqtCopyDialog>([](QtDqtCopyDialog* dialog) {
            QCOMPARE(findControl<QLabel>(dialog, QtDqtCopyDialog::kDecodeTextId)->text(),
                     QStringLiteral("118.8"));
            dialog->toneList()->setCurrentIndex(0); // off
            QTest::keyClick(dialog->toneList(), Qt::Key_Return);
        }));
        QTest::keyClick(edit_->channelNumber(), Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(answer.handled(), 1);
    }
    QCOMPARE(edit_->encodeList()->currentText(), QStringLiteral("Off"));
    ModalAnswerer answer(onDialog<QtDqtCopyDialog>([](QtDqtCopyDialog* dialog) {
        dialog->toneList()->setCurrentIndex(2);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }));
    QTest::keyClick(edit_->channelNumber(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(answer.handled(), 1);
    QCOMPARE(globals().image.word(chByte(4, layout::kChEncodeTone)), 0x02CF); // 71.9 Hz
    QVERIFY(!channelEditorState().copyOpenedFromEdit);
}

void ChannelEditViewTest::copyKeysDoNothingOnAnEmptyChannel() {
    select(10);
    ModalAnswerer answer(onDialog<QDialog>());
    for (auto [key, modifier] :
         {std::pair{Qt::Key_F3, Qt::ShiftModifier}, std::pair{Qt::Key_F4, Qt::ShiftModifier},
          std::pair{Qt::Key_F5, Qt::ShiftModifier}})
        QTest::keyClick(edit_->channelNumber(), key, modifier);
    select(1);
    globals().image.setByte(chByte(1, 4), 0xFF); // no transmit frequency: no QT/DQT Copy
    QTest::keyClick(edit_->channelNumber(), Qt::Key_Q, Qt::ControlModifier);
    QTest::qWait(60);
    QCOMPARE(answer.handled(), 0);
}

void ChannelEditViewTest::escapeClosesTheWindow() {
    QTest::keyClick(edit_->channelNumber(), Qt::Key_Escape);
    QTRY_VERIFY(!shell_->openEditorOf(cmd::OpenChannelEdit));
    QVERIFY(shell_->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(shell_->openEditorCount(), 1);
}

// Text typed into a list and not yet left is stored when the window closes, as leaving the
// list would store it.
void ChannelEditViewTest::closingKeepsWhatWasTypedIntoAList_data() {
    QTest::addColumn<int>("listId");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell"); // the channel table's cell afterwards
    QTest::addColumn<int>("column");
    QTest::newRow("receive") << ChannelEditView::kReceiveListId << "446.1"
                             << "446.10000" << 1;
    QTest::newRow("decode") << ChannelEditView::kDecodeListId << "d023n"
                            << "(13)    D023N" << 2;
}

void ChannelEditViewTest::closingKeepsWhatWasTypedIntoAList() {
    QFETCH(int, listId);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(int, column);
    select(2);
    auto* list = findControl<QComboBox>(edit_, listId);
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    list->lineEdit()->selectAll();
    QTest::keyClicks(list, typed);
    QTest::keyClick(list, Qt::Key_F4, Qt::ControlModifier);
    QTRY_VERIFY(!shell_->openEditorOf(cmd::OpenChannelEdit));
    QCOMPARE(info_->grid()->text(3, column), cell);
}

QTEST_MAIN(ChannelEditViewTest)
#include "ChannelEditViewTest.moc"
