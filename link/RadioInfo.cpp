#include "link/RadioInfo.h"

#include <algorithm>

namespace tsw {

namespace {

bool serialCharacter(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

std::string upToEmpty(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t c : bytes) {
        if (c == 0xFF)
            break;
        out.push_back(static_cast<char>(c));
    }
    return out;
}

enum class Step { Done, Cancelled, Abandoned };

// Handshake, identity and model check; a failed handshake or identity retries the handshake.
Step identify(SerialLink& link) {
    while (true) {
        if (link.enterProgramMode() != 0) {
            if (link.askRetry() == PromptAnswer::Retry)
                continue;
            return Step::Cancelled;
        }
        std::array<std::uint8_t, wire::kIdentitySize> identity{};
        bool identified = link.readIdentity(identity) == 0;
        while (identified) {
            const int check = link.checkModel(identity);
            if (check == 0)
                return Step::Done;
            if (check == 2)
                return Step::Abandoned;
            identified = link.readIdentity(identity) == 0;
        }
        if (link.askRetry() != PromptAnswer::Retry)
            return Step::Cancelled;
    }
}

// Repeats a reading until it succeeds or the user cancels.
template <typename Reading>
bool withRetry(SerialLink& link, Reading reading) {
    while (reading() != 0)
        if (link.askRetry() != PromptAnswer::Retry)
            return false;
    return true;
}

} // namespace

std::optional<std::array<std::uint8_t, kInfoDataSize>>
parseInfoBlock(std::span<const std::uint8_t, kInfoBlockSize> block) {
    if (block[0] != 0x4E)
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

int SerialLink::readRadioInfo(std::span<std::uint8_t, 32> data) {
    std::array<std::uint8_t, kInfoBlockSize> block{};
    static constexpr std::array<std::uint8_t, 3> kCommand{'N', 'R', 'K'};
    if (dataReply(kCommand, block) != 0)
        return 1;
    const auto parsed = parseInfoBlock(block);
    if (!parsed)
        return 1;
    std::copy(parsed->begin(), parsed->end(), data.begin());
    return 0;
}

int SerialLink::readVersion(std::span<std::uint8_t, 10> version) {
    const std::uint8_t command = 'P';
    return dataReply({&command, 1}, version);
}

bool runRadioInformation(SerialLink& link) {
    if (link.openPortForConnection() != 0)
        return false;
    const Step step = identify(link);
    if (step == Step::Abandoned)
        return false; // the end command was sent and the port closed by the model check
    bool shown = false;
    if (step == Step::Done) {
        link.globals().flags.tuningModeActive = false;
        std::array<std::uint8_t, kInfoDataSize> data{};
        std::array<std::uint8_t, kVersionSize> version{};
        if (withRetry(link, [&] { return link.readRadioInfo(data); })) {
            std::copy_n(data.begin(), 16, link.radioInfoText.begin());
            std::copy_n(data.begin() + 16, 12, link.radioInfoSerial.begin());
            if (withRetry(link, [&] { return link.readVersion(version); })) {
                link.radioVersion = version;
                shown = true;
            }
        }
    }
    link.leaveProgramMode();
    link.setOpen(0);
    return shown;
}

std::string modelTypeText(const std::string& modelCode) {
    std::string out = "HX-";
    for (char c : modelCode)
        if (c != 'H')
            out.push_back(c);
    return out;
}

std::string frequencyText(std::uint32_t typeByte, const TextLookup& text) {
    if (typeByte != kInfoBandTypeByte)
        return " ";
    return text(StrId::BandLabel) + " : " + text(StrId::RadioInfoBandRange) + " " +
           text(StrId::RadioInfoBandUnit);
}

std::string serialNumberText(std::span<const std::uint8_t, 16> infoText,
                             std::span<std::uint8_t, 12> serial) {
    const std::string piece1 = upToEmpty(infoText.subspan(0, 12));
    const std::string piece2 = upToEmpty(infoText.subspan(12, 4));
    std::string piece3;
    for (std::uint8_t& c : serial) {
        if (c == 0xFF)
            continue;
        if (!serialCharacter(c))
            c = ' ';
        piece3.push_back(static_cast<char>(c));
    }
    std::string out = piece1;
    if (!piece1.empty())
        out += ' ';
    out += piece2;
    if (!piece2.empty())
        out += ' ';
    return out + piece3;
}

std::string versionText(std::span<const std::uint8_t, kVersionSize> version) {
    return upToEmpty(version.subspan(0, 6));
}

} // namespace tsw
