// Test Mode against the simulated radio on COM1: the entry sequence, the dialog's lists and
// lamps, the PTT-off-first rule, the release on Close, the refusal when the test channels
// differ, a link lost inside the dialog, and the help topics of the controls.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "link/TestModeForm.h"
#include "link/ui/Indicator.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/TestModeDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::TestModeDialog;

namespace {

namespace fs = std::filesystem;

// The bursts from the first occurrence of `from` on.
std::vector<std::string> tailFrom(const std::vector<std::string>& all, const std::string& from) {
    const auto it = std::find(all.begin(), all.end(), from);
    return {it, all.end()};
}

bool visible(TestModeDialog* d, int lamp) {
    return d->indicator(lamp)->isVisibleTo(d);
}

} // namespace

class TestModeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void opensAgainstMatchingTestChannels();
    void refusesWhenOneTestChannelByteDiffers();
    void givingUpInsideTheDialogClosesIt();
    void printAsksThenReadsTheTuningDataAndPrintsIt();
    void helpTopicsFollowTheControl();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
    fs::path log_;
};

void TestModeDialogTest::initTestCase() {
    QVERIFY(loadEnglish());
}

void TestModeDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    log_ = dir_->file("radio.log");
    setProgramImage(defaultImage());
    testModeSelection() = {};
    globals().flags = {};
}

void TestModeDialogTest::opensAgainstMatchingTestChannels() {
    RadioSim radio = RadioSim::withImage(*dir_, defaultImage(), {"--log", log_.string()});
    mapCom1(radio.port());
    QStringList channels;
    QStringList signallings;
    QString rx;
    bool pttLamps = false;
    bool afterWide = false;
    ModalScript script;
    script.then(postTo<TestModeDialog>([&](TestModeDialog* d) {
        for (int i = 0; i < d->channelBox()->count(); ++i)
            channels << d->channelBox()->itemText(i);
        for (int i = 0; i < d->signallingBox()->count(); ++i)
            signallings << d->signallingBox()->itemText(i);
        rx = d->field(1164)->text();
        d->button(1337)->click(); // PTT on
        pttLamps = visible(d, 1187) && visible(d, 1192) && !visible(d, 1185) &&
                   d->button(1337)->isChecked();
        d->button(1179)->click(); // Wide: the transmitter goes off first
        afterWide = !d->button(1337)->isChecked() && visible(d, 1189) && !visible(d, 1192) &&
                    visible(d, 1190) && !visible(d, 1191);
        d->signallingBox()->setCurrentIndex(2);
        d->itemList()->setCurrentRow(7);
        screenshot(d, "test-mode");
        d->button(1183)->click(); // Close
    }));
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(channels.size(), 16);
    QCOMPARE(channels.front(), QString("1"));
    QCOMPARE(channels.back(), QString("16"));
    QCOMPARE(signallings.size(), 7);
    QCOMPARE(signallings.at(1), langText(StrId::TestSignalling2Rx));
    QCOMPARE(rx, QString("446.00625"));
    QVERIFY(pttLamps);
    QVERIFY(afterWide);
    QVERIFY(globals().flags.testFrequencyInUse);
    QVERIFY(!globals().flags.testModeRequested && !globals().flags.pttOn);
    QCOMPARE(testModeSelection().signalling, 3);

    radio.stop();
    const auto sent = sentBursts(log_);
    QCOMPARE(sent.front(), std::string("54 55 4E 49 4E 47 20"));
    const std::vector<std::string> expected = {"08 0D", "08 0E", "46", "11 03", "11 03", "45"};
    QCOMPARE(tailFrom(sent, "08 0D"), expected);
}

void TestModeDialogTest::refusesWhenOneTestChannelByteDiffers() {
    RadioImage radioMemory = defaultImage();
    radioMemory.setByte(layout::testFrequencyOffset(12) + 5, 0x33);
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory, {"--log", log_.string()});
    mapCom1(radio.port());
    ModalScript script;
    script.then(script.press(QMessageBox::Ok));
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.boxes.size(), std::size_t{1});
    QCOMPARE(script.boxes[0].text, langText(StrId::TestChannelsDiffer));
    QCOMPARE(script.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(script.boxes[0].caption, langText(StrId::ErrorCaption));
    radio.stop();
    const auto sent = sentBursts(log_);
    QCOMPARE(sent.back(), std::string("45"));
    QCOMPARE(std::count(sent.begin(), sent.end(), std::string("06")), 1 + 1 + 16);
}

