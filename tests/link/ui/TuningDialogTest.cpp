// The adjustment dialogs against the simulated radio: the exact bytes of OK and Cancel, the
// meter that reads only while measuring, and the tabbed dialog's value, PTT and store. On the
// fake device: a meter tick that falls inside another command's wait reads nothing.

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
#include "tests/support/FakeSerialDevice.h"

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

// Retry on the first question, Cancel after; `whileOpen` runs while the question is shown.
class RetryOncePrompt : public UserPrompt {
public:
    PromptAnswer ask(const Prompt&) override {
        if (whileOpen)
            whileOpen();
        return asked++ == 0 ? PromptAnswer::Retry : PromptAnswer::Cancel;
    }
    std::function<void()> whileOpen;
    int asked = 0;
};

// A link on the fake device and virtual clock, the radio in its tuning mode.
struct FakeLinkRig {
    FakeLinkRig() {
        link.setDevicePath("/dev/fake");
        link.open();
        radio.mode = FakeRadio::Mode::Tuning;
    }
    VirtualClock clock;
    FakeSerialDevice device{clock};
    FakeRadio radio{device, clock};
    AppGlobals g;
    RetryOncePrompt prompt;
    SerialLink link{device, clock, prompt, g};
};

Bursts hexBursts(const std::vector<std::vector<std::uint8_t>>& writes, std::size_t from) {
    Bursts out;
    for (std::size_t i = from; i < writes.size(); ++i) {
        std::string burst;
        for (std::uint8_t b : writes[i]) {
            char hex[4];
            std::snprintf(hex, sizeof hex, burst.empty() ? "%02X" : " %02X", b);
            burst += hex;
        }
        out.push_back(burst);
    }
    return out;
}

} // namespace

class TuningDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void singleDialogsSendTheirBytesAndTheMeterReadsOnlyWhileMeasuring();
    void tabbedDialogSendsEveryChangeStoresOnOkAndRestoresOnlyAChangedValue();
    void aMeterTickNeverCutsIntoAnotherCommand();

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

void TuningDialogTest::tabbedDialogSendsEveryChangeStoresOnOkAndRestoresOnlyAChangedValue() {
    QString tab;
    bool frequencyPtt = false;
    bool squelchPtt = true;
    DialogScript script;
    // Cancel with the value untouched sends nothing; with the transmitter on, only its off.
    openItem<TabbedTuningDialog>(script, 5, [](TabbedTuningDialog* d) { // Sensitivity
        d->cancelButton()->click();
    });
    openItem<TabbedTuningDialog>(script, 1, [](TabbedTuningDialog* d) { // TX power
        d->pttButton()->click();
        d->cancelButton()->click();
    });
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
    // A changed value is put back as the dialog started from it, then stored.
    QCOMPARE(between(sent, "73 0D", "73 0E").at(0), (Bursts{"73 20 0A", initial, "73 0E"}));
    // Up to the next item's reading of the tuning data.
    QCOMPARE(between(sent, "76 0D", "05").at(0), (Bursts{"05"}));
    QCOMPARE(between(sent, "66 0D", "05").at(0), (Bursts{"08 0D", "08 0E", "05"}));
}

// The window's timer keeps running while a command waits for its acknowledgement (the GUI
// clock processes events) and while a Retry question is open. Here the radio delays every
// acknowledgement by 250 ms and the meter's timer fires 100 ms into the wait (or while the
// question is shown): only the command's own bytes may go out.
void TuningDialogTest::aMeterTickNeverCutsIntoAnotherCommand() {
    struct Case {
        const char* name;
        std::size_t item; // in the tuning item list
        bool firstAckMissing;
        std::function<void(QDialog*)> act;
        Bursts sent;
    };
    const auto tabbed = [](QDialog* d) { return static_cast<TabbedTuningDialog*>(d); };
    const auto single = [](QDialog* d) { return static_cast<SingleTuningDialog*>(d); };
    const std::vector<Case> cases = {
        {"value change", 0, false, [&](QDialog* d) { tabbed(d)->changeValue(0x41); }, {"61 20 41"}},
        {"PTT", 0, false, [&](QDialog* d) { tabbed(d)->pttButton()->click(); }, {"08 0D"}},
        {"OK with a typed value",
         0,
         false,
         [&](QDialog* d) {
             tabbed(d)->valueField()->setText("66");
             tabbed(d)->okButton()->click();
         },
         {"61 20 42", "61 0E"}},
        {"Retry question open",
         0,
         true,
         [&](QDialog* d) { tabbed(d)->changeValue(0x41); },
         {"61 20 41", "61 20 41"}},
        {"single OK",
         7,
         false,
         [&](QDialog* d) {
             single(d)->valueField()->setText("200");
             single(d)->okButton()->click();
         },
         {"1C 20 C8", "1C 0E"}},
        {"single Cancel",
         8,
         false,
         [&](QDialog* d) { single(d)->cancelButton()->click(); },
         {"21 20 00", "21 0E"}},
    };
    for (const Case& c : cases) {
        FakeLinkRig rig;
        const TuningItem& item = kTuningItems.at(c.item);
        std::unique_ptr<QDialog> d;
        if (item.dialog == TuningDialog::Tabbed)
            d = std::make_unique<TabbedTuningDialog>(rig.link, item, 1);
        else
            d = std::make_unique<SingleTuningDialog>(rig.link, item, 1);
        d->show();
        auto* meter = d->findChild<ui::TuningMeter*>();
        meter->setMeasuring(true);
        const auto timerFires = [meter] {
            if (meter->active())
                meter->tick();
        };
        std::uint64_t tickAt = 0;
        rig.clock.onSleep = [&] {
            if (tickAt != 0 && rig.clock.now() >= tickAt) {
                tickAt = 0;
                timerFires();
            }
        };
        rig.prompt.whileOpen = timerFires;
        bool dropNext = c.firstAckMissing;
        rig.radio.filter = [&](const std::vector<std::uint8_t>& cmd,
                               std::vector<std::uint8_t>& reply, int) {
            if (reply != std::vector<std::uint8_t>{0x06} || cmd == std::vector<std::uint8_t>{0x06})
                return;
            reply.clear();
            if (std::exchange(dropNext, false))
                return;
            rig.device.deliver({0x06}, 250);
            tickAt = rig.clock.now() + 100;
        };
        const std::size_t from = rig.device.writes().size();
        c.act(d.get());
        rig.clock.onSleep = nullptr;
        rig.radio.filter = nullptr;
        const Bursts sent = hexBursts(rig.device.writes(), from);
        std::string got = c.name;
        for (const std::string& burst : sent)
            got += " | " + burst;
        QVERIFY2(sent == c.sent, got.c_str());
        QCOMPARE(rig.prompt.asked, c.firstAckMissing ? 1 : 0);
    }
}

QTEST_MAIN(TuningDialogTest)
#include "TuningDialogTest.moc"
