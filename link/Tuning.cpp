#include "link/Tuning.h"

#include <array>

#include "app/ScopedCount.h"

namespace tsw {

int SerialLink::setTuningValue(std::uint8_t itemCode, std::uint8_t value) {
    const std::array<std::uint8_t, 3> command{itemCode, 0x20, value};
    if (sendBytes(command.data(), command.size()) != 1)
        return 1;
    return waitAck() ? 0 : 1;
}

int SerialLink::storeTuningValue(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, 0x0E};
    if (sendBytes(command.data(), command.size()) != 1)
        return 1;
    return waitAck() ? 0 : 1;
}

int SerialLink::readMeter(std::uint8_t readingCode, std::uint8_t& reading) {
    const std::array<std::uint8_t, 2> command{readingCode, 0x0A};
    if (sendBytes(command.data(), command.size()) != 1)
        return 1;
    setReadTimeout(kMeterTimeoutMs);
    std::uint8_t byte = 0;
    if (receiveBytes(&byte, 1) != 1)
        return 1;
    purgeReceive();
    sendByte(wire::kAck);
    reading = byte;
    return 0;
}

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

bool TuningAdjustment::acknowledged(const std::function<int()>& command) {
    // The dialog's windows keep running while we wait, its meter timer too; a reading now would
    // throw our acknowledgement away (or take it for the reading), so the meter waits.
    const ScopedCount underWay(commandsUnderWay_);
    while (command() != 0) {
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
    return acknowledged([&] { return link_.setTuningValue(itemCode_, value); });
}

bool TuningAdjustment::ok(std::uint8_t value) {
    return setValue(value) && acknowledged([&] { return link_.storeTuningValue(itemCode_); });
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
    return acknowledged([&] { return link_.storeTuningValue(itemCode_); });
}

bool TuningAdjustment::setPtt(bool on) {
    if (!acknowledged([&] { return link_.setPtt(on); }))
        return false;
    link_.globals().flags.pttOn = on;
    return true;
}

TuningAdjustment::Tick TuningAdjustment::meterTick(bool measuring, std::uint8_t& reading) {
    if (!measuring || commandUnderWay())
        return Tick::Idle; // the next tick reads
    return link_.readMeter(readingCode_, reading) == 0 ? Tick::Reading : Tick::Failed;
}

bool TuningAdjustment::meterRetry() {
    if (link_.askRetry() == PromptAnswer::Retry)
        return true;
    link_.sendEnd();
    closeRequested_ = true;
    return false;
}

} // namespace tsw
