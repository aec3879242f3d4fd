// The main frame: menu texts in two languages and with a maximized editor, the open-editor
// count and the Window menu, the tree window, closing, placement, status panes, background.

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ModelTable.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MdiClient.h"
#include "app/ui/StatusPanes.h"
#include "app/ui/TreeWindow.h"
#include "app/ui/UiText.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::DialogScript;

namespace {

// Every menu title and item text as the language table gives it, in menu-bar order.
QStringList expectedTexts(bool withWindowMenu) {
    QStringList out;
    for (const MenuDef& menu : mainMenus()) {
        if (menu.id == MenuId::Window && !withWindowMenu)
            continue;
        out << uiText(menu.title);
        const auto items = [&out](std::span<const CommandItem> list) {
            for (const CommandItem& i : list)
                out << (i.isSeparator() ? QString() : uiText(i.text));
        };
        items(menu.items);
        if (menu.id == MenuId::Edit) // Undo, Redo, Clear on top, the channel commands below
            items(editMenuHead());
        if (menu.id == MenuId::Edit || menu.id == MenuId::Program)
            for (const MenuListEntry& e :
                 menu.id == MenuId::Edit ? editMenuList() : programMenuList())
                out << (e.isSeparator() ? QString() : uiText(e.textId));
        if (menu.id == MenuId::Edit)
            items(editMenuTail());
    }
    return out;
}

// What the menu bar shows, in the same form (Window-list entries left out).
QStringList shownTexts(const MainWindow& frame) {
    QStringList out;
    for (QAction* top : frame.menuBar()->actions()) {
        if (!top->isVisible() || !top->menu())
            continue;
        out << top->text();
        emit top->menu()->aboutToShow(); // what opening the menu does
        for (QAction* a : top->menu()->actions())
            if (!a->property("tswWindowEntry").toBool())
                out << (a->isSeparator() ? QString() : a->text());
    }
    return out;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void menuTextsFollowTheLanguage();
    void menuTextsStayRightWithAMaximizedEditor();
    void windowMenuComesWithTheFirstEditorAndGoesWithTheLast();
    void anEditorOpensAtMostOnce();
    void treeWindowOffersTheEditMenusEditors();
    void treeWindowOpensAnEditorWithEnterNotWithOneClick();
    void commandsOfLaterPartsRunWhenRegistered();
    void closingAsksFirstAndStoresThePlacement();
    void placementIsRestoredOrMaximized_data();
    void placementIsRestoredOrMaximized();
    void statusPanesShowPortDateAndTime();
    void backgroundFollowsTheMdiClientSection();
    void f1OnAMenuOpensTheCommandsTopic();
    void shortcutsReachTheirCommandsFromInsideAnEditor();

private:
    QTemporaryDir dir_;
};

void MainWindowTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::registerStandInEditors();
}

void MainWindowTest::init() {
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::resetGlobals(dir_.path());
}

void MainWindowTest::menuTextsFollowTheLanguage() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    const QStringList english = expectedTexts(false);
    QCOMPARE(shownTexts(frame), english);
    QCOMPARE(frame.menu(MenuId::File)->title(), QString("&File"));

    QVERIFY(tsw::test::loadTestLanguage(1));
    frame.retranslate();
    const QStringList dutch = expectedTexts(false);
    QCOMPARE(shownTexts(frame), dutch);
    QVERIFY(dutch != english);
    QCOMPARE(frame.action(cmd::FileNew)->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(frame.action(cmd::MemoryMap)->shortcut(), QKeySequence("Ctrl+M"));
}

void MainWindowTest::menuTextsStayRightWithAMaximizedEditor() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.openEditor(cmd::ChannelInformation);
    frame.mdiArea()->activeSubWindow()->showMaximized();
    QVERIFY(frame.mdiArea()->activeSubWindow()->isMaximized());
    QVERIFY(tsw::test::loadTestLanguage(1));
    frame.retranslate();
    QCOMPARE(shownTexts(frame), expectedTexts(true));
    QVERIFY(tsw::test::loadTestLanguage(2));
    frame.refreshMenus();
    QCOMPARE(shownTexts(frame), expectedTexts(true));
}

