// The whole program against the simulated radio: start-up from a settings file whose "Ports"
// section maps COM1 to the simulator's pseudo-terminal, then the Program menu's Read and Write
// through the main frame, as a user would choose them.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CQb5812App.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/StatusPanes.h"
#include "editors/channel/ui/CChInfoView.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/TransferDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using namespace tsw::ui;

namespace {

RadioImage radioMemory() {
    RadioImage m = defaultImage();
    m.setByte(layout::channelOffset(4), 0x07);
    m.setByte(layout::kMessageLine1, 'S');
    return m;
}

} // namespace

class ProgramLinkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readAndWriteThroughTheProgramMenu();
};

void ProgramLinkTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // The commands and the channel table as the program has them (it links them whole).
    registerCommand(cmd::ReadFromRadio, runReadFromRadio);
    registerCommand(cmd::WriteToRadio, runWriteToRadio);
    registerEditor(cmd::ChannelInformation, [] { return new CChInfoView; });
}

void ProgramLinkTest::readAndWriteThroughTheProgramMenu() {
    TempDir dir;
    const auto log = dir.file("radio.log");
    RadioSim radio = RadioSim::withImage(dir, radioMemory(), {"--log", log.string()});
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QDir().mkpath(home.path() + "/TALVERN");
    QFile ini(home.path() + "/TALVERN/TSW62M.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[Backup]\nLanguage=2\nComPort=1\nDirectry=%1/\n[Ports]\nCOM1=%2\n")
                  .arg(QString::fromStdString(dir.file("data").string()),
                       QString::fromStdString(radio.port()))
                  .toUtf8());
    ini.close();

    StartOptions options;
    options.programDirectory = TSW_BIN_DIR;
    options.showSplash = false;
    CQb5812App app(options);
    QVERIFY(app.initInstance());
    app.skipSettingsAtExit();
    CMainFrame* frame = app.mainFrame();
    QTRY_VERIFY(frame->openEditorOf(cmd::ChannelInformation));
    QCOMPARE(frame->statusPanes()->portPane()->text(), QString("COM1"));
    // A guarded pointer: the reopened table may be built where the closed one stood.
    const QPointer<EditorForm> tableBefore = frame->openEditorOf(cmd::ChannelInformation);

    // Read from Radio: the image becomes the radio's and the channel table reopens on it.
    ModalScript read;
    read.then(postTo<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); }))
        .then(read.press(QMessageBox::Ok));
    frame->action(cmd::ReadFromRadio)->trigger();
    QVERIFY(read.done());
    QCOMPARE(globals().image.byte(layout::kMessageLine1), std::uint8_t{'S'});
    QCOMPARE(globals().image.byte(layout::channelOffset(4)), std::uint8_t{0x07});
    QTRY_VERIFY(frame->openEditorOf(cmd::ChannelInformation) &&
                !tableBefore);
    QCOMPARE(globals().currentFileName, std::string("tsw62m.dat"));

    // Write to Radio: a change in the program reaches the radio's memory.
    globals().image.setByte(layout::kMessageLine1, 'W');
    ModalScript write;
    write.then(postTo<TransferDialog>([](TransferDialog* d) { d->startButton()->click(); }))
        .then(write.press(QMessageBox::Ok));
    frame->action(cmd::WriteToRadio)->trigger();
    QVERIFY(write.done());
    QCOMPARE(write.boxes.at(0).text, langText(StrId::WriteComplete));
    radio.stop();
    QCOMPARE(radio.image().byte(layout::kMessageLine1), std::uint8_t{'W'});
    QCOMPARE(radio.image().byte(layout::channelOffset(4)), std::uint8_t{0x07});
}

QTEST_MAIN(ProgramLinkTest)
#include "ProgramLinkTest.moc"
