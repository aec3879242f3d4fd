#include "link/Tuning.h"

#include <array>

#include "app/ScopedCount.h"

namespace tsw {

int SerialLink::SetTuningValue(std::uint8_t itemCode, std::uint8_t value) {
    const std::array<std::uint8_t, 3> command{itemCode, 0x20, value};
    if (SendBytes(command.data(), command.size()) != 1)
        return 1;
    return WaitAck() ? 0 : 1;
}

int SerialLink::StoreTuningValue(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, 0x0E};
    if (SendBytes(command.data(), command.size()) != 1)
        return 1;
    return WaitAck() ? 0 : 1;
}

int SerialLink::ReadMeter(std::uint8_t readingCode, std::uint8_t& reading) {
    const std::array<std::uint8_t, 2> command{readingCode, 0x0A};
    if (SendBytes(command.data(), command.size()) != 1)
        return 1;
    SetReadTimeout(kMeterTimeoutMs);
    std::uint8_t byte = 0;
    if (ReceiveBytes(&byte, 1) != 1)
        return 1;
    PurgeReceive();
    SendByte(wire::kAck);
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

bool TuningAdjustment::Acknowledged(const std::function<int()>& command) {
    // The dialog's windows keep running while we wait, its meter timer too; a reading now would
    // throw our acknowledgement away (or take it for the reading), so the meter waits.
    const ScopedCount underWay(commandsUnderWay_);
    while (command() != 0) {
        if (gaveUp_)
            return false;
        if (link_.AskRetry() == PromptAnswer::Retry)
            continue;
        gaveUp_ = true;
        closeRequested_ = true;
        link_.SendEnd();
        return false;
    }
    return true;
}

bool TuningAdjustment::SetValue(std::uint8_t value) {
    valueSent_ = true;
    return Acknowledged([&] { return link_.SetTuningValue(itemCode_, value); });
}

bool TuningAdjustment::Ok(std::uint8_t value) {
    return SetValue(value) && Acknowledged([&] { return link_.StoreTuningValue(itemCode_); });
}

bool TuningAdjustment::Cancel() {
    return Ok(initial_);
}

bool TuningAdjustment::CancelIfChanged() {
    // Where the radio keeps the starting values of these items in its tuning block is not
    // certain, so the value we would put back may be the wrong byte. While nothing has been
    // sent the radio still holds its own value: leave it alone rather than overwrite it.
    if (!valueSent_)
        return true;
    return Cancel();
}

bool TuningAdjustment::Store() {
    return Acknowledged([&] { return link_.StoreTuningValue(itemCode_); });
}

bool TuningAdjustment::SetPtt(bool on) {
    if (!Acknowledged([&] { return link_.SetPtt(on); }))
        return false;
    link_.Globals().flags.pttOn = on;
    return true;
}

TuningAdjustment::Tick TuningAdjustment::MeterTick(bool measuring, std::uint8_t& reading) {
    if (!measuring || commandUnderWay())
        return Tick::Idle; // the next tick reads
    return link_.ReadMeter(readingCode_, reading) == 0 ? Tick::Reading : Tick::Failed;
}

bool TuningAdjustment::MeterRetry() {
    if (link_.AskRetry() == PromptAnswer::Retry)
        return true;
    link_.SendEnd();
    closeRequested_ = true;
    return false;
}

} // namespace tsw
