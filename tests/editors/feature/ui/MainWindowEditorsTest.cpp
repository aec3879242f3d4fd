// The feature editors opened through the main frame: from the Edit menu, from the tree window
// and (DTMF, CrewLink) by their menu-less commands; each at most once, with the focus on its
// first field.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/EditorFrame.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "editors/feature/ui/CrewLinkView.h"
#include "editors/feature/ui/DtmfView.h"
#include "editors/feature/ui/EmbeddedMessageView.h"
#include "editors/feature/ui/FieldBinder.h"
#include "editors/feature/ui/KeyAssignmentView.h"
#include "editors/feature/ui/OptionalFeaturesView.h"
#include "editors/feature/ui/ScanView.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

struct Editor {
    int command;
    const QMetaObject* view;
    bool inMenu;
    int firstFocusId; // the control the window opens with the focus on; 0: see firstFocus()
};
const Editor kEditors[] = {
    {cmd::OptionalFeatures, &OptionalFeaturesView::staticMetaObject, true, 1239}, // time-out timer
    {cmd::KeyAssignment, &KeyAssignmentView::staticMetaObject, true, feature::kKeyPf1ListId},
    {cmd::ScanInformation, &ScanView::staticMetaObject, true, 1048},         // priority
    {cmd::Dtmf, &DtmfView::staticMetaObject, false, 1067},                   // speed
    {cmd::CrewLink, &CrewLinkView::staticMetaObject, false, 1103},           // own fleet
    {cmd::EmbeddedMessage, &EmbeddedMessageView::staticMetaObject, true, 0}, // the first line
};

QWidget* firstFocus(const Editor& e, EditorForm* form) {
    if (e.firstFocusId != 0)
        return findControl(form, e.firstFocusId);
    return static_cast<EmbeddedMessageView*>(form)->line(0);
}

int framesShowing(const MainWindow& frame, const QMetaObject* view) {
    int n = 0;
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
        if (auto* f = qobject_cast<EditorFrame*>(sub); f && f->form()->metaObject() == view)
            ++n;
    return n;
}

} // namespace

class MainWindowEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::registerEditorWindows(); }
    void init() { test::setUpGlobals(); }
    void eachEditorOpensOnceFromItsCommand();
    void treeWindowOffersTheMenuEditorsOnly();

private:
    MemorySettingsStore settings_;
    test::ScriptedPrompt prompt_;
};

void MainWindowEditorsTest::eachEditorOpensOnceFromItsCommand() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    for (const Editor& e : kEditors) {
        QAction* item = frame.action(e.command);
        QCOMPARE(item != nullptr, e.inMenu);
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (item)
                item->trigger();
            else
                frame.runCommand(e.command);
            QCoreApplication::processEvents();
        }
        QCOMPARE(framesShowing(frame, e.view), 1);
        EditorForm* form = frame.openEditorOf(e.command);
        QCOMPARE(form->metaObject(), e.view);
        QWidget* expected = firstFocus(e, form);
        QVERIFY(expected);
        QTRY_COMPARE(QApplication::focusWidget(), expected);
        if (e.command == cmd::OptionalFeatures)
            test::saveScreenshot(&frame, "optional-features-opened");
    }
    QCOMPARE(frame.openEditorCount(), 6);
    frame.closeAllEditors();
    QTRY_COMPARE(frame.openEditorCount(), 0);
}

void MainWindowEditorsTest::treeWindowOffersTheMenuEditorsOnly() {
    MainWindow frame(settings_, MainWindow::Options{false, nullptr, {}});
    frame.setPrompt(&prompt_);
    frame.runCommand(cmd::TreeView);
    QTRY_VERIFY(frame.treeWindow());
    QTreeWidgetItem* root = frame.treeWindow()->tree()->topLevelItem(0);
    QList<int> commands;
    for (int i = 0; i < root->childCount(); ++i)
        commands << TreeWindow::commandOf(root->child(i));
    for (const Editor& e : kEditors)
        QCOMPARE(commands.contains(e.command), e.inMenu);
    for (int i = 0; i < root->childCount(); ++i)
        if (TreeWindow::commandOf(root->child(i)) == cmd::KeyAssignment) {
            QTreeWidget* tree = frame.treeWindow()->tree();
            tree->setCurrentItem(root->child(i));
            emit tree->itemDoubleClicked(root->child(i), 0);
        }
    QTRY_COMPARE(framesShowing(frame, &KeyAssignmentView::staticMetaObject), 1);
    frame.closeAllEditors();
}

QTEST_MAIN(MainWindowEditorsTest)
#include "MainWindowEditorsTest.moc"
