// Start-up and exit through a real INI file in a temporary home: defaults and clamps, the
// results of the start-up steps, the values written back, the language file failures.

#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/ui/Help.h"
#include "app/ui/IniSettingsStore.h"
#include "app/ui/MainWindow.h"
#include "app/ui/main/Application.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

using namespace tsw;
using namespace tsw::ui;
using tsw::test::DialogScript;
using tsw::test::testStartOptions;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sectionNamesCompareWithoutCase();
    void settingsAreReadWithTheirDefaultsAndWrittenBack_data();
    void settingsAreReadWithTheirDefaultsAndWrittenBack();
    void startUpShowsTheChannelEditorAtTheStoredPlacement();
    void aFileOnTheCommandLineIsOpened();
    void languageFileFailuresEndTheProgram_data();
    void languageFileFailuresEndTheProgram();

private:
    std::unique_ptr<tsw::test::TempSettingsHome> home_;
};

void StartupTest::initTestCase() {
    tsw::test::registerStandInEditors();
}

void StartupTest::init() {
    home_ = std::make_unique<tsw::test::TempSettingsHome>();
    tsw::test::resetGlobals(QString());
}

void StartupTest::cleanup() {
    home_.reset();
}

void StartupTest::sectionNamesCompareWithoutCase() {
    home_->writeIni("[BackUp]\nDirectry=/radio/data/\n");
    {
        IniSettingsStore store;
        QCOMPARE(store.fileName(), home_->iniPath());
        QCOMPARE(store.readString("Backup", "Directry").value_or(""), "/radio/data/");
        QCOMPARE(store.readString("BACKUP", "Directry").value_or(""), "/radio/data/");
        QVERIFY(!store.readString("Backup", "directry")); // value names keep their case
        store.writeInt("backup", "ComPort", 3);
        store.writeString("Other", "List", "a,b,c");
        QCOMPARE(store.readString("Other", "List").value_or(""), "a,b,c");
        QCOMPARE(store.childKeys("BACKUP"), (std::vector<std::string>{"ComPort", "Directry"}));
    }
    const QString text = home_->readIni();
    QCOMPARE(text.count("[BackUp]"), 1);
    QVERIFY(!text.contains("[backup]"));
    QVERIFY(text.contains("ComPort=3"));
}

void StartupTest::settingsAreReadWithTheirDefaultsAndWrittenBack_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("helpLetter");
    QTest::newRow("nothing stored") << "" << 1 << 1 << "d";
    QTest::newRow("language 0, port 5") << "Language=0\nComPort=5\n" << 2 << 1 << "e";
    QTest::newRow("language 7, port 0") << "Language=7\nComPort=0\n" << 2 << 1 << "e";
    QTest::newRow("language 3, port 4") << "Language=3\nComPort=4\n" << 3 << 4 << "f";
    QTest::newRow("not numbers") << "Language=x\nComPort=two\n" << 1 << 1 << "d";
}

void StartupTest::settingsAreReadWithTheirDefaultsAndWrittenBack() {
    QFETCH(QString, ini);
    QFETCH(int, language);
    QFETCH(int, port);
    QFETCH(QString, helpLetter);
    home_->writeIni("[Backup]\nLastModel=11:22:33:44:5:66:77:88\n" + ini);
    {
        Application app(testStartOptions());
        QVERIFY(app.initInstance());
        const AppGlobals& g = globals();
        QCOMPARE(g.languageCode, language);
        QCOMPARE(g.portNumber, port);
        QCOMPARE(g.dataDirectory, std::string(TSW_BIN_DIR) + "/DATA/");
        QCOMPARE(app.help().helpFile(), QString(TSW_BIN_DIR "/tsw62m_%1.qch").arg(helpLetter));
        QVERIFY(!app.help().engineStarted()); // help starts on first use only
        QCOMPARE(g.identity, (ModelIdentity{0x48, 0x35, 0x35, 0x32, 0x30, 0x92, 0xF3, 0xFF}));
        QCOMPARE(app.exitInstance(0), 0);
    }
    const QString written = home_->readIni();
    QVERIFY2(written.contains(QString("Language=%1").arg(language)), qPrintable(written));
    QVERIFY(written.contains(QString("ComPort=%1").arg(port)));
    QVERIFY(written.contains("LastModel=48:35:35:32:30:92:F3:FF"));
    QVERIFY(written.contains("Directry=" TSW_BIN_DIR "/DATA/"));
}

void StartupTest::startUpShowsTheChannelEditorAtTheStoredPlacement() {
    home_->writeIni("[Backup]\nLanguage=2\nLastWinPos=0:1:-1:-1:-1:-1:30:40:830:640\n");
    Application app(testStartOptions());
    QVERIFY(app.initInstance());
    MainWindow* frame = app.mainWindow();
    QVERIFY(frame->isVisible());
    QVERIFY(!frame->isMaximized());
    QCOMPARE(frame->geometry(), QRect(30, 40, 800, 600));
    QVERIFY(!hasUnsavedChanges(globals()));
    QCOMPARE(frame->openEditorCount(), 0); // the channel editor is posted, not opened yet
    QTRY_VERIFY(frame->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(frame->openEditorCount(), 1);
    QCOMPARE(frame->menu(MenuId::File)->title(), QString("&File"));
}

void StartupTest::aFileOnTheCommandLineIsOpened() {
    const QString file = home_->path() + "/today.dat";
    RadioImage image = globals().image;
    image.setByte(0x300, 'A');
    QVERIFY(datafile::writeDataFile(file.toStdString(), image));
    StartOptions options = testStartOptions();
    options.files = Application::parseCommandLine({"tsw62m", "-x", file}).files;
    QCOMPARE(options.files, QStringList{file});
    Application app(options);
    QVERIFY(app.initInstance());
    QVERIFY(globals().image == image);
    QCOMPARE(globals().currentFileName, std::string("today.dat"));
    QCOMPARE(globals().dataDirectory, home_->path().toStdString() + "/");
    QVERIFY(app.mainWindow()->isMaximized()); // no stored placement
    QTRY_VERIFY(app.mainWindow()->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(app.mainWindow()->mdiArea()->subWindowList().size(), 1);
    app.exitInstance(0);
    QVERIFY(home_->readIni().contains("Directry=" + home_->path() + "/"));
}

void StartupTest::languageFileFailuresEndTheProgram_data() {
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QString()
                             << "Can't read language file.  Please install this software again.";
    QTest::newRow("damaged") << "^#001001001\nOK\n"
                             << "Language file has been damaged.  Please install this software "
                                "again.";
}

void StartupTest::languageFileFailuresEndTheProgram() {
    QFETCH(QString, fileText);
    QFETCH(QString, message);
    QTemporaryDir programDir;
    home_->writeIni("[Backup]\nLanguage=2\n");
    if (!fileText.isEmpty())
        tsw::test::writeTextFile(programDir.filePath("tsw62m_e.lng"), fileText);
    StartOptions options = testStartOptions();
    options.programDirectory = programDir.path();
    Application app(options);
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Ok);
    QVERIFY(!app.initInstance());
    QVERIFY(script.done());
    QCOMPARE(script.messages()[0].text, message);
    QCOMPARE(script.messages()[0].caption, QString("TSW-62M"));
    QCOMPARE(script.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(app.exitCode(), 1);
    QVERIFY(!app.mainWindow());
    QCOMPARE(app.exitInstance(0), 1);
    QVERIFY(!home_->readIni().contains("ComPort")); // nothing written
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
