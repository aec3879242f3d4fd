// Widget tests of the channel table: the lists laid over cells, the keyboard paths, one window
// per editor, where the focus is when the channel windows open, and the refreshes between the
// table, the channel edit window and the tone table.

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/MainWindow.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/CopyDialogs.h"
#include "editors/channel/ui/QtDqtTableDialog.h"
#include "editors/channel/ui/TestFrequencyView.h"
#include "tests/editors/channel/ui/ChannelUiTestSupport.h"
#include "tests/support/ui/MdiTestShell.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using test::ModalAnswerer;
using test::qText;

using test::chByte;
using test::onDialog;

class ChannelInfoViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::loadEnglishTexts(); }
    void init() {
        test::resetImage();
        shell_ = std::make_unique<test::MdiTestShell>();
        test::showActive(&shell_->mainWindow());
    }
    void cleanup() { shell_.reset(); }

    void listsOverCellsCommitOnEnterAndEscape();
    void emptyChannelOpensOnlyTheFrequencyList();
    void arrowKeysWrapBetweenRows();
    void insertAndDeleteKeys_data();
    void insertAndDeleteKeys();
    void copyKeysOpenChannelCopyForAChannelInUse();
    void typedToneKeyOpensTheToneList();
    void toneListOpensWithItsTextSelected();
    void closingTheWindowCommitsTheOpenList_data();
    void closingTheWindowCommitsTheOpenList();
    void editWindowFollowsTheTableAndClosesWithIt();
    void editWindowCommitsRefreshTheTable();
    void toneTableCommitsRefreshBothWindows();
    void mainWindowOpensEachChannelWindowOnce();
    void channelWindowsOpenWithTheFocusWhereTheKeysWork();
    void freeAreaLabelIsInTheLanguageOfTheTexts();

private:
    enum CloseWay { CtrlF4, CloseButton, CloseAll, CloseMainWindow };
    // Closes the editor window of `form` the way given; Ctrl+F4 goes to the focused control.
    void closeWindow(EditorForm* form, CloseWay way) {
        switch (way) {
        case CtrlF4:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
            break;
        case CloseButton:
            form->requestClose();
            break;
        case CloseAll:
            shell_->closeAllEditors();
            break;
        case CloseMainWindow:
            shell_->mainWindow().close();
            break;
        }
    }
    ChannelInfoView* openTable() {
        shell_->runCommand(cmd::ChannelInformation);
        auto* view = qobject_cast<ChannelInfoView*>(shell_->openEditorOf(cmd::ChannelInformation));
        if (view)
            view->grid()->table()->setFocus();
        return view;
    }
    std::unique_ptr<test::MdiTestShell> shell_;
};

void ChannelInfoViewTest::listsOverCellsCommitOnEnterAndEscape() {
    ChannelInfoView* view = openTable();
    test::clickCell(view->grid(), 3, 1);
    QComboBox* list = view->frequencyList();
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->currentText(), QStringLiteral("(3)     446.03125"));
    QCOMPARE(view->grid()->text(3, 1), QString()); // the cell is emptied under the list
    QVERIFY(view->grid()->cellRect().intersects(list->geometry()));
    QCOMPARE(view->windowTitle(), QStringLiteral("Channel Information[ Channel - 3 ]"));
    list->setCurrentIndex(5);
    QTest::keyClick(list, Qt::Key_Return); // commits: the cell shows what the image holds
    QVERIFY(!list->isVisible());
    QCOMPARE(view->grid()->text(3, 1), QStringLiteral("(5)     446.05625"));
    QCOMPARE(QApplication::focusWidget(), view->grid()->table());

    // Flag list: Escape closes and commits the selection.
    test::clickCell(view->grid(), 4, 5);
    QComboBox* flags = view->flagList();
    QTRY_VERIFY(flags->isVisible());
    flags->setCurrentIndex(1); // on
    QTest::keyClick(flags, Qt::Key_Escape);
    QVERIFY(!flags->isVisible());
    QCOMPARE(view->grid()->text(4, 5), qText(tsw::tr(StrId::FlagOn)));
}

