// The feature editors opened through the main frame: from the Edit menu, from the tree window
// and (DTMF, CrewLink) by their menu-less commands; each at most once.

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
};
const Editor kEditors[] = {
    {cmd::OptionalFeatures, &CFeatureView::staticMetaObject, true},
    {cmd::KeyAssignment, &CKeyView::staticMetaObject, true},
    {cmd::ScanInformation, &CScanView::staticMetaObject, true},
    {cmd::Dtmf, &CDtmfView::staticMetaObject, false},
    {cmd::CrewLink, &CCrewLinkView::staticMetaObject, false},
    {cmd::EmbeddedMessage, &CEmbView::staticMetaObject, true},
};

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
        QCOMPARE(frame.openEditorOf(e.command)->metaObject(), e.view);
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
