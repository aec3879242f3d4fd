#include "link/Tuning.h"

#include <array>

#include "app/ScopedCount.h"
#include "link/TestModeCommands.h"

namespace tsw {

std::optional<std::size_t> initialTuningIndex(std::uint8_t itemCode) {
    switch (itemCode) {
    case kBatteryLevelItem:
        return 54;
    case kVox1Item:
        return 56;
    case kVox10Item:
        return 57;
    default:
        return std::nullopt;
    }
}

bool TuningAdjustment::acknowledged(const std::function<bool()>& command) {
    // The dialog's windows keep running while we wait, its meter timer too; a reading now would
    // throw our acknowledgement away (or take it for the reading), so the meter waits.
    const ScopedCount underWay(commandsUnderWay_);
    while (!command()) {
        if (gaveUp_)
            return false;
        if (link_.askRetry() == PromptAnswer::Retry)
            continue;
        gaveUp_ = true;
        closeRequested_ = true;
        link_.sendEnd();
        return false;
    }
    return true;
}

bool TuningAdjustment::setValue(std::uint8_t value) {
    valueSent_ = true;
    return acknowledged([&] { return commands_.setTuningValue(itemCode_, value); });
}

bool TuningAdjustment::ok(std::uint8_t value) {
    return setValue(value) && acknowledged([&] { return commands_.storeTuningValue(itemCode_); });
}

bool TuningAdjustment::cancel() {
    return ok(initial_);
}

bool TuningAdjustment::cancelIfChanged() {
    // Where the radio keeps the starting values of these items in its tuning block is not
    // certain, so the value we would put back may be the wrong byte. While nothing has been
    // sent the radio still holds its own value: leave it alone rather than overwrite it.
    if (!valueSent_)
        return true;
    return cancel();
}

bool TuningAdjustment::store() {
    return acknowledged([&] { return commands_.storeTuningValue(itemCode_); });
}

bool TuningAdjustment::setPtt(bool on) {
    TestModeCommands testMode(link_);
    if (!acknowledged([&] { return testMode.setPtt(on); }))
        return false;
    link_.globals().flags.pttOn = on;
    return true;
}

TuningAdjustment::Tick TuningAdjustment::meterTick(bool measuring, std::uint8_t& reading) {
    if (!measuring || commandUnderWay())
        return Tick::Idle; // the next tick reads
    const auto value = commands_.readMeter(readingCode_);
    if (!value)
        return Tick::Failed;
    reading = *value;
    return Tick::Reading;
}

bool TuningAdjustment::meterRetry() {
    if (link_.askRetry() == PromptAnswer::Retry)
        return true;
    link_.sendEnd();
    closeRequested_ = true;
    return false;
}

} // namespace tsw