void ChannelInfoViewTest::emptyChannelOpensOnlyTheFrequencyList() {
    test::resetImage(4);
    ChannelInfoView* view = openTable();
    QCOMPARE(view->freeArea()->text(), QStringLiteral("192"));
    view->grid()->setCurrentCell(6, 3);
    QTest::keyClick(view->grid()->table(), Qt::Key_Return);
    QTRY_VERIFY(view->frequencyList()->isVisible());
    QVERIFY(!view->flagList()->isVisible());
    QCOMPARE(view->grid()->currentCol(), 1);
    QCOMPARE(view->frequencyList()->currentIndex(), 0); // the off entry
    view->frequencyList()->setCurrentIndex(2);
    QTest::keyClick(view->frequencyList(), Qt::Key_Enter);
    QCOMPARE(view->grid()->text(6, 1), QStringLiteral("(2)     446.01875"));
    QCOMPARE(view->grid()->text(6, 2), qText(tsw::tr(StrId::OffText)));
    QCOMPARE(view->freeArea()->text(), QStringLiteral("176"));
}

void ChannelInfoViewTest::arrowKeysWrapBetweenRows() {
    TableGrid* grid = openTable()->grid();
    grid->setCurrentCell(2, 5);
    QTest::keyClick(grid->table(), Qt::Key_Right);
    QCOMPARE(std::pair(grid->currentRow(), grid->currentCol()), std::pair(3, 1));
    QTest::keyClick(grid->table(), Qt::Key_Left);
    QCOMPARE(std::pair(grid->currentRow(), grid->currentCol()), std::pair(2, 5));
    grid->setCurrentCell(16, 5);
    QTest::keyClick(grid->table(), Qt::Key_Right); // the last row does not wrap
    QCOMPARE(grid->currentRow(), 16);
}

void ChannelInfoViewTest::insertAndDeleteKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("insert");
    QTest::newRow("Shift+F9") << int(Qt::Key_F9) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+D") << int(Qt::Key_D) << int(Qt::ControlModifier) << false;
}

void ChannelInfoViewTest::insertAndDeleteKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, insert);
    test::resetImage(10);
    ChannelInfoView* view = openTable();
    const RadioImage before = globals().image;
    test::clickCell(view->grid(), 4, 0 + 1);
    QTRY_VERIFY(view->frequencyList()->isVisible());
    QTest::keyClick(view->frequencyList(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!view->frequencyList()->isVisible()); // the open list was committed first
    if (insert) {
        QCOMPARE(view->grid()->text(4, 1), QStringLiteral("(0)     Off"));
        QCOMPARE(globals().image.byte(chByte(4, 0)), before.byte(chByte(3, 0)));
        QCOMPARE(view->freeArea()->text(), QStringLiteral("96"));
    } else {
        QCOMPARE(globals().image.byte(chByte(3, 0)), before.byte(chByte(4, 0)));
        QCOMPARE(view->freeArea()->text(), QStringLiteral("112"));
    }
}

void ChannelInfoViewTest::copyKeysOpenChannelCopyForAChannelInUse() {
    test::resetImage(5);
    ChannelInfoView* view = openTable();
    for (auto [key, modifier] :
         {std::pair{Qt::Key_F3, Qt::ShiftModifier}, std::pair{Qt::Key_E, Qt::ControlModifier}}) {
        ModalAnswerer answer(onDialog<ChannelCopyDialog>());
        QTest::keyClick(view->grid()->table(), key, modifier);
        QCOMPARE(answer.handled(), 1);
    }
    test::clickCell(view->grid(), 8, 1); // an empty channel
    QTRY_VERIFY(view->frequencyList()->isVisible());
    QTest::keyClick(view->frequencyList(), Qt::Key_Escape);
    ModalAnswerer answer(onDialog<ChannelCopyDialog>());
    QTest::keyClick(view->grid()->table(), Qt::Key_E, Qt::ControlModifier);
    QTest::qWait(60);
    QCOMPARE(answer.handled(), 0);
}