void TestModeDialogTest::givingUpInsideTheDialogClosesIt() {
    RadioSim radio = RadioSim::withImage(*dir_, defaultImage(), {"--log", log_.string()});
    mapCom1(radio.port());
    ModalScript script;
    script
        .then(postTo<TestModeDialog>([&](TestModeDialog* d) {
            radio.stop(); // the cable is pulled
            d->button(1180)->click();
        }))
        .then(script.press(QMessageBox::Cancel));
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.boxes.at(0).text, langText(StrId::RadioLinkFailed));
    QVERIFY(globals().flags.linkLost);
    QVERIFY(!globals().flags.testModeRequested);
    QVERIFY(!ui::RadioLink::instance().link().isOpen());
}

void TestModeDialogTest::printAsksThenReadsTheTuningDataAndPrintsIt() {
    RadioImage memory = defaultImage();
    memory.setByte(layout::kTuningData + 3, 0x5A);
    RadioSim radio = RadioSim::withImage(*dir_, memory, {"--log", log_.string()});
    mapCom1(radio.port());
    int printed = -1;
    std::size_t channelBytes = 0;
    ui::setTuningPrinter([&](QWidget*, const TuningValues& v, std::span<const std::uint8_t> ch) {
        printed = v.current[3];
        channelBytes = ch.size();
        return true;
    });
    ModalScript script;
    script
        .then(postTo<TestModeDialog>([](TestModeDialog* d) {
            d->button(1184)->click();
            d->button(1183)->click();
        }))
        .then(script.press(QMessageBox::Ok))  // print the tuning data?
        .then(script.press(QMessageBox::Ok)); // sent to the printer
    ui::runTestModeCommand(*shell_);
    ui::setTuningPrinter({});
    QVERIFY(script.done());
    QCOMPARE(script.boxes.at(0).text, langText(StrId::PrintTuningDataQuestion));
    QCOMPARE(script.boxes.at(0).defaultButton, QMessageBox::Cancel);
    QCOMPARE(script.boxes.at(0).icon, QMessageBox::Question);
    QCOMPARE(script.boxes.at(1).text, langText(StrId::TuningDataPrinted));
    QCOMPARE(script.boxes.at(1).caption, langText(StrId::PrintCaption));
    QCOMPARE(printed, 0x5A);
    QCOMPARE(channelBytes, std::size_t{128});
    radio.stop();
    const auto sent = sentBursts(log_);
    QCOMPARE(std::count(sent.begin(), sent.end(), std::string("05")), 2); // entry and print
}

void TestModeDialogTest::helpTopicsFollowTheControl() {
    RecordingHelp help;
    TestModeDialog d(ui::RadioLink::instance().link());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    struct Case {
        QWidget* control;
        int topic;
    };
    const std::vector<Case> cases = {
        {d.button(1337), 1089},    {d.button(1179), 1179},         {d.button(1180), 1180},
        {d.button(1183), 1183},    {d.button(1184), 1184},         {d.channelBox(), 1161},
        {d.signallingBox(), 1168}, {d.field(1164), cmd::TestMode}, {d.itemList(), cmd::TestMode},
    };
    for (const Case& c : cases)
        QCOMPARE(d.helpTopicFor(c.control), c.topic);

    // Selecting a tuning item enables Tuning Mode, makes it the default, and names the topic.
    QVERIFY(!d.button(1182)->isEnabled());
    d.itemList()->setCurrentRow(8); // VOX1
    QVERIFY(d.button(1182)->isEnabled() && d.button(1182)->isDefault());
    QCOMPARE(d.helpTopicFor(d.itemList()), 1046);

    // F1 and the Help button answer for the focused control.
    QApplication::setActiveWindow(&d);
    d.button(1337)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), d.button(1337));
    QTest::keyClick(d.button(1337), Qt::Key_F1);
    d.itemList()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), d.itemList());
    d.button(1386)->click();
    QCOMPARE(help.opened, (std::vector<int>{1089, 1046}));
}

QTEST_MAIN(TestModeDialogTest)
#include "TestModeDialogTest.moc"