void MainWindowTest::windowMenuComesWithTheFirstEditorAndGoesWithTheLast() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    QAction* windowMenu = frame.menu(MenuId::Window)->menuAction();
    QCOMPARE(frame.openEditorCount(), 0);
    QVERIFY(!windowMenu->isVisible());

    frame.openEditor(cmd::ChannelInformation);
    QCOMPARE(frame.openEditorCount(), 1);
    QVERIFY(windowMenu->isVisible());
    frame.openEditor(cmd::OptionalFeatures);
    frame.openEditor(cmd::Dtmf);
    QCOMPARE(frame.openEditorCount(), 3);

    frame.mdiArea()->subWindowList().first()->close();
    QTRY_COMPARE(frame.openEditorCount(), 2);
    QVERIFY(windowMenu->isVisible());
    frame.runCommand(cmd::CloseAllWindows);
    QTRY_COMPARE(frame.openEditorCount(), 0);
    QVERIFY(!windowMenu->isVisible());
    QVERIFY(frame.mdiArea()->subWindowList().isEmpty());
}

void MainWindowTest::anEditorOpensAtMostOnce() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    EditorForm* first = frame.openEditor(cmd::ChannelInformation);
    frame.openEditor(cmd::KeyAssignment);
    QCOMPARE(frame.mdiArea()->activeSubWindow()->widget(), frame.openEditorOf(cmd::KeyAssignment));
    // Each frame carries its form's caption, and follows it.
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList()) {
        QVERIFY(!sub->windowTitle().isEmpty());
        QCOMPARE(sub->windowTitle(), sub->widget()->windowTitle());
    }
    first->setWindowTitle(QStringLiteral("Renamed"));
    QCOMPARE(first->parentWidget()->windowTitle(), QStringLiteral("Renamed"));
    frame.runCommand(cmd::ChannelInformation);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 2);
    QCOMPARE(frame.mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(first));
    QCOMPARE(frame.openEditorCount(), 2);

    // A closed editor that is still being deleted is not reused: a new one opens.
    frame.closeAllEditors();
    EditorForm* again = frame.openEditor(cmd::ChannelInformation);
    QVERIFY(again && again != first);
    QTRY_COMPARE(frame.openEditorCount(), 1);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
}

void MainWindowTest::treeWindowOffersTheEditMenusEditors() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.show();
    frame.runCommand(cmd::TreeView);
    QPointer<TreeWindow> tree = frame.treeWindow();
    QVERIFY(tree);
    QVERIFY(globals().flags.treeWindowOpen);
    frame.runCommand(cmd::TreeView); // a second command does nothing
    QCOMPARE(frame.treeWindow(), tree.data());
    QCOMPARE(tree->windowTitle(), plainText(StrId::TitleTreeView));

    QTreeWidgetItem* root = tree->tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QString("HX-5520 (UHF)"));
    QCOMPARE(TreeWindow::commandOf(root), 0);
    QStringList texts;
    QList<int> commands;
    for (int i = 0; i < root->childCount(); ++i) {
        texts << root->child(i)->text(0);
        commands << TreeWindow::commandOf(root->child(i));
    }
    QCOMPARE(commands, (QList<int>{cmd::ChannelInformation, cmd::OptionalFeatures,
                                   cmd::KeyAssignment, cmd::ScanInformation, cmd::TestFrequency,
                                   cmd::EmbeddedMessage, cmd::QtDqtTable}));
    QCOMPARE(texts.first(), plainText(StrId::TitleChannelInformation));
    QVERIFY(root->isExpanded());

    emit tree->tree()->itemDoubleClicked(root->child(1), 0);
    QVERIFY(frame.openEditorOf(cmd::OptionalFeatures));
    emit tree->tree()->itemDoubleClicked(root, 0); // the root opens nothing
    QCOMPARE(frame.openEditorCount(), 1);

    frame.runCommand(cmd::CloseAllWindows);
    QTRY_VERIFY(tree.isNull());
    QVERIFY(!globals().flags.treeWindowOpen);
}

