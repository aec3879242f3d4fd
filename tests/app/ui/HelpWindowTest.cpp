// The help window on a small compiled help book: topics by context number, the default
// topic, contents, index and search tabs, the missing-book message, closing.

#include <QDialog>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/HelpModule.h"
#include "app/ui/QtLanguage.h"
#include "app/ui/help/HelpWindow.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void topicsOpenByContextNumber();
    void theTabsShowContentsIndexAndSearch();
    void helpBesideAModalDialogTakesInput();
    void aMissingBookIsReportedWithItsPath();
    void anotherBookRestartsTheEngine();
    void f1InAFormReachesTheBook();
    void theProgramsHelpLoadsTheModuleOnFirstUse();
    void aMissingHelpModuleIsReportedWithItsPath();
    void qtTextsOfTheSearchPageFollowTheLanguage();

private:
    QTemporaryDir dir_;
};

void HelpWindowTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(tsw::test::loadTestLanguage(2));
    QVERIFY(QFile::exists(TSW_HELP_FIXTURE));
}

void HelpWindowTest::topicsOpenByContextNumber() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    QVERIFY(!help.engineStarted());
    QVERIFY(help.openContext(130));
    QVERIFY(help.engineStarted());
    QVERIFY(help.window()->isVisible());
    QVERIFY(help.window()->currentPage().toString().endsWith("/model.html"));
    QVERIFY(help.window()->browser()->toPlainText().contains("frequency band"));

    QVERIFY(help.openContext(1239));
    QCOMPARE(help.window()->currentPage().fragment(), QString("tot"));
    QVERIFY(!help.openContext(152)); // no topic: the caller falls back

    setHelpHandler(&help);
    showHelp(152); // falls back to the default topic
    QVERIFY(help.window()->currentPage().toString().endsWith("/index.html"));
    closeAllHelp();
    QVERIFY(!help.window()->isVisible());
    setHelpHandler(nullptr);
    QVERIFY(prompt.asked.empty());
}

// A modal dialog blocks input to every window but itself and its own windows: help opened from
// it must be one of its windows while it runs, and a window of its own after it.
void HelpWindowTest::helpBesideAModalDialogTakesInput() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    QDialog dialog;
    bool owned = false;
    QTimer::singleShot(0, &dialog, [&] {
        owned = help.openContext(130) && help.window()->isWindow() &&
                help.window()->parentWidget() == &dialog && help.window()->isVisible();
        dialog.accept();
    });
    dialog.exec();
    QVERIFY(owned);
    QVERIFY(help.window() && help.window()->isVisible());
    QVERIFY(!help.window()->parentWidget());
    QVERIFY(help.openContext(1239)); // the same window and engine go on
    QCOMPARE(help.window()->currentPage().fragment(), QString("tot"));
}

void HelpWindowTest::theTabsShowContentsIndexAndSearch() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    help.showIndex();
    QCOMPARE(help.window()->tabs()->currentIndex(), int(HelpWindow::Tab::Index));
    QHelpEngine* engine = help.engine();
    QTRY_VERIFY(engine->indexModel()->stringList().contains("Model Information"));
    QTRY_VERIFY(engine->contentModel()->rowCount() > 0);
    help.showSearch();
    QCOMPARE(help.window()->tabs()->currentIndex(), int(HelpWindow::Tab::Search));
    help.showContents();
    QCOMPARE(help.window()->tabs()->currentIndex(), int(HelpWindow::Tab::Contents));
}

void HelpWindowTest::aMissingBookIsReportedWithItsPath() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    const QString missing = dir_.filePath("tsw62m_e.qch");
    help.setHelpFile(missing);
    QVERIFY(help.openContext(130)); // reported: no second attempt at the default topic
    help.openDefault();
    QCOMPARE(prompt.asked.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(prompt.asked[0].text),
             "Html Help File Does Not Exist\n\n   File Path [ " + missing + " ]");
    QVERIFY(!help.engineStarted());
}

