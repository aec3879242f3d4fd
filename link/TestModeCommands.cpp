#include "link/TestModeCommands.h"

#include <array>

namespace tsw {

namespace {

constexpr std::uint8_t kTuningDataCommand = 0x05;
constexpr std::uint8_t kPttCommand = 0x08;
constexpr std::uint8_t kTestChannelCommand = 0x10;
constexpr std::uint8_t kSignallingCommand = 0x11;
constexpr std::uint8_t kOn = 0x0D;
constexpr std::uint8_t kOff = 0x0E;
constexpr std::uint8_t kWide = 0x46;   // 'F'
constexpr std::uint8_t kNarrow = 0x47; // 'G'

} // namespace

bool TestModeCommands::enterTuningMode() {
    if (!link_.sendString(wire::kTuningHandshake))
        return false;
    std::uint8_t reply = 0;
    return link_.receiveBytes(&reply, 1) && reply == wire::kAck;
}

bool TestModeCommands::readTuningData(std::span<std::uint8_t, TuningValues::kBlockSize> block) {
    const std::uint8_t command = kTuningDataCommand;
    return link_.exchangeData({&command, 1}, block);
}

bool TestModeCommands::readTestChannel(std::uint8_t channel,
                                       std::span<std::uint8_t, kTestChannelRecordSize> record) {
    const std::array<std::uint8_t, 2> command{kTestChannelCommand, channel};
    return link_.exchangeData(command, record, NakAnswer::Accepted);
}

bool TestModeCommands::selectSignalling(std::uint8_t number) {
    const std::array<std::uint8_t, 2> command{kSignallingCommand, number};
    return link_.exchangeAck(command);
}

bool TestModeCommands::setPtt(bool on) {
    const std::array<std::uint8_t, 2> command{kPttCommand, on ? kOn : kOff};
    if (!link_.sendBytes(command.data(), command.size()))
        return false;
    link_.setReadTimeout(kPttAckTimeoutMs);
    std::uint8_t reply = 0;
    const bool received = link_.receiveBytes(&reply, 1);
    link_.setReadTimeout(kAfterPttTimeoutMs);
    return received && reply == wire::kAck;
}

bool TestModeCommands::setBandwidth(bool wide) {
    const std::uint8_t command = wide ? kWide : kNarrow;
    return link_.exchangeAck({&command, 1});
}

bool TestModeCommands::selectTuningItem(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, kOn};
    return link_.exchangeAck(command);
}

void TestModeCommands::storeTuningBlock(
    std::span<const std::uint8_t, TuningValues::kBlockSize> block) {
    for (std::size_t i = 0; i < block.size(); ++i) {
        link_.tuning.current[i] = block[i];
        link_.tuning.initial[i] = block[i];
    }
}

} // namespace tsw
