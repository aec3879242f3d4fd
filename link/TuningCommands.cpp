#include "link/TuningCommands.h"

#include <array>

namespace tsw {

namespace {

constexpr std::uint8_t kSetSuffix = 0x20;
constexpr std::uint8_t kStoreSuffix = 0x0E;
constexpr std::uint8_t kMeterSuffix = 0x0A;

} // namespace

bool TuningCommands::setTuningValue(std::uint8_t itemCode, std::uint8_t value) {
    const std::array<std::uint8_t, 3> command{itemCode, kSetSuffix, value};
    return link_.sendBytes(command.data(), command.size()) && link_.waitAck();
}

bool TuningCommands::storeTuningValue(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, kStoreSuffix};
    return link_.sendBytes(command.data(), command.size()) && link_.waitAck();
}

std::optional<std::uint8_t> TuningCommands::readMeter(std::uint8_t readingCode) {
    const std::array<std::uint8_t, 2> command{readingCode, kMeterSuffix};
    if (!link_.sendBytes(command.data(), command.size()))
        return std::nullopt;
    link_.setReadTimeout(kMeterTimeoutMs);
    std::uint8_t byte = 0;
    if (!link_.receiveBytes(&byte, 1))
        return std::nullopt;
    link_.purgeReceive();
    link_.sendByte(wire::kAck);
    return byte;
}

} // namespace tsw