void MainWindowTest::treeWindowOpensAnEditorWithEnterNotWithOneClick() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.runCommand(cmd::TreeView);
    QTreeWidget* tree = frame.treeWindow()->tree();
    QVERIFY(QTest::qWaitForWindowExposed(frame.treeWindow()));
    QApplication::setActiveWindow(frame.treeWindow());
    tree->setFocus();
    QTRY_VERIFY(tree->hasFocus());
    QTreeWidgetItem* root = tree->topLevelItem(0);
    const auto itemOf = [root](int command) {
        for (int i = 0; i < root->childCount(); ++i)
            if (TreeWindow::commandOf(root->child(i)) == command)
                return root->child(i);
        return static_cast<QTreeWidgetItem*>(nullptr);
    };

    // One click selects an item; it opens nothing.
    QTreeWidgetItem* scan = itemOf(cmd::ScanInformation);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(scan).center());
    QCOMPARE(tree->currentItem(), scan);
    QCoreApplication::processEvents();
    QCOMPARE(frame.openEditorCount(), 0);

    // Return and the keypad's Enter open the current item's editor, as a double click does.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                              {Qt::Key_Enter, Qt::KeypadModifier}};
    int opened = 0;
    for (const auto& [key, modifiers] : keys) {
        const int command = key == Qt::Key_Return ? cmd::KeyAssignment : cmd::TestFrequency;
        tree->setCurrentItem(itemOf(command));
        QApplication::setActiveWindow(frame.treeWindow());
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, key, modifiers);
        QTRY_VERIFY(frame.openEditorOf(command));
        QCOMPARE(frame.openEditorCount(), ++opened);
    }
    tree->setCurrentItem(root); // the root opens nothing
    QTest::keyClick(tree, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(frame.openEditorCount(), opened);
    QVERIFY(frame.treeWindow());
    frame.runCommand(cmd::CloseAllWindows);
}

void MainWindowTest::commandsOfLaterPartsRunWhenRegistered() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.runCommand(cmd::ReadFromRadio); // nothing registered: nothing happens
    Shell* seen = nullptr;
    registerCommand(cmd::ReadFromRadio, [&seen](Shell& s) { seen = &s; });
    frame.action(cmd::ReadFromRadio)->trigger();
    QCOMPARE(seen, static_cast<Shell*>(&frame));
    unregisterCommand(cmd::ReadFromRadio);

    globals().flags.closeWithoutAsking = true; // print preview: no channel edit window
    frame.runCommand(cmd::OpenChannelEdit);
    QVERIFY(!frame.openEditorOf(cmd::OpenChannelEdit));
    globals().flags.closeWithoutAsking = false;
    frame.postCommand(cmd::OpenChannelEdit);
    QTRY_VERIFY(frame.openEditorOf(cmd::OpenChannelEdit));
}

void MainWindowTest::closingAsksFirstAndStoresThePlacement() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.setGeometry(40, 50, 640, 480);
    frame.show();
    frame.openEditor(cmd::ChannelInformation);
    globals().image.setByte(0x300, 0x41); // unsaved
    QSignalSpy closed(&frame, &MainWindow::closed);
    DialogScript script;
    script
        .pressOnMessageBox(QMessageBox::No)  // exit? No: everything stays
        .pressOnMessageBox(QMessageBox::Yes) // exit? Yes, save the changes? Cancel: stays
        .pressOnMessageBox(QMessageBox::Cancel)
        .pressOnMessageBox(QMessageBox::Yes) // exit? Yes, save? No: closes, nothing written
        .pressOnMessageBox(QMessageBox::No);
    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.openEditorCount(), 1);
    QVERIFY(!frame.close());
    QVERIFY(!store.readString("Backup", "LastWinPos"));
    QVERIFY(frame.close());
    QVERIFY(script.done());
    QCOMPARE(closed.count(), 1);
    const auto& exit = script.messages()[0];
    QCOMPARE(exit.caption, QString("Confirmation"));
    QCOMPARE(exit.text, uiText(StrId::ExitQuestion));
    QCOMPARE(exit.icon, QMessageBox::Question);
    QCOMPARE(exit.buttons, QMessageBox::Yes | QMessageBox::No);
    const auto& save = script.messages()[2];
    QCOMPARE(save.caption, QString("TSW-62M"));
    QCOMPARE(save.text, uiText(StrId::SaveChangesQuestion) + " \"" +
                            QString::fromStdString(globals().currentFileName) + "\" ?");
    QCOMPARE(save.icon, QMessageBox::Warning);
    QCOMPARE(save.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QVERIFY(hasUnsavedChanges(globals()));
    QVERIFY(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
    const auto stored = settings::readLastWinPos(store);
    QVERIFY(stored);
    QCOMPARE(*stored, frame.placement());
    QCOMPARE(stored->right - stored->left, 640);
    QCOMPARE(stored->showState, 1);

    // Without changes only the exit question comes.
    markSaved(globals());
    frame.show();
    DialogScript again;
    again.pressOnMessageBox(QMessageBox::Yes);
    QVERIFY(frame.close());
    QCOMPARE(closed.count(), 2);
    QVERIFY(again.done());
    QCOMPARE(again.unexpected(), 0);
}

void MainWindowTest::placementIsRestoredOrMaximized_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("absent") << QString() << true << QRect();
    QTest::newRow("nine fields") << "0:1:-1:-1:-1:-1:10:20:650" << true << QRect();
    QTest::newRow("ten fields normal")
        << "0:1:-1:-1:-1:-1:10:20:650:500" << false << QRect(10, 20, 640, 480);
    QTest::newRow("ten fields maximized") << "2:3:-1:-1:-1:-1:10:20:650:500" << true << QRect();
}