void ChannelInfoViewTest::typedToneKeyOpensTheToneList() {
    ChannelInfoView* view = openTable();
    view->grid()->setCurrentCell(2, 2);
    QTest::keyClick(view->grid()->table(), Qt::Key_D, Qt::NoModifier); // "d" typed
    QComboBox* tones = view->toneList();
    QTRY_VERIFY(tones->isVisible());
    QCOMPARE(tones->currentText(), QStringLiteral("D"));
    QTest::keyClicks(tones, "0x23n"); // x is not a tone character
    QCOMPARE(tones->currentText(), QStringLiteral("D023N"));
    QTest::keyClick(tones, Qt::Key_Delete); // Delete empties the list's text
    QCOMPARE(tones->currentText(), QString());
    QTest::keyClicks(tones, "d023n");
    QTest::keyClick(tones, Qt::Key_Return);
    QCOMPARE(view->grid()->text(2, 2), QStringLiteral("D023N"));

    view->grid()->setCurrentCell(3, 2);
    QTest::keyClick(view->grid()->table(), Qt::Key_Return);
    QTRY_VERIFY(tones->isVisible());
    tones->setCurrentIndex(5); // selecting already stores the encode tone
    QCOMPARE(globals().image.word(chByte(2, layout::kChEncodeTone)), 797);
    QTest::keyClick(tones, Qt::Key_Escape);
    QCOMPARE(view->grid()->text(3, 2), QStringLiteral("(05)    79.7"));
}

// Typing over a cell replaces its tone, as in every other edit box; Ctrl+A selects all again.
void ChannelInfoViewTest::toneListOpensWithItsTextSelected() {
    ChannelInfoView* view = openTable();
    view->grid()->setCurrentCell(6, 2);
    QTest::keyClick(view->grid()->table(), Qt::Key_Return);
    QComboBox* tones = view->toneList();
    QTRY_VERIFY(tones->hasFocus());
    QCOMPARE(tones->currentText(), QStringLiteral("(18)    123.0"));
    QCOMPARE(tones->lineEdit()->selectedText(), tones->currentText());
    QTest::keyClick(tones, Qt::Key_End);
    QTest::keyClick(tones, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(tones->lineEdit()->selectedText(), tones->currentText());
    QTest::keyClicks(tones, "d023n");
    QCOMPARE(tones->currentText(), QStringLiteral("D023N"));
    QTest::keyClick(tones, Qt::Key_Return);
    QCOMPARE(view->grid()->text(6, 2), QStringLiteral("D023N"));
}

// Every way the window goes away stores the list's choice as Enter would: the cell's whole
// record, not only the encode tone that a tone selection stores at once.
void ChannelInfoViewTest::closingTheWindowCommitsTheOpenList_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("way");
    QTest::newRow("tone, Ctrl+F4") << 2 << int(CtrlF4);
    QTest::newRow("frequency, Ctrl+F4") << 1 << int(CtrlF4);
    QTest::newRow("tone, Close") << 2 << int(CloseButton);
    QTest::newRow("frequency, Close All") << 1 << int(CloseAll);
    QTest::newRow("tone, main window") << 2 << int(CloseMainWindow);
}

void ChannelInfoViewTest::closingTheWindowCommitsTheOpenList() {
    QFETCH(int, column);
    QFETCH(int, way);
    QPointer<ChannelInfoView> view = openTable();
    view->grid()->setCurrentCell(6, column);
    QTest::keyClick(view->grid()->table(), Qt::Key_Return);
    QComboBox* list = column == 1 ? view->frequencyList() : view->toneList();
    QTRY_VERIFY(list->hasFocus());
    const QString shown = list->currentText();
    QTest::keyClick(list, Qt::Key_Down);
    const QString chosen = list->currentText();
    QVERIFY(chosen != shown);
    closeWindow(view, CloseWay(way));
    QTRY_VERIFY(!view || !view->isVisible());
    const ChannelInfoForm form(globals().image, channelEditorState(), false);
    QCOMPARE(qText(form.cellText(6, column)), chosen);
    const RadioImage& image = globals().image;
    QCOMPARE(image.word(chByte(5, layout::kChDecodeTone)),
             image.word(chByte(5, layout::kChEncodeTone)));
}

