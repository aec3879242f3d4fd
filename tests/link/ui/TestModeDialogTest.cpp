// Test Mode against the simulated radio on COM1: the entry sequence, the dialog's lamps, the
// PTT-off-first rule, the release on Close, the refusal when the test channels differ, a link
// lost inside the dialog, printing the tuning data, and help for the focused control.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

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

// The bursts from the first occurrence of `from` on.
std::vector<std::string> tailFrom(const std::vector<std::string>& all, const std::string& from) {
    return {std::find(all.begin(), all.end(), from), all.end()};
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
    void helpFollowsTheFocusedControl();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
};

void TestModeDialogTest::initTestCase() {
    QVERIFY(loadTestLanguage(2));
}

void TestModeDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    setProgramImage(defaultRadioImage());
    testModeSelection() = {};
    globals().flags = {};
}

void TestModeDialogTest::opensAgainstMatchingTestChannels() {
    RadioSim radio = radioOnCom1(*dir_, defaultRadioImage());
    QString rx;
    bool pttLamps = false;
    bool afterWide = false;
    DialogScript script;
    script.on<TestModeDialog>([&](TestModeDialog* d) {
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
    });
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(rx, QString("446.00625"));
    QVERIFY(pttLamps);
    QVERIFY(afterWide);
    QVERIFY(globals().flags.testFrequencyInUse);
    QVERIFY(!globals().flags.testModeRequested && !globals().flags.pttOn);
    QCOMPARE(testModeSelection().signalling, 3);

    radio.stop();
    const auto sent = sentBursts(dir_->file("radio.log"));
    QCOMPARE(sent.front(), std::string("54 55 4E 49 4E 47 20"));
    const std::vector<std::string> expected = {"08 0D", "08 0E", "46", "11 03", "11 03", "45"};
    QCOMPARE(tailFrom(sent, "08 0D"), expected);
}

void TestModeDialogTest::refusesWhenOneTestChannelByteDiffers() {
    RadioImage memory = defaultRadioImage();
    memory.setByte(layout::testFrequencyOffset(12) + 5, 0x33);
    RadioSim radio = radioOnCom1(*dir_, memory);
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Ok);
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().size(), std::size_t{1});
    QCOMPARE(script.messages()[0].text, uiText(StrId::TestChannelsDiffer));
    QCOMPARE(script.messages()[0].icon, QMessageBox::Critical);
    QCOMPARE(script.messages()[0].caption, uiText(StrId::ErrorCaption));
    radio.stop();
    const auto sent = sentBursts(dir_->file("radio.log"));
    QCOMPARE(sent.back(), std::string("45"));
    QCOMPARE(std::count(sent.begin(), sent.end(), std::string("06")), 1 + 1 + 16);
}

void TestModeDialogTest::givingUpInsideTheDialogClosesIt() {
    RadioSim radio = radioOnCom1(*dir_, defaultRadioImage());
    DialogScript script;
    script
        .on<TestModeDialog>([&](TestModeDialog* d) {
            radio.stop(); // the cable is pulled
            d->button(1180)->click();
        })
        .pressOnMessageBox(QMessageBox::Cancel);
    ui::runTestModeCommand(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text, uiText(StrId::RadioLinkFailed));
    QVERIFY(globals().flags.linkLost);
    QVERIFY(!globals().flags.testModeRequested);
    QVERIFY(!ui::RadioLink::instance().link().isOpen());
}

void TestModeDialogTest::printAsksThenReadsTheTuningDataAndPrintsIt() {
    RadioImage memory = defaultRadioImage();
    memory.setByte(layout::kTuningData + 3, 0x5A);
    RadioSim radio = radioOnCom1(*dir_, memory);
    int printed = -1;
    std::size_t channelBytes = 0;
    bool receiveShown = false;
    ui::setTuningPrinter([&](QWidget* parent, const TuningValues& v,
                             std::span<const std::uint8_t> ch) {
        printed = v.current[3];
        channelBytes = ch.size();
        auto* d = qobject_cast<TestModeDialog*>(parent);
        receiveShown = d && !d->button(1337)->isChecked() && visible(d, 1189) && !visible(d, 1192);
        return true;
    });
    DialogScript script;
    script
        .on<TestModeDialog>([](TestModeDialog* d) {
            d->button(1337)->click(); // PTT on: Print switches the transmitter off first
            d->button(1184)->click();
            d->button(1183)->click();
        })
        .pressOnMessageBox(QMessageBox::Ok)  // print the tuning data?
        .pressOnMessageBox(QMessageBox::Ok); // sent to the printer
    ui::runTestModeCommand(*shell_);
    ui::setTuningPrinter({});
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text, uiText(StrId::PrintTuningDataQuestion));
    QCOMPARE(script.messages().at(0).defaultButton, QMessageBox::Cancel);
    QCOMPARE(script.messages().at(1).text, uiText(StrId::TuningDataPrinted));
    QCOMPARE(printed, 0x5A);
    QCOMPARE(channelBytes, std::size_t{128});
    QVERIFY(receiveShown);
    QVERIFY(!globals().flags.pttOn);
    radio.stop();
    const auto sent = sentBursts(dir_->file("radio.log"));
    QCOMPARE(std::count(sent.begin(), sent.end(), std::string("05")), 2); // entry and print
    const std::vector<std::string> expected = {"08 0D", "08 0E", "05", "06", "11 01", "45"};
    QCOMPARE(tailFrom(sent, "08 0D"), expected);
}

void TestModeDialogTest::helpFollowsTheFocusedControl() {
    RecordingHelp help;
    TestModeDialog d(ui::RadioLink::instance().link());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    // Selecting a tuning item enables Tuning Mode, makes it the default, and names the topic.
    QVERIFY(!d.button(1182)->isEnabled());
    d.itemList()->setCurrentRow(8); // VOX1
    QVERIFY(d.button(1182)->isEnabled() && d.button(1182)->isDefault());

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
