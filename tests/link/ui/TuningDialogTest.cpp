// The adjustment dialogs against the simulated radio: the exact bytes of OK and Cancel, the
// meter that reads only while measuring, and the tabbed dialog's value, PTT and store.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/EditorForm.h"
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

namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kBatteryInitial = 0x80;   // tuning value 54 of the radio
constexpr std::uint8_t kFrequencyInitial = 0x40; // tuning value 0

RadioImage radioMemory() {
    RadioImage m = defaultImage();
    m.setByte(layout::kTuningData + 54, kBatteryInitial);
    m.setByte(layout::kTuningData + 0, kFrequencyInitial);
    return m;
}

// The bursts after the first `from`, up to and including the first `to` after it.
std::vector<std::string> between(const std::vector<std::string>& all, const std::string& from,
                                 const std::string& to) {
    auto first = std::find(all.begin(), all.end(), from);
    if (first == all.end())
        return {};
    auto last = std::find(first + 1, all.end(), to);
    return {first + 1, last == all.end() ? all.end() : last + 1};
}

// Test mode: select the tuning item in the list, open it, let `inDialog` act on the adjustment
// dialog, then close the Test Mode dialog.
template <class Dialog>
void runItem(int row, std::function<void(Dialog*)> inDialog) {
    ModalScript script;
    script
        .then(postTo<TestModeDialog>([row](TestModeDialog* d) {
            d->itemList()->setCurrentRow(row);
            d->button(1182)->click();
        }))
        .then(postTo<Dialog>(inDialog))
        .then(postTo<TestModeDialog>([](TestModeDialog* d) { d->button(1183)->click(); }));
    ui::runTestModeCommand(*dynamic_cast<ui::Shell*>(&ui::shell()));
    QVERIFY(script.done());
}

} // namespace

class TuningDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void singleDialogOkSendsTheFieldValueThenStores();
    void singleDialogCancelPutsTheInitialValueBack();
    void meterReadsOnlyWhileMeasuring();
    void tabbedDialogSendsEveryChangeAndStoresOnOk();
    void tabbedDialogCancelRestoresWithTheTransmitterOff();

private:
    std::vector<std::string> run(int row, std::function<void(QWidget*)> act, bool tabbed);
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
    fs::path log_;
};

void TuningDialogTest::initTestCase() {
    QVERIFY(loadEnglish());
}

void TuningDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    log_ = dir_->file("radio.log");
    setProgramImage(radioMemory());
    testModeSelection() = {};
    globals().flags = {};
}

std::vector<std::string> TuningDialogTest::run(int row, std::function<void(QWidget*)> act,
                                               bool tabbed) {
    RadioSim radio = RadioSim::withImage(*dir_, radioMemory(), {"--log", log_.string()});
    mapCom1(radio.port());
    if (tabbed)
        runItem<TabbedTuningDialog>(row, [act](TabbedTuningDialog* d) { act(d); });
    else
        runItem<SingleTuningDialog>(row, [act](SingleTuningDialog* d) { act(d); });
    radio.stop();
    return sentBursts(log_);
}

void TuningDialogTest::singleDialogOkSendsTheFieldValueThenStores() {
    QString caption;
    int shown = -1;
    const auto sent = run(
        7,
        [&](QWidget* w) {
            auto* d = static_cast<SingleTuningDialog*>(w);
            caption = d->windowTitle();
            shown = d->valueField()->text().toInt();
            screenshot(d, "tuning-battery");
            d->valueField()->setText("200");
            d->okButton()->click();
        },
        false);
    QCOMPARE(caption, langText(StrId::TuningBatteryIndicatorLevel));
    QCOMPARE(shown, int{kBatteryInitial});
    QCOMPARE(between(sent, "1C 0D", "1C 0E"), (std::vector<std::string>{"1C 20 C8", "1C 0E"}));
}

void TuningDialogTest::singleDialogCancelPutsTheInitialValueBack() {
    const auto sent = run(
        7,
        [](QWidget* w) {
            auto* d = static_cast<SingleTuningDialog*>(w);
            d->valueField()->setText("12");
            d->cancelButton()->click();
        },
        false);
    QCOMPARE(between(sent, "1C 0D", "1C 0E"), (std::vector<std::string>{"1C 20 80", "1C 0E"}));
}

void TuningDialogTest::meterReadsOnlyWhileMeasuring() {
    int idleReading = 0;
    int reading = -1;
    bool lamp = false;
    const auto sent = run(
        8, // VOX1
        [&](QWidget* w) {
            auto* d = static_cast<SingleTuningDialog*>(w);
            QTest::qWait(1200); // two timer ticks without Start
            idleReading = d->meter()->lastReading();
            d->startButton()->click();
            lamp = d->startLamp()->isVisibleTo(d) && d->startButton()->isChecked();
            QTRY_VERIFY_WITH_TIMEOUT(d->meter()->lastReading() >= 0, 3000);
            reading = d->valueField()->text().toInt();
            d->cancelButton()->click();
        },
        false);
    QCOMPARE(idleReading, -1);
    QVERIFY(lamp);
    QCOMPARE(reading, int{radioMemory().byte(layout::kTuningData + 56)});
    const auto meter = between(sent, "21 0D", "21 0E");
    QVERIFY(meter.size() >= 4);
    QCOMPARE(meter.front(), std::string("21 0A"));
    QCOMPARE(meter.at(1), std::string("06")); // the reading is acknowledged
}

void TuningDialogTest::tabbedDialogSendsEveryChangeAndStoresOnOk() {
    QString tab;
    bool pttShown = false;
    const auto sent = run(
        0, // Frequency
        [&](QWidget* w) {
            auto* d = static_cast<TabbedTuningDialog*>(w);
            tab = d->tabs()->tabText(0);
            pttShown = d->pttButton()->isVisibleTo(d);
            d->valueSpin()->step(+1);  // 0x41
            d->coarseSpin()->step(+1); // 0x41 / 8 + 1 = 9 -> 0x48
            d->pttButton()->click();   // transmitter on
            screenshot(d, "tuning-tabbed");
            d->okButton()->click();
        },
        true);
    QCOMPARE(tab, langText(StrId::TuningFrequency));
    QVERIFY(pttShown);
    QCOMPARE(between(sent, "61 0D", "61 0E"),
             (std::vector<std::string>{"61 20 41", "61 20 48", "08 0D", "08 0E", "61 0E"}));
}

void TuningDialogTest::tabbedDialogCancelRestoresWithTheTransmitterOff() {
    bool pttShown = true;
    const auto sent = run(
        6, // Squelch: a receiver item, no PTT
        [&](QWidget* w) {
            auto* d = static_cast<TabbedTuningDialog*>(w);
            pttShown = d->pttButton()->isVisibleTo(d);
            d->trackBar()->setValue(10);
            d->cancelButton()->click();
        },
        true);
    QVERIFY(!pttShown);
    char initial[16];
    std::snprintf(initial, sizeof initial, "73 20 %02X",
                  radioMemory().byte(layout::kTuningData + 6));
    QCOMPARE(between(sent, "73 0D", "73 0E"),
             (std::vector<std::string>{"73 20 0A", initial, "73 0E"}));
}

QTEST_MAIN(TuningDialogTest)
#include "TuningDialogTest.moc"