void ChannelInfoViewTest::editWindowFollowsTheTableAndClosesWithIt() {
    ChannelInfoView* view = openTable();
    QTest::mouseClick(view->channelEditButton(), Qt::LeftButton);
    QTRY_VERIFY(shell_->openEditorOf(cmd::OpenChannelEdit));
    QCOMPARE(shell_->posted, std::vector<int>{cmd::OpenChannelEdit});
    auto* edit = qobject_cast<ChannelEditView*>(shell_->openEditorOf(cmd::OpenChannelEdit));
    QCOMPARE(edit->channelNumber()->text(), QStringLiteral("1"));
    test::clickCell(view->grid(), 7, 3);
    QTRY_COMPARE(edit->channelNumber()->text(), QStringLiteral("7"));
    QCOMPARE(edit->receiveList()->currentText(), QStringLiteral("446.08125"));
    QTest::mouseClick(view->channelEditButton(), Qt::LeftButton); // a second time: still one
    QTest::qWait(20);
    QCOMPARE(shell_->mdiArea().subWindowList().size(), 2);

    view->requestClose();
    QTRY_COMPARE(shell_->mdiArea().subWindowList().size(), 0);
    QCOMPARE(shell_->openEditorCount(), 0);
    QVERIFY(!channelEditorState().channelInfoOpen);
}

void ChannelInfoViewTest::editWindowCommitsRefreshTheTable() {
    ChannelInfoView* view = openTable();
    shell_->runCommand(cmd::OpenChannelEdit);
    auto* edit = qobject_cast<ChannelEditView*>(shell_->openEditorOf(cmd::OpenChannelEdit));
    QVERIFY(edit);
    edit->channelNumber()->setFocus();
    edit->channelNumber()->selectAll();
    QTest::keyClicks(edit->channelNumber(), "9");
    QTest::keyClick(edit->channelNumber(), Qt::Key_Return); // Enter moves on like Tab
    QTRY_COMPARE(view->windowTitle(), QStringLiteral("Channel Information[ Channel - 9 ]"));
    QVERIFY(!edit->channelNumber()->hasFocus());
    edit->receiveList()->setFocus();
    edit->receiveList()->setEditText("446.1");
    edit->beatShiftBox()->setFocus(); // leaving the list commits it
    QTRY_COMPARE(view->grid()->text(9, 1), QStringLiteral("446.10000"));
    QCOMPARE(edit->transmitList()->currentText(), QStringLiteral("446.10000"));
    QTest::keyClick(edit->beatShiftBox(), Qt::Key_Space);
    QCOMPARE(view->grid()->text(9, 5), qText(tsw::tr(StrId::FlagOn)));
}

void ChannelInfoViewTest::toneTableCommitsRefreshBothWindows() {
    globals().image.setByte(chByte(3, layout::kChTableIndex), 7);
    ChannelInfoView* view = openTable();
    shell_->runCommand(cmd::OpenChannelEdit);
    auto* edit = qobject_cast<ChannelEditView*>(shell_->openEditorOf(cmd::OpenChannelEdit));
    channelEditorState().selectedChannel = 3;
    edit->showChannel();
    bool done = false;
    ModalAnswerer answer([&done](QWidget* modal) {
        auto* dialog = qobject_cast<QtDqtTableDialog*>(modal);
        if (!dialog)
            return false;
        test::clickCell(dialog->grid(), 7, 1);
        dialog->toneList()->setEditText(QString());
        QTest::keyClicks(dialog->toneList(), "d023n");
        QTest::keyClick(dialog->toneList(), Qt::Key_Return);
        dialog->reject();
        done = true;
        return true;
    });
    shell_->runCommand(cmd::QtDqtTable);
    QVERIFY(done);
    QCOMPARE(view->grid()->text(4, 2), QStringLiteral("(07)    D023N"));
    QCOMPARE(edit->decodeList()->currentText(), QStringLiteral("(07)    D023N"));
    QCOMPARE(edit->decodeList()->itemText(7), QStringLiteral("(07)    D023N"));
}

