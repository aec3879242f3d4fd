// The adjustment dialogs against the simulated radio: the exact bytes of OK and Cancel, the
// meter that reads only while measuring, and the tabbed dialog's value, PTT and store.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "app/ImageLayout.h"
#include "link/TestModeForm.h"
#include "link/ui/Indicator.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/SingleTuningDialog.h"
#include "link/ui/TabbedTuningDialog.h"
#include "link/ui/TestModeDialog.h"
#include "link/ui/TuningMeter.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::SingleTuningDialog;
using tsw::ui::TabbedTuningDialog;
using tsw::ui::TestModeDialog;
using Bursts = std::vector<std::string>;

namespace {

constexpr std::uint8_t kBatteryInitial = 0x80;   // tuning value 54 of the radio
constexpr std::uint8_t kFrequencyInitial = 0x40; // tuning value 0

RadioImage radioMemory() {
    RadioImage m = defaultRadioImage();
    m.setByte(layout::kTuningData + 54, kBatteryInitial);
    m.setByte(layout::kTuningData + 0, kFrequencyInitial);
    return m;
}

// Every run of bursts after a `from`, up to and including the next `to`.
std::vector<Bursts> between(const Bursts& all, const std::string& from, const std::string& to) {
    std::vector<Bursts> out;
    for (auto first = std::find(all.begin(), all.end(), from); first != all.end();
         first = std::find(first + 1, all.end(), from)) {
        const auto last = std::find(first + 1, all.end(), to);
        out.emplace_back(first + 1, last == all.end() ? all.end() : last + 1);
    }
    return out;
}

// In the Test Mode dialog: opens the tuning item at `row` and lets `act` work in its dialog.
template <class Dialog>
void openItem(DialogScript& script, int row, std::function<void(Dialog*)> act) {
    script
        .on<TestModeDialog>([row](TestModeDialog* d) {
            d->itemList()->setCurrentRow(row);
            d->button(1182)->click();
        })
        .template on<Dialog>(std::move(act));
}

} // namespace

class TuningDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void singleDialogsSendTheirBytesAndTheMeterReadsOnlyWhileMeasuring();
    void tabbedDialogSendsEveryChangeStoresOnOkAndRestoresOnCancel();

private:
    Bursts runTestMode(DialogScript& script);
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
};

void TuningDialogTest::initTestCase() {
    QVERIFY(loadTestLanguage(2));
}

void TuningDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    setProgramImage(radioMemory());
    testModeSelection() = {};
    globals().flags = {};
}

// Runs Test Mode with the steps of `script`, closes it, and gives what the program sent.
Bursts TuningDialogTest::runTestMode(DialogScript& script) {
    RadioSim radio = radioOnCom1(*dir_, radioMemory());
    script.on<TestModeDialog>([](TestModeDialog* d) { d->button(1183)->click(); });
    ui::runTestModeCommand(*shell_);
    radio.stop();
    return script.done() ? sentBursts(dir_->file("radio.log")) : Bursts{};
}

void TuningDialogTest::singleDialogsSendTheirBytesAndTheMeterReadsOnlyWhileMeasuring() {
    QString caption;
    int shown = -1;
    int idleReading = 0;
    int reading = -1;
    bool lamp = false;
    DialogScript script;
    openItem<SingleTuningDialog>(script, 7, [](SingleTuningDialog* d) { // battery level
        d->valueField()->setText("12");
        d->cancelButton()->click();
    });
    openItem<SingleTuningDialog>(script, 7, [&](SingleTuningDialog* d) {
        caption = d->windowTitle();
        shown = d->valueField()->text().toInt();
        screenshot(d, "tuning-battery");
        d->valueField()->setText("200");
        d->okButton()->click();
    });
    openItem<SingleTuningDialog>(script, 8, [&](SingleTuningDialog* d) { // VOX1
        QTest::qWait(int{kMeterIntervalMs} + 100); // a timer tick without Start
        idleReading = d->meter()->lastReading();
        d->startButton()->click();
        lamp = d->startLamp()->isVisibleTo(d) && d->startButton()->isChecked();
        QTRY_VERIFY_WITH_TIMEOUT(d->meter()->lastReading() >= 0, 3000);
        reading = d->valueField()->text().toInt();
        d->cancelButton()->click();
    });
    const Bursts sent = runTestMode(script);
    QCOMPARE(between(sent, "1C 0D", "1C 0E"),
             (std::vector<Bursts>{{"1C 20 80", "1C 0E"}, {"1C 20 C8", "1C 0E"}}));
    QCOMPARE(caption, uiText(StrId::TuningBatteryIndicatorLevel));
    QCOMPARE(shown, int{kBatteryInitial});
    QCOMPARE(idleReading, -1);
    QVERIFY(lamp);
    QCOMPARE(reading, int{radioMemory().byte(layout::kTuningData + 56)});
    const auto meter = between(sent, "21 0D", "21 0E").at(0);
    QVERIFY(meter.size() >= 4);
    QCOMPARE(meter.front(), std::string("21 0A"));
    QCOMPARE(meter.at(1), std::string("06")); // the reading is acknowledged
}

void TuningDialogTest::tabbedDialogSendsEveryChangeStoresOnOkAndRestoresOnCancel() {
    QString tab;
    bool frequencyPtt = false;
    bool squelchPtt = true;
    DialogScript script;
    openItem<TabbedTuningDialog>(script, 0, [&](TabbedTuningDialog* d) { // Frequency
        tab = d->tabs()->tabText(0);
        frequencyPtt = d->pttButton()->isVisibleTo(d);
        d->valueSpin()->step(+1);  // 0x41
        d->coarseSpin()->step(+1); // 0x41 / 8 + 1 = 9 -> 0x48
        d->pttButton()->click();   // transmitter on
        screenshot(d, "tuning-tabbed");
        d->okButton()->click();
    });
    openItem<TabbedTuningDialog>(script, 6, [&](TabbedTuningDialog* d) { // Squelch: no PTT
        squelchPtt = d->pttButton()->isVisibleTo(d);
        d->trackBar()->setValue(10);
        d->cancelButton()->click();
    });
    const Bursts sent = runTestMode(script);
    QCOMPARE(tab, uiText(StrId::TuningFrequency));
    QVERIFY(frequencyPtt && !squelchPtt);
    QCOMPARE(between(sent, "61 0D", "61 0E").at(0),
             (Bursts{"61 20 41", "61 20 48", "08 0D", "08 0E", "61 0E"}));
    char initial[16];
    std::snprintf(initial, sizeof initial, "73 20 %02X",
                  radioMemory().byte(layout::kTuningData + 6));
    QCOMPARE(between(sent, "73 0D", "73 0E").at(0), (Bursts{"73 20 0A", initial, "73 0E"}));
}

QTEST_MAIN(TuningDialogTest)
#include "TuningDialogTest.moc"
