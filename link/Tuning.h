#pragma once
// The adjustment dialogs of test mode: set a tuning value live, store it, read the meter.
// TuningAdjustment holds one dialog's command logic; the dialog (GUI) shows the values.

#include <cstdint>
#include <functional>
#include <optional>

#include "link/SerialLink.h"
#include "link/TuningCommands.h"

namespace tsw {

inline constexpr std::uint32_t kMeterIntervalMs = 550;

// Item codes of the single adjustment dialogs and the tuning value each starts from.
inline constexpr std::uint8_t kBatteryLevelItem = 0x1C;
inline constexpr std::uint8_t kVox1Item = 0x21;
inline constexpr std::uint8_t kVox10Item = 0x23;
inline constexpr std::uint8_t kTabbedMeterReading = 0x22;
// The tuning value shown first and put back by Cancel; nothing for the tabbed items.
std::optional<std::size_t> initialTuningIndex(std::uint8_t itemCode);

class TuningAdjustment {
public:
    TuningAdjustment(SerialLink& link, std::uint8_t itemCode, std::uint8_t readingCode,
                     std::uint8_t initialValue)
        : link_(link), commands_(link), itemCode_(itemCode), readingCode_(readingCode),
          initial_(initialValue) {}

    // Each command waits for its acknowledgement; a missing one asks to retry (Retry sends
    // it again; Cancel sends the end command and asks the dialog to close). Once the user
    // has given up, further missing acknowledgements are not asked about again.
    bool setValue(std::uint8_t value);
    // OK: the value, then store it.
    bool ok(std::uint8_t value);
    // Cancel: the initial value back, then store it.
    bool cancel();
    // Cancel of a dialog that sends its value as it changes: as Cancel once a value has been
    // sent, nothing at all before.
    bool cancelIfChanged();
    // Stores the value the radio holds now (the tabbed dialog's OK).
    bool store();
    // The transmitter of the tabbed dialog; the pttOn flag follows the radio.
    bool setPtt(bool on);

    enum class Tick { Idle, Reading, Failed };
    // One timer tick: only while measuring and no other command is under way (waiting for its
    // acknowledgement or its Retry question), one meter reading. On a missing reading the
    // caller stops the timer and calls meterRetry().
    Tick meterTick(bool measuring, std::uint8_t& reading);
    // After a missing reading: true to start the timer again, false when the dialog closes.
    bool meterRetry();

    bool closeRequested() const { return closeRequested_; }
    bool gaveUp() const { return gaveUp_; }
    std::uint8_t initialValue() const { return initial_; }
    // True while a command waits for its acknowledgement or its Retry question is open.
    bool commandUnderWay() const { return commandsUnderWay_ > 0; }

private:
    bool acknowledged(const std::function<bool()>& command);

    SerialLink& link_;
    TuningCommands commands_;
    std::uint8_t itemCode_;
    std::uint8_t readingCode_;
    std::uint8_t initial_;
    bool gaveUp_ = false;
    bool closeRequested_ = false;
    bool valueSent_ = false;
    int commandsUnderWay_ = 0;
};

} // namespace tsw
