#pragma once
// The adjustment commands of tuning mode. Every send discards unread input first.
//
//   item 0x20 value  -> ACK        set a tuning value live
//   item 0x0E        -> ACK        store the value the radio holds now
//   reading 0x0A     -> one byte   a meter reading (300 ms); the program answers ACK

#include <cstdint>
#include <optional>

#include "link/SerialLink.h"

namespace tsw {

inline constexpr std::uint32_t kMeterTimeoutMs = 300;

class TuningCommands {
public:
    explicit TuningCommands(SerialLink& link) : link_(link) {}

    // True when the radio acknowledged.
    bool setTuningValue(std::uint8_t itemCode, std::uint8_t value);
    bool storeTuningValue(std::uint8_t itemCode);
    // The reading, or nothing when it did not come within 300 ms.
    std::optional<std::uint8_t> readMeter(std::uint8_t readingCode);

private:
    SerialLink& link_;
};

} // namespace tsw
