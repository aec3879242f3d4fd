// Alt and a menu title's underlined letter open that menu from the control that has the focus
// in every editor window, in every language: also where a control of the window carries the
// same letter (the channel table's "Channel &Edit", each form's "&Help").

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/Settings.h"
#include "app/ui/EditorForm.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/EditorWindows.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

namespace {

// Every editor window; the channel edit window opens beside the channel table.
constexpr int kEditors[] = {cmd::ChannelInformation, cmd::OpenChannelEdit, cmd::OptionalFeatures,
                            cmd::KeyAssignment,      cmd::ScanInformation, cmd::Dtmf,
                            cmd::CrewLink,           cmd::TestFrequency,   cmd::EmbeddedMessage};

Qt::Key mnemonicKey(const QString& title) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(title);
    return mnemonic.isEmpty() ? Qt::Key_unknown : mnemonic[0].key();
}

} // namespace

class MenuMnemonicsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerEditorWindows(); }
    void everyMenuOpensFromEveryEditor_data();
    void everyMenuOpensFromEveryEditor();
    void otherAltKeysStillReachTheForm();

private:
    MemorySettingsStore settings_;
    test::ScriptedPrompt prompt_;
};

void MenuMnemonicsTest::everyMenuOpensFromEveryEditor_data() {
    QTest::addColumn<int>("code");
    for (int code = 1; code <= 6; ++code)
        QTest::newRow(QByteArray(1, "xdefgis"[code])) << code;
}

void MenuMnemonicsTest::everyMenuOpensFromEveryEditor() {
    QFETCH(int, code);
    QVERIFY(test::loadTestLanguage(code));
    test::resetGlobals(QString());
    MainWindow frame(settings_, test::quietFrameOptions());
    frame.setPrompt(&prompt_);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    for (const int command : kEditors) {
        frame.runCommand(command);
        EditorForm* form = frame.openEditorOf(command);
        QVERIFY(form);
        QTRY_VERIFY(QApplication::focusWidget() && form->isAncestorOf(QApplication::focusWidget()));
        QWidget* focus = QApplication::focusWidget();
        const int editorsOpen = frame.openEditorCount();
        for (QAction* title : frame.menuBar()->actions()) {
            if (!title->menu() || !title->isVisible())
                continue;
            const QByteArray what = QStringLiteral("%1 from %2 (%3)")
                                        .arg(title->text(), QString::number(command),
                                             QString::fromLatin1(focus->metaObject()->className()))
                                        .toUtf8();
            QTest::keyClick(focus, mnemonicKey(title->text()), Qt::AltModifier);
            QTRY_VERIFY2(title->menu()->isVisible(), what.constData());
            QCOMPARE(frame.menuBar()->activeAction(), title);
            title->menu()->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QCOMPARE(frame.openEditorCount(), editorsOpen); // no button of the form was pressed
            QCOMPARE(frame.openEditorOf(command), form);
        }
    }
    frame.closeAllEditors();
    QTRY_COMPARE(frame.openEditorCount(), 0);
    QVERIFY(test::loadTestLanguage(2));
}

// A letter that no menu title carries still reaches the form: Alt+C closes the editor with its
// Close button; Ctrl+Alt (AltGr) is not taken for a menu either.
void MenuMnemonicsTest::otherAltKeysStillReachTheForm() {
    QVERIFY(test::loadTestLanguage(2));
    test::resetGlobals(QString());
    MainWindow frame(settings_, test::quietFrameOptions());
    frame.setPrompt(&prompt_);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QApplication::setActiveWindow(&frame);
    frame.runCommand(cmd::ScanInformation);
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier | Qt::ControlModifier);
    QVERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(frame.openEditorCount(), 0);
}

QTEST_MAIN(MenuMnemonicsTest)
#include "MenuMnemonicsTest.moc"