void MainWindowTest::placementIsRestoredOrMaximized() {
    QFETCH(QString, stored);
    QFETCH(bool, maximized);
    QFETCH(QRect, geometry);
    MemorySettingsStore store;
    if (!stored.isEmpty())
        store.writeString("Backup", "LastWinPos", stored.toStdString());
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.showAtStoredPlacement();
    QCOMPARE(frame.isMaximized(), maximized);
    if (!maximized)
        QCOMPARE(frame.geometry(), geometry);
}

void MainWindowTest::statusPanesShowPortDateAndTime() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    QCOMPARE(frame.statusPanes()->portPane()->text(), QString("COM1"));
    globals().portNumber = 3;
    frame.refreshPortPane();
    QCOMPARE(frame.statusPanes()->portPane()->text(), QString("COM3"));
    const QDateTime t(QDate(2004, 7, 9), QTime(15, 4, 5));
    QCOMPARE(statusDateText(t), QString("07/09/04"));
    QCOMPARE(statusTimeText(t), QString("03:04:05 PM"));
    QCOMPARE(statusTimeText(QDateTime(QDate(2004, 7, 9), QTime(0, 0, 1))), QString("12:00:01 AM"));
    frame.runCommand(cmd::ViewStatusBar);
    QVERIFY(frame.statusBar()->isHidden());
    QVERIFY(!frame.action(cmd::ViewStatusBar)->isChecked());
    frame.runCommand(cmd::ViewToolbar);
    QVERIFY(frame.toolBar()->isHidden());
}

void MainWindowTest::backgroundFollowsTheMdiClientSection() {
    const QString picture = dir_.filePath("bg.png");
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(QColor(0, 200, 0));
    QVERIFY(img.save(picture));
    for (int mode : {0, 1, 2}) {
        MemorySettingsStore store;
        store.writeInt("MDIClient", "BkColor", 0x0000FF); // red (COLORREF)
        store.writeInt("MDIClient", "DisplayMode", mode);
        store.writeString("MDIClient", "FileName", picture.toStdString());
        {
            MdiClient area(store);
            area.resize(100, 80);
            const QImage shot = area.viewport()->grab().toImage();
            const QColor corner = shot.pixelColor(1, 1);
            const QColor middle = shot.pixelColor(shot.width() / 2, shot.height() / 2);
            QCOMPARE(middle, QColor(0, 200, 0));
            QCOMPARE(corner, mode == 0 ? QColor(255, 0, 0) : QColor(0, 200, 0));
        }
        QCOMPARE(store.readInt("MDIClient", "BkColor"), 0x0000FF); // written back
        QCOMPARE(store.readInt("MDIClient", "OriginX"), 0);
    }
}

void MainWindowTest::f1OnAMenuOpensTheCommandsTopic() {
    tsw::test::RecordingHelp help;
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    frame.show();
    QMenu* file = frame.menu(MenuId::File);
    file->popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(frame.action(cmd::FilePrint));
    QTest::keyClick(file, Qt::Key_F1);
    QCOMPARE(help.opened, std::vector<int>{32900});
}

void MainWindowTest::shortcutsReachTheirCommandsFromInsideAnEditor() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    std::vector<int> ran;
    for (int c : {cmd::ReadFromRadio, cmd::WriteToRadio, cmd::TestMode, cmd::MemoryMap})
        registerCommand(c, [&ran, c](Shell&) { ran.push_back(c); });
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    EditorForm* form = frame.openEditor(cmd::ChannelInformation);
    QWidget* edit = form->body()->findChild<QLineEdit*>();
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    for (Qt::Key k : {Qt::Key_R, Qt::Key_W, Qt::Key_T, Qt::Key_M})
        QTest::keyClick(edit, k, Qt::ControlModifier);
    QCOMPARE(ran, (std::vector<int>{cmd::ReadFromRadio, cmd::WriteToRadio, cmd::TestMode,
                                    cmd::MemoryMap}));
    QVERIFY(frame.openEditorOf(cmd::ChannelInformation)); // Ctrl+W did not close the editor
    for (int c : {cmd::ReadFromRadio, cmd::WriteToRadio, cmd::TestMode, cmd::MemoryMap})
        unregisterCommand(c);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
