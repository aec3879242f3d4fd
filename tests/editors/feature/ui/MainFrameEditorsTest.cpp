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
#include "app/ui/CMainFrame.h"
#include "app/ui/EditorFrame.h"
#include "editors/feature/ui/CCrewLinkView.h"
#include "editors/feature/ui/CDtmfView.h"
#include "editors/feature/ui/CEmbView.h"
#include "editors/feature/ui/CFeatureView.h"
#include "editors/feature/ui/CKeyView.h"
#include "editors/feature/ui/CScanView.h"
#include "editors/feature/ui/FieldBinder.h"
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
    {cmd::OptionalFeatures, &CFeatureView::staticMetaObject, true, 1239}, // time-out timer
    {cmd::KeyAssignment, &CKeyView::staticMetaObject, true, feature::kKeyPf1ListId},
    {cmd::ScanInformation, &CScanView::staticMetaObject, true, 1048}, // priority
    {cmd::Dtmf, &CDtmfView::staticMetaObject, false, 1067},           // speed
    {cmd::CrewLink, &CCrewLinkView::staticMetaObject, false, 1103},   // own fleet
    {cmd::EmbeddedMessage, &CEmbView::staticMetaObject, true, 0},     // the first line
};

QWidget* firstFocus(const Editor& e, EditorForm* form) {
    if (e.firstFocusId != 0)
        return findControl(form, e.firstFocusId);
    return static_cast<CEmbView*>(form)->line(0);
}

int framesShowing(const CMainFrame& frame, const QMetaObject* view) {
    int n = 0;
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
        if (auto* f = qobject_cast<EditorFrame*>(sub); f && f->form()->metaObject() == view)
            ++n;
    return n;
}

} // namespace

class MainFrameEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void eachEditorOpensOnceFromItsCommand();
    void treeWindowOffersTheMenuEditorsOnly();

private:
    MemorySettingsStore settings_;
    test::ScriptedPrompt prompt_;
};

void MainFrameEditorsTest::eachEditorOpensOnceFromItsCommand() {
    CMainFrame frame(settings_, CMainFrame::Options{false, nullptr, {}});
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

void MainFrameEditorsTest::treeWindowOffersTheMenuEditorsOnly() {
    CMainFrame frame(settings_, CMainFrame::Options{false, nullptr, {}});
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
    QTRY_COMPARE(framesShowing(frame, &CKeyView::staticMetaObject), 1);
    frame.closeAllEditors();
}

QTEST_MAIN(MainFrameEditorsTest)
#include "MainFrameEditorsTest.moc"
