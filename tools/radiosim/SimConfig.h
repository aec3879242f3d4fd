#pragma once
// What the simulated radio is: its memory, identity, baud rate, information block, version
// and tuning values, and the faults it is told to make.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/ModelTable.h"
#include "app/RadioImage.h"

namespace tsw::radiosim {

// Time on the simulated line, from the simulator's start.
using SimTime = std::chrono::nanoseconds;

// Protocol bytes as the radio sees them.
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kSyn = 0x16;

// The radio answers "PROGRAM" with a lone ACK at this rate, with SYN then ACK at the others.
inline constexpr int kPrimaryBaud = 9600;
// The rates the program searches, and so the rates a radio may run at.
inline constexpr std::array<int, 5> kRadioBaudRates = {9600, 19200, 4800, 2400, 1200};

inline constexpr std::size_t kInfoDataSize = 32;    // data bytes of the "NRK" block
inline constexpr std::size_t kInfoTextSize = 16;    // data bytes 0..15
inline constexpr std::size_t kInfoSerialSize = 12;  // data bytes 16..27
inline constexpr std::size_t kVersionSize = 10;     // reply to 'P'
inline constexpr std::size_t kTuningBlockSize = 62; // reply to 0x05
inline constexpr std::size_t kMaxFrameData = 64;    // largest read or write frame

// Faults, each switched on by its own option. Frame numbers count the read and write
// frames the radio has received since it started, from 1; a retried transfer goes on
// counting, so a fault hits one frame once.
struct Faults {
    std::set<int> noAck;             // the frame gets no ACK (a write frame is not taken)
    std::set<int> badFirst;          // the first byte of the reply to the frame is inverted
    std::set<int> extraByte;         // one byte 0x00 follows the reply to the frame
    std::set<int> nak;               // NAK instead of ACK (a write frame is not taken)
    std::optional<int> silenceAfter; // after this many frames the radio answers nothing
    int delayMs = 0;                 // every reply starts this much later
    bool infoChecksum = false;       // the "NRK" block carries a wrong checksum
    bool testChannelNak = false;     // test channel readings end with NAK (a legal answer)
    std::set<std::size_t> store;     // memory addresses that keep the written byte XOR 0x01
};

struct SimConfig {
    RadioImage memory;        // the radio's 1024-byte programming memory
    ModelIdentity identity{}; // model code (5), band byte, two further bytes
    int baud = kPrimaryBaud;  // the radio's line rate
    std::array<std::uint8_t, kInfoDataSize> info{};
    std::array<std::uint8_t, kVersionSize> version{};
    Faults faults;
    // --fleet: the serial numbers of the radios a dealer connects one after the other; after
    // each programming session that wrote the memory, the next one answers (the memory stays).
    std::vector<std::string> fleetSerials;
};

// Default memory image with the factory tuning values, identity "H5520" 0x92 0xF3 0xFF,
// 9600 baud, information text empty, serial number kDefaultSerial, version kDefaultVersion.
inline constexpr const char* kDefaultSerial = "S5520-000001";
inline constexpr const char* kDefaultVersion = "V1.000";
SimConfig defaultConfig();

// A radio leaves the factory aligned: these are its tuning values.
std::array<std::uint8_t, kTuningBlockSize> factoryTuningValues();
// Puts the factory tuning values into the memory's tuning area.
void putFactoryTuning(RadioImage& memory);

// Text into a field of `size` bytes, the rest 0xFF (longer text is cut).
template <std::size_t N>
std::array<std::uint8_t, N> textField(std::string_view text) {
    std::array<std::uint8_t, N> field{};
    field.fill(0xFF);
    for (std::size_t i = 0; i < N && i < text.size(); ++i)
        field[i] = static_cast<std::uint8_t>(text[i]);
    return field;
}

} // namespace tsw::radiosim
