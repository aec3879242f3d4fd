#include "link/RadioInfo.h"

#include <algorithm>

#include "link/ProgramConnection.h"

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
    ProgramConnection program(link);
    const auto now = [&] { return link.clockSource().tickMs(); };
    while (true) {
        if (!program.enterProgramMode()) {
            if (program.retryAfterFailure(now()))
                continue;
            return Step::Cancelled;
        }
        std::array<std::uint8_t, wire::kIdentitySize> identity{};
        bool identified = program.readIdentity(identity);
        while (identified) {
            switch (program.checkModel(identity)) {
            case ModelCheck::Accepted:
                return Step::Done;
            case ModelCheck::Abandoned:
                return Step::Abandoned;
            case ModelCheck::ReadIdentityAgain:
                break;
            }
            identified = program.readIdentity(identity);
        }
        if (!program.retryAfterFailure(now()))
            return Step::Cancelled;
    }
}

// Repeats a reading until it succeeds or the user cancels.
template <typename Reading>
bool withRetry(SerialLink& link, Reading reading) {
    ProgramConnection program(link);
    while (!reading())
        if (!program.retryAfterFailure(link.clockSource().tickMs()))
            return false;
    return true;
}

} // namespace

bool runRadioInformation(SerialLink& link) {
    if (!link.openPortForConnection())
        return false;
    const Step step = identify(link);
    if (step == Step::Abandoned)
        return false; // the end command was sent and the port closed by the model check
    bool shown = false;
    if (step == Step::Done) {
        link.globals().flags.tuningModeActive = false;
        RadioInfoCommands commands(link);
        std::optional<std::array<std::uint8_t, kVersionSize>> version;
        using InfoReading = RadioInfoCommands::InfoReading;
        if (withRetry(link, [&] { return commands.readAndKeepRadioInfo() == InfoReading::Kept; }) &&
            withRetry(link, [&] { return (version = commands.readVersion()).has_value(); })) {
            link.radioVersion = *version;
            shown = true;
        }
    }
    ProgramConnection(link).leaveProgramMode();
    link.setOpen(false);
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