void ChannelInfoViewTest::mainWindowOpensEachChannelWindowOnce() {
    shell_.reset();
    MemorySettingsStore settings;
    MainWindow::Options options;
    options.showSplash = false;
    MainWindow frame(settings, options);
    test::showActive(&frame);
    for (int command : {cmd::ChannelInformation, cmd::OpenChannelEdit, cmd::TestFrequency})
        for (int twice = 0; twice < 2; ++twice)
            frame.runCommand(command);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 3);
    QCOMPARE(frame.openEditorCount(), 3);
    QVERIFY(qobject_cast<ChannelEditView*>(frame.openEditorOf(cmd::OpenChannelEdit)));
    QVERIFY(channelEditorState().channelInfoOpen);
    auto* info = qobject_cast<ChannelInfoView*>(frame.openEditorOf(cmd::ChannelInformation));
    QVERIFY(info->grid()->sizeForRows(16).height() <= info->grid()->height()); // no scrolling
    // The channel edit window closes with the channel table.
    info->requestClose();
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QVERIFY(frame.openEditorOf(cmd::TestFrequency));
    frame.closeAllEditors();
    QTRY_COMPARE(frame.openEditorCount(), 0);
}

// The table and the test frequencies open with the focus on their grid (Enter right after
// opening opens a cell, it does not close the window); the channel edit window on its channel
// number, where Up steps the channel as the spin button does.
void ChannelInfoViewTest::channelWindowsOpenWithTheFocusWhereTheKeysWork() {
    shell_.reset();
    MemorySettingsStore settings;
    MainWindow::Options options;
    options.showSplash = false;
    MainWindow frame(settings, options);
    test::showActive(&frame);

    frame.runCommand(cmd::ChannelInformation);
    auto* info = qobject_cast<ChannelInfoView*>(frame.openEditorOf(cmd::ChannelInformation));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(info->grid()->table()));
    test::screenshot(&frame, "channel-information-opened");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(info->frequencyList()->isVisible());
    QCOMPARE(frame.openEditorCount(), 1);
    QTest::keyClick(info->frequencyList(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(info->grid()->table()));

    frame.runCommand(cmd::OpenChannelEdit);
    auto* edit = qobject_cast<ChannelEditView*>(frame.openEditorOf(cmd::OpenChannelEdit));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit->channelNumber()));
    QCOMPARE(edit->channelNumber()->text(), QStringLiteral("1"));
    QTest::keyClick(edit->channelNumber(), Qt::Key_Up);
    QCOMPARE(edit->channelNumber()->text(), QStringLiteral("2"));

    frame.runCommand(cmd::TestFrequency);
    auto* test = qobject_cast<TestFrequencyView*>(frame.openEditorOf(cmd::TestFrequency));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(test->grid()->table()));
    frame.closeAllEditors();
    QTRY_COMPARE(frame.openEditorCount(), 0);
}

// The free area's label comes from the language file like every other text, so the table that
// a language change reopens shows it in the new language.
void ChannelInfoViewTest::freeAreaLabelIsInTheLanguageOfTheTexts() {
    QVERIFY(loadLanguage(globals().language, 4) == LanguageTable::Loaded);
    ChannelInfoView* view = openTable();
    test::loadEnglishTexts();
    QVERIFY(view);
    auto* label = findControl<QLabel>(view, 1138);
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Freier Bereich (Bytes):"));
}

QTEST_MAIN(ChannelInfoViewTest)
#include "ChannelInfoViewTest.moc"
