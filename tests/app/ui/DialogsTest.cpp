// Model Information, Language File Setup and the About box.

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/LanguageSetupDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ModelDisplay.h"
#include "app/ui/ModelInfoDialog.h"
#include "app/ui/UiText.h"
#include "app/ui/help/HelpWindow.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::DialogScript;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void choosingABandWritesTheBandCode();
    void cancelPutsBackEveryChangedByte();
    void enterMovesBetweenTheLists();
    void modelInformationThroughTheMenu();
    void languageSetupReloadsAndReopensTheEditors();
    void languageSetupCancelChangesNothing();
    void languageSetupRenamesAnUntitledImageAtOnce_data();
    void languageSetupRenamesAnUntitledImageAtOnce();

private:
    QTemporaryDir dir_;
};

void DialogsTest::initTestCase() {
    tsw::test::registerStandInEditors();
}

void DialogsTest::init() {
    QVERIFY(tsw::test::loadTestLanguage(2));
    tsw::test::resetGlobals(dir_.path());
}

void DialogsTest::choosingABandWritesTheBandCode() {
    globals().flags.modelGroup = false;
    globals().image.setByte(layout::kBandCode, 0x93);
    const RadioImage before = globals().image;
    ModelInfoDialog dialog;
    QCOMPARE(dialog.modelList()->count(), 1);
    QCOMPARE(dialog.modelList()->currentText(), QString("HX-5520 (UHF)"));
    QCOMPARE(dialog.frequencyList()->currentText(), QString("446 MHz(E)(T)"));
    QVERIFY(globals().flags.modelGroup);   // entry 0 belongs to the first group
    emit dialog.modelList()->activated(0); // the same model again: nothing changes
    QVERIFY(globals().image == before);
    emit dialog.frequencyList()->activated(0);
    QCOMPARE(globals().image.byte(layout::kBandCode), 0x92);
    globals().image.setByte(layout::kBandCode, 0x92);
    emit dialog.frequencyList()->activated(0); // also when it already was
    QCOMPARE(tsw::test::differingOffsets(before, globals().image),
             std::vector<std::size_t>{layout::kBandCode});
    dialog.accept();
    QCOMPARE(globals().image.byte(layout::kBandCode), 0x92); // OK keeps the change
}

void DialogsTest::cancelPutsBackEveryChangedByte() {
    const RadioImage before = globals().image;
    ModelInfoDialog dialog;
    emit dialog.frequencyList()->activated(0);
    globals().image.setByte(0x123, 0x00); // any byte changed meanwhile
    dialog.reject();
    QVERIFY(globals().image == before);
}

void DialogsTest::enterMovesBetweenTheLists() {
    ModelInfoDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    dialog.modelList()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.modelList()));
    QTest::keyClick(dialog.modelList(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.frequencyList()));
    QTest::keyClick(dialog.frequencyList(), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.modelList()));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void DialogsTest::modelInformationThroughTheMenu() {
    MemorySettingsStore store;
    MainWindow frame(store, tsw::test::quietFrameOptions());
    globals().image.setByte(layout::kBandCode, 0x93);
    DialogScript script;
    script.on<ModelInfoDialog>([](ModelInfoDialog* d) {
        emit d->frequencyList()->activated(0);
        d->accept();
    });
    frame.runCommand(cmd::ModelInformation);
    QVERIFY(script.done());
    QCOMPARE(globals().image.byte(layout::kBandCode), 0x92);
    QCOMPARE(frame.modelDisplay()->modelText(), QString("HX-5520 (UHF)"));
    QCOMPARE(frame.modelDisplay()->bandText(), QString("UHF:446 MHz"));
}

