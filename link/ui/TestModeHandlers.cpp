// The Test Mode dialog's controls: each sends its command at once.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "app/ScopedCount.h"
#include "app/ui/Help.h"
#include "app/ui/Modules.h"
#include "app/ui/UiText.h"
#include "link/TestModeForm.h"
#include "link/ui/Indicator.h"
#include "link/ui/TestModeDialog.h"
#include "link/ui/TestModeIds.h"
#include "link/ui/TuningDialogs.h"

namespace tsw::ui {

using namespace testmode;

namespace {

TuningPrinter& tuningPrinter() {
    static TuningPrinter printer;
    return printer;
}

// The program's print-out, in the print module (loaded with its first use); false without it.
bool printWithPrintModule(QWidget* parent, const TuningValues& values,
                          std::span<const std::uint8_t> testChannels) {
    const auto print = reinterpret_cast<TuningPrintEntry>(
        moduleEntry(moduleDirectory(), kPrintModuleFile, kTuningPrintEntry));
    return print && print(parent, values.current.data(), values.current.size(), testChannels.data(),
                          testChannels.size());
}

AdjustmentRunner& adjustmentRunner() {
    static AdjustmentRunner runner;
    return runner;
}

} // namespace

void setTuningPrinter(TuningPrinter printer) {
    tuningPrinter() = std::move(printer);
}

void setAdjustmentRunner(AdjustmentRunner runner) {
    adjustmentRunner() = std::move(runner);
}

bool TestModeDialog::prepare() {
    const ScopedCount scope(busy_);
    auto& flags = link_.globals().flags;
    // The radio has just entered its tuning mode: its transmitter is off, the link is fresh.
    flags.pttOn = false;
    flags.linkLost = false;
    TestModeSelection& sel = testModeSelection();
    channel_->blockSignals(true);
    signalling_->blockSignals(true);
    channel_->setCurrentIndex(sel.testChannel - 1);
    signalling_->setCurrentIndex(sel.signalling - 1);
    channel_->blockSignals(false);
    signalling_->blockSignals(false);
    setHelpContext(items_, cmd::TestMode);
    const bool sent = session_.selectTestChannel(static_cast<std::uint8_t>(sel.testChannel)) &&
                      session_.selectSignalling(static_cast<std::uint8_t>(sel.signalling));
    showChannel();
    showSignalling();
    showTransmitter();
    return sent && !session_.closeRequested();
}

void TestModeDialog::showChannel() {
    const auto f =
        testChannelFrequencies(link_.globals().image, testModeSelection().testChannel, &tsw::tr);
    field(kRxFrequency)->setText(fromStd(f.rx));
    field(kTxFrequency)->setText(fromStd(f.tx));
}

void TestModeDialog::showSignalling() {
    const auto all = testSignallings(&tsw::tr);
    const auto& s = all.at(static_cast<std::size_t>(testModeSelection().signalling - 1));
    field(kRxSignalling)->setText(fromStd(s.rxName));
    field(kTxSignalling)->setText(fromStd(s.txName));
}

void TestModeDialog::showTransmitter() {
    const bool on = link_.globals().flags.pttOn;
    button(kPtt)->setChecked(on);
    for (int id : kTxLamps)
        indicator(id)->setVisible(on);
    for (int id : kRxLamps)
        indicator(id)->setVisible(!on);
}

bool TestModeDialog::afterCommand() {
    showTransmitter();
    if (!session_.closeRequested())
        return true;
    finishLost();
    return false;
}

void TestModeDialog::finishLost() {
    if (finished_)
        return;
    finished_ = true;
    // The user gave the radio up: the dialog closes without sending anything more.
    QTimer::singleShot(0, this, [this] { QDialog::done(QDialog::Rejected); });
}

void TestModeDialog::channelChanged(int index) {
    const ScopedCount scope(busy_);
    if (finished_ || index < 0)
        return;
    testModeSelection().testChannel = index + 1;
    session_.selectTestChannel(static_cast<std::uint8_t>(index + 1));
    showChannel();
    afterCommand();
}

void TestModeDialog::signallingChanged(int index) {
    const ScopedCount scope(busy_);
    if (finished_ || index < 0)
        return;
    testModeSelection().signalling = index + 1;
    session_.selectSignalling(static_cast<std::uint8_t>(index + 1));
    showSignalling();
    afterCommand();
}

void TestModeDialog::pttClicked() {
    const ScopedCount scope(busy_);
    if (finished_)
        return;
    session_.togglePtt();
    afterCommand();
}

void TestModeDialog::wideClicked() {
    const ScopedCount scope(busy_);
    if (finished_)
        return;
    if (session_.setWide()) {
        indicator(kWideLamp)->show();
        indicator(kNarrowLamp)->hide();
    }
    afterCommand();
}

void TestModeDialog::narrowClicked() {
    const ScopedCount scope(busy_);
    if (finished_)
        return;
    if (session_.setNarrow()) {
        indicator(kWideLamp)->hide();
        indicator(kNarrowLamp)->show();
    }
    afterCommand();
}

void TestModeDialog::itemSelected() {
    const int row = items_->currentRow();
    const bool selected = row >= 0 && !items_->selectedItems().isEmpty();
    QPushButton* mode = button(kTuningMode);
    mode->setEnabled(selected);
    mode->setDefault(selected);
    setHelpContext(items_, selected ? kTuningItems.at(static_cast<std::size_t>(row)).helpTopic
                                    : cmd::TestMode);
}

void TestModeDialog::openTuningItem() {
    const ScopedCount scope(busy_);
    const int row = items_->currentRow();
    if (finished_ || row < 0 || items_->selectedItems().isEmpty())
        return;
    const TuningItem& item = kTuningItems.at(static_cast<std::size_t>(row));
    if (!session_.openTuningItem(item.code)) {
        afterCommand();
        return;
    }
    showTransmitter();
    const AdjustmentRunner& runner = adjustmentRunner();
    const int channel = testModeSelection().testChannel;
    const bool gaveUp = runner ? runner(this, link_, item, channel)
                               : runAdjustmentDialog(this, link_, item, channel);
    showTransmitter();
    if (gaveUp) {
        // The adjustment dialog released the radio: the test mode is over.
        link_.globals().flags.linkLost = true;
        finishLost();
        return;
    }
    button(kTuningMode)->setDefault(true);
}

void TestModeDialog::printClicked() {
    const ScopedCount scope(busy_);
    if (finished_)
        return;
    // The transmitter goes off before anything else, the question included: it must not
    // stay keyed while the box waits for an answer.
    session_.switchPttOffFirst();
    if (!afterCommand())
        return;
    Prompt ask = textPrompt(StrId::PrintTuningDataQuestion, StrId::PrintCaption,
                            PromptIcon::Question, link_.texts());
    ask.buttons = PromptButtons::OkCancel;
    ask.defaultAnswer = PromptAnswer::Cancel;
    if (link_.prompter().ask(ask) != PromptAnswer::Ok)
        return;
    const bool read = session_.readTuningForPrint();
    if (!afterCommand() || !read)
        return;
    // The radio's test channels equal the image's: the dialog opens only then.
    const auto& image = link_.globals().image;
    const std::span<const std::uint8_t> channels = image.bytes().subspan(
        layout::kTestFrequencies, layout::kTestFrequencySize * layout::kTestFrequencyCount);
    const TuningPrinter& printer = tuningPrinter();
    const bool printed = printer ? printer(this, link_.tuning, channels)
                                 : printWithPrintModule(this, link_.tuning, channels);
    if (!printed)
        return;
    Prompt done;
    done.textId = StrId::TuningDataPrinted;
    done.text = link_.text(StrId::TuningDataPrinted);
    done.captionId = StrId::PrintCaption;
    done.caption = link_.text(StrId::PrintCaption);
    done.icon = PromptIcon::Information;
    link_.prompter().ask(done);
}

void TestModeDialog::closeClicked() {
    const ScopedCount scope(busy_);
    if (finished_)
        return;
    finished_ = true;
    session_.close(static_cast<std::uint8_t>(testModeSelection().signalling));
    showTransmitter();
    QDialog::done(QDialog::Accepted);
}

void TestModeDialog::reject() {
    if (busy_ > 0)
        return;
    closeClicked();
}

} // namespace tsw::ui
