#pragma once
// The two readings of Radio Information, in programming mode:
//
//   "NRK"  -> 'N', 32 data bytes, checksum (sum of the data bytes mod 256); ACK -> ACK
//   'P'    -> 10 version bytes; ACK -> ACK
//
// Data bytes 0..15 are a text (0xFF = empty position), 16..27 the serial number, 28..31 unused.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "link/SerialLink.h"

namespace tsw {

inline constexpr std::size_t kInfoBlockSize = 34;
inline constexpr std::size_t kInfoDataSize = 32;
inline constexpr std::size_t kVersionSize = 10;

// The 32 data bytes of a well-formed block, nothing otherwise.
std::optional<std::array<std::uint8_t, kInfoDataSize>>
parseInfoBlock(std::span<const std::uint8_t, kInfoBlockSize> block);

class RadioInfoCommands {
public:
    explicit RadioInfoCommands(SerialLink& link) : link_(link) {}

    enum class InfoReading {
        Kept,      // the block came well formed; its text and serial number are in the link
        Malformed, // the exchange went through, but the block's first byte or sum is wrong
        NoAnswer,  // the exchange failed (no, short or unacknowledged reply)
    };
    // Reads the information block and keeps its text and serial number in the link.
    InfoReading readAndKeepRadioInfo();
    std::optional<std::array<std::uint8_t, kVersionSize>> readVersion();

private:
    SerialLink& link_;
};

} // namespace tsw
