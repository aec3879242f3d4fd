#include "link/RadioInfoCommands.h"

#include <algorithm>

namespace tsw {

namespace {

constexpr std::uint8_t kInfoReply = 0x4E;      // 'N'
constexpr std::uint8_t kVersionCommand = 0x50; // 'P'

} // namespace

std::optional<std::array<std::uint8_t, kInfoDataSize>>
parseInfoBlock(std::span<const std::uint8_t, kInfoBlockSize> block) {
    if (block[0] != kInfoReply)
        return std::nullopt;
    std::uint8_t sum = 0;
    std::array<std::uint8_t, kInfoDataSize> data{};
    for (std::size_t i = 0; i < kInfoDataSize; ++i) {
        data[i] = block[1 + i];
        sum = static_cast<std::uint8_t>(sum + data[i]);
    }
    if (sum != block[kInfoBlockSize - 1])
        return std::nullopt;
    return data;
}

RadioInfoCommands::InfoReading RadioInfoCommands::readAndKeepRadioInfo() {
    std::array<std::uint8_t, kInfoBlockSize> block{};
    static constexpr std::array<std::uint8_t, 3> kCommand{'N', 'R', 'K'};
    if (!link_.exchangeData(kCommand, block))
        return InfoReading::NoAnswer;
    const auto data = parseInfoBlock(block);
    if (!data)
        return InfoReading::Malformed;
    std::copy_n(data->begin(), link_.radioInfoText.size(), link_.radioInfoText.begin());
    std::copy_n(data->begin() + link_.radioInfoText.size(), link_.radioInfoSerial.size(),
                link_.radioInfoSerial.begin());
    return InfoReading::Kept;
}

std::optional<std::array<std::uint8_t, kVersionSize>> RadioInfoCommands::readVersion() {
    std::array<std::uint8_t, kVersionSize> version{};
    const std::uint8_t command = kVersionCommand;
    if (!link_.exchangeData({&command, 1}, version))
        return std::nullopt;
    return version;
}

} // namespace tsw
