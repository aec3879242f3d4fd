// The feature editors opened through the main frame: from the Edit menu, from the tree window
// and (DTMF, CrewLink) by their menu-less commands; each at most once. With
// TSW_SCREENSHOT_DIR set, the main window is saved with each editor open.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
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
    const char* name;
    const QMetaObject* view;
    bool inMenu;
    int help;
    StringId title;
};
const Editor kEditors[] = {
    {cmd::OptionalFeatures, "optional-features", &CFeatureView::staticMetaObject, true, 152,
     StrId::TitleOptionalFeatures},
    {cmd::KeyAssignment, "key-assignment", &CKeyView::staticMetaObject, true, 153,
     StrId::TitleKeyAssignment},
    {cmd::ScanInformation, "scan", &CScanView::staticMetaObject, true, 154,
     StrId::TitleScanInformation},
    {cmd::Dtmf, "dtmf", &CDtmfView::staticMetaObject, false, 155, StrId::TitleDtmf},
    {cmd::CrewLink, "crewlink", &CCrewLinkView::staticMetaObject, false, 156, StrId::TitleCrewLink},
    {cmd::EmbeddedMessage, "embedded-message", &CEmbView::staticMetaObject, true, 159,
     StrId::TitleEmbeddedMessage},
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
    frame.resize(1180, 820);
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
        EditorForm* form = frame.openEditorOf(e.command);
        QVERIFY(form);
        QCOMPARE(form->metaObject(), e.view);
        QCOMPARE(form->helpContext(), e.help);
        QCOMPARE(form->windowTitle(), langText(e.title));
        QCoreApplication::processEvents();
        test::saveScreenshot(&frame, QString("main-") + e.name);
        frame.mdiArea()->activeSubWindow()->showMaximized();
        QCoreApplication::processEvents();
        test::saveScreenshot(&frame, QString("main-max-") + e.name);
        if (auto* tabs = form->findChild<QTabWidget*>())
            for (int tab = 1; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                test::saveScreenshot(&frame, QString("main-max-%1-tab%2").arg(e.name).arg(tab));
            }
        frame.mdiArea()->activeSubWindow()->showNormal();
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