void HelpWindowTest::anotherBookRestartsTheEngine() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    help.openDefault();
    QVERIFY(help.engineStarted());
    const QString copy = dir_.filePath("tsw62m_d.qch");
    QVERIFY(QFile::copy(TSW_HELP_FIXTURE, copy));
    help.setHelpFile(copy);
    QVERIFY(!help.engineStarted());
    QVERIFY(!help.window());
    QVERIFY(help.openContext(130));
    QVERIFY(help.window()->currentPage().toString().endsWith("/model.html"));
}

void HelpWindowTest::f1InAFormReachesTheBook() {
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    setHelpHandler(&help);
    EditorForm form(130);
    auto* edit = new QLineEdit(form.body());
    setControlId(edit, 1239);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(help.window()->currentPage().fragment(), QString("tot"));
    form.helpButton()->click();
    QVERIFY(help.window()->currentPage().toString().endsWith("/model.html"));
    QCOMPARE(help.window()->currentPage().fragment(), QString());
    setHelpHandler(nullptr);
}

// The program's help service: the module beside the program, loaded by the first request,
// with the book chosen before and after loading, and the window in the current language.
void HelpWindowTest::theProgramsHelpLoadsTheModuleOnFirstUse() {
    tsw::test::ScriptedPrompt prompt;
    auto help = makeHelpService(prompt, QStringLiteral(TSW_BIN_DIR));
    help->setHelpFile(TSW_HELP_FIXTURE);
    QCOMPARE(help->helpFile(), QString(TSW_HELP_FIXTURE));
    QVERIFY(!help->engineStarted());
    QVERIFY(help->openContext(130));
    QVERIFY(help->engineStarted());
    QMainWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == currentHelpTexts().title)
            window = qobject_cast<QMainWindow*>(w);
    QVERIFY(window);
    QVERIFY(!help->openContext(152)); // no such topic: the caller falls back
    help->closeAll();
    QVERIFY(!window->isVisible());

    const QString copy = dir_.filePath("tsw62m_g.qch");
    QVERIFY(QFile::copy(TSW_HELP_FIXTURE, copy));
    help->setHelpFile(copy); // another book restarts the engine
    QVERIFY(!help->engineStarted());
    help->openDefault();
    QVERIFY(help->engineStarted());
    help->closeAll();
    QVERIFY(prompt.asked.empty());
}

void HelpWindowTest::aMissingHelpModuleIsReportedWithItsPath() {
    tsw::test::ScriptedPrompt prompt;
    auto help = makeHelpService(prompt, dir_.path()); // a program directory without the module
    help->setHelpFile(TSW_HELP_FIXTURE);
    QVERIFY(help->openContext(130)); // reported: no second attempt at the default topic
    help->openDefault();
    help->closeAll();
    QCOMPARE(prompt.asked.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(prompt.asked[0].text),
             "Html Help File Does Not Exist\n\n   File Path [ " + dir_.path() +
                 "/libtsw62m-help.so ]");
    QVERIFY(!help->engineStarted());
}

// The search page's own texts are Qt's ("Search for:", "0 - 0 of 0 Hits"): they follow the
// language with Qt's help catalogue, whether the window exists before the change or not.
void HelpWindowTest::qtTextsOfTheSearchPageFollowTheLanguage() {
    if (!applyQtLanguage(4))
        QSKIP("Qt's German catalogue is not installed (qt6-translations-l10n)");
    const auto searchTexts = [](QWidget* page) {
        QStringList texts;
        for (const QLabel* l : page->findChildren<QLabel*>())
            texts << l->text();
        for (const QPushButton* b : page->findChildren<QPushButton*>())
            texts << b->text();
        return texts.join(QLatin1Char('|'));
    };
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(TSW_HELP_FIXTURE);
    help.showSearch();
    QWidget* page = help.window()->tabs()->currentWidget();
    QTRY_VERIFY2(searchTexts(page).contains(QStringLiteral("Treffern")),
                 qPrintable(searchTexts(page)));
    QVERIFY2(!searchTexts(page).contains(QStringLiteral("Hits")), qPrintable(searchTexts(page)));
    applyQtLanguage(2);
    QTRY_VERIFY2(searchTexts(page).contains(QStringLiteral("Hits")), qPrintable(searchTexts(page)));
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
