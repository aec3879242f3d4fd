#pragma once
// The commands of the radio's tuning mode (test mode). Every send discards unread input
// first; "ACK" is the single reply byte 0x06.
//
//   "TUNING "         -> ACK                      enter tuning mode (no baud search)
//   0x05              -> 62 bytes, ACK -> ACK     tuning data
//   0x10 n            -> 8 bytes, ACK -> ACK/NAK  test channel n
//   0x11 n            -> ACK                      test signalling n
//   0x08 0x0D / 0x0E  -> ACK (800 ms)             transmitter on / off
//   0x46 / 0x47       -> ACK                      wide / narrow
//   item 0x0D         -> ACK                      select a tuning item

#include <cstdint>
#include <span>

#include "link/SerialLink.h"

namespace tsw {

inline constexpr std::size_t kTestChannelRecordSize = 8;

class TestModeCommands {
public:
    static constexpr std::uint32_t kPttAckTimeoutMs = 800;
    static constexpr std::uint32_t kAfterPttTimeoutMs = 500;

    explicit TestModeCommands(SerialLink& link) : link_(link) {}

    // Each is true when the radio answered as it should.
    bool enterTuningMode();
    bool readTuningData(std::span<std::uint8_t, TuningValues::kBlockSize> block);
    // The radio's last reply may be 0x06 or 0x15; both count.
    bool readTestChannel(std::uint8_t channel,
                         std::span<std::uint8_t, kTestChannelRecordSize> record);
    bool selectSignalling(std::uint8_t number);
    bool setPtt(bool on);
    bool setBandwidth(bool wide);
    bool selectTuningItem(std::uint8_t itemCode);
    // Stores a tuning data block as the current and the initial tuning values of the link.
    void storeTuningBlock(std::span<const std::uint8_t, TuningValues::kBlockSize> block);

private:
    SerialLink& link_;
};

} // namespace tsw