void DialogsTest::languageSetupReloadsAndReopensTheEditors() {
    MemorySettingsStore store;
    tsw::test::ScriptedPrompt prompt;
    HelpSystem help(prompt, currentHelpTexts);
    help.setHelpFile(dir_.filePath("tsw62m_e.qch"));
    MainWindow::Options o = tsw::test::quietFrameOptions();
    o.help = &help;
    std::vector<int> loaded;
    o.reloadLanguage = [&loaded](int code) {
        loaded.push_back(code);
        return tsw::test::loadTestLanguage(code);
    };
    MainWindow frame(store, o);
    const QPointer<EditorForm> channels = frame.openEditor(cmd::ChannelInformation);
    frame.openEditor(cmd::ScanInformation);
    const QString englishFile = frame.menu(MenuId::File)->title();

    DialogScript script;
    script.then([](QWidget* w) {
        auto* d = qobject_cast<LanguageSetupDialog*>(w);
        if (!d)
            return false;
        if (d->list()->count() != 6 || d->list()->currentIndex() != 1)
            return false;              // English preselected
        d->list()->setCurrentIndex(0); // Dutch
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        return true;
    });
    frame.runCommand(cmd::LanguageFileSetup);
    QVERIFY(script.done());
    QCOMPARE(loaded, std::vector<int>{1});
    QCOMPARE(globals().languageCode, 1);
    QCOMPARE(frame.menu(MenuId::File)->title(), uiText(StrId::MenuFile));
    QVERIFY(frame.menu(MenuId::File)->title() != englishFile);
    QVERIFY(help.helpFile().endsWith("/tsw62m_d.qch"));
    QTRY_VERIFY(frame.openEditorOf(cmd::ChannelInformation) && !channels); // reopened
    QTRY_COMPARE(frame.openEditorCount(), 1); // Scan closed, channel information reopened
}

void DialogsTest::languageSetupCancelChangesNothing() {
    MemorySettingsStore store;
    MainWindow::Options o = tsw::test::quietFrameOptions();
    bool reloaded = false;
    o.reloadLanguage = [&reloaded](int) { return reloaded = true; };
    MainWindow frame(store, o);
    frame.openEditor(cmd::ScanInformation);
    DialogScript script;
    script.cancel();
    frame.runCommand(cmd::LanguageFileSetup);
    QVERIFY(script.done());
    QVERIFY(!reloaded);
    QCOMPARE(globals().languageCode, 2);
    QVERIFY(frame.openEditorOf(cmd::ScanInformation));

    LanguageSetupDialog none(0);
    QCOMPARE(none.list()->currentIndex(), -1);
    none.accept(); // no selection: nothing happens
    QCOMPARE(none.result(), 0);
}

void DialogsTest::languageSetupRenamesAnUntitledImageAtOnce_data() {
    QTest::addColumn<QString>("fileName"); // empty: the default name
    QTest::addColumn<QString>("expected");
    QTest::newRow("untitled") << QString() << "Unbenannt";
    QTest::newRow("named") << "radio.dat"
                           << "radio.dat";
    QTest::newRow("named like the default") << "Untitled.dat"
                                            << "Untitled.dat";
}

// The default file name is shown in the language chosen, as soon as it is chosen; a file's own
// name stays.
void DialogsTest::languageSetupRenamesAnUntitledImageAtOnce() {
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    MemorySettingsStore store;
    MainWindow::Options o = tsw::test::quietFrameOptions();
    o.reloadLanguage = [](int code) { return tsw::test::loadTestLanguage(code); };
    MainWindow frame(store, o);
    if (!fileName.isEmpty()) {
        globals().currentFileName = fileName.toStdString();
        frame.refreshModelDisplay();
    }
    DialogScript script;
    script.then([](QWidget* w) {
        auto* d = qobject_cast<LanguageSetupDialog*>(w);
        if (!d)
            return false;
        d->list()->setCurrentIndex(3); // German
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        return true;
    });
    frame.runCommand(cmd::LanguageFileSetup);
    QVERIFY(script.done());
    QCOMPARE(globals().languageCode, 4);
    QCOMPARE(QString::fromStdString(globals().currentFileName), expected);
    QCOMPARE(frame.modelDisplay()->fileText(), expected);
    QVERIFY(tsw::test::loadTestLanguage(2));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
