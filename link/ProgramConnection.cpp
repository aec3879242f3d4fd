// The programming connection: open the port, the "PROGRAM" handshake with its baud search,
// the identity, the model check, the end command, and the connection frame of a transfer.

#include <algorithm>

#include "app/ImageLayout.h"
#include "link/SerialLink.h"

namespace tsw {

namespace {

// A description of why the device did not open, for the message under the port's text.
std::string openFailureDetail(const SerialLink& link) {
    const std::string reason = link.lastOpenErrorText();
    const std::string path = link.devicePath();
    if (path.empty())
        return "\n\n" + link.portName();
    return "\n\n" + path + (reason.empty() ? "" : ": " + reason);
}

} // namespace

int SerialLink::openPortForConnection() {
    g_.flags.portOpenFailed = false;
    if (setOpen(1) == 1)
        return 0;
    const std::string detail = openFailureDetail(*this);
    setOpen(0);
    g_.flags.portOpenFailed = true;
    ask(StrId::PortOpenFailed, StrId::ErrorCaption, PromptIcon::Stop, PromptButtons::Ok,
        PromptAnswer::Ok, detail);
    return 1;
}

bool SerialLink::secondHandshakeRead() {
    setReadTimeout(500);
    std::uint8_t byte = 0;
    return receiveBytes(&byte, 1) == 1 && byte == wire::kAck;
}

int SerialLink::enterProgramMode() {
    const std::uint32_t rememberedTimeout = readTimeoutConstant();
    const std::string& settings = lineSettings();
    const std::size_t comma = settings.find(',');
    const std::string tail = comma == std::string::npos ? std::string{} : settings.substr(comma);

    for (std::size_t attempt = 0; attempt < kSearchBauds.size(); ++attempt) {
        setLineSettings(std::string(kSearchBauds[attempt]) + tail);
        if (sendString(wire::kProgramHandshake) != 1) {
            setReadTimeout(rememberedTimeout);
            return 1;
        }
        setReadTimeout(attempt == 0 ? 500 : 100);
        std::uint8_t byte = 0;
        const bool received = receiveBytes(&byte, 1) == 1;
        bool found = false;
        if (attempt == 0)
            found = received && (byte == wire::kAck || secondHandshakeRead());
        else
            found = received && byte == wire::kSyn && secondHandshakeRead();
        if (found) {
            setReadTimeout(kConnectionTimeoutsMs[attempt]);
            return 0;
        }
    }
    setReadTimeout(rememberedTimeout);
    return 1;
}

int SerialLink::readIdentity(std::span<std::uint8_t, wire::kIdentitySize> identity) {
    delay(50);
    const std::uint8_t request = wire::kIdentityRequest;
    return dataReply({&request, 1}, identity);
}

void SerialLink::abandonConnection() {
    g_.flags.readingFromRadio = false;
    g_.flags.writingToRadio = false;
    sendByte(wire::kEnd);
    setOpen(0);
}

int SerialLink::checkModel(std::span<const std::uint8_t, wire::kIdentitySize> identity) {
    radioModelCode.assign(identity.begin(), identity.begin() + layout::kModelCodeLength);
    radioTypeByte = identity[5];

    bool known = false;
    for (std::string_view code : kModelCodeList) {
        if (code == "NULL")
            break;
        if (code == radioModelCode) {
            known = true;
            break;
        }
    }
    if (!known) {
        if (ask(StrId::UnsupportedRadioModel, StrId::ErrorCaption, PromptIcon::Stop,
                PromptButtons::RetryCancel, PromptAnswer::Retry) == PromptAnswer::Retry)
            return 1;
        abandonConnection();
        return 2;
    }
    if (g_.flags.writingToRadio) {
        bool same = true;
        for (std::size_t i = 0; i < layout::kModelCodeLength; ++i)
            same = same && g_.image.byte(layout::kModelCode + i) == identity[i];
        if (!same &&
            ask(StrId::ModelMismatchQuestion, StrId::ConfirmCaption, PromptIcon::Exclamation,
                PromptButtons::OkCancel, PromptAnswer::Cancel) != PromptAnswer::Ok) {
            abandonConnection();
            clearTransferFlags(g_.flags);
            return 2;
        }
    }
    return 0;
}

int SerialLink::leaveProgramMode() {
    const std::uint8_t end = wire::kEnd;
    return sendAndAck({&end, 1});
}

PromptAnswer SerialLink::askRetry() {
    const PromptAnswer a = ask(StrId::RadioLinkFailed, StrId::ErrorCaption, PromptIcon::Stop,
                               PromptButtons::RetryCancel, PromptAnswer::Retry);
    return a == PromptAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void SerialLink::closingSteps(ConnectionMode mode, bool afterTransfer) {
    if (mode == ConnectionMode::Read && afterTransfer)
        delay(250);
    g_.flags.readingFromRadio = false;
    g_.flags.writingToRadio = false;
    leaveProgramMode();
    clearTransferFlags(g_.flags);
    setOpen(0);
}

int SerialLink::runConnection(ConnectionMode mode, const std::function<int()>& transferStep) {
    const auto setModeFlag = [&] {
        (mode == ConnectionMode::Read ? g_.flags.readingFromRadio : g_.flags.writingToRadio) = true;
    };
    // A connection whose port does not open ends with the mode flag cleared: left set, it
    // would make the next transfer dialog open with every button disabled.
    const auto portOpened = [&] {
        if (openPortForConnection() == 0)
            return true;
        g_.flags.readingFromRadio = false;
        g_.flags.writingToRadio = false;
        return false;
    };
    setModeFlag();
    if (!portOpened())
        return 1;
    while (enterProgramMode() != 0) {
        if (askRetry() != PromptAnswer::Retry) {
            closingSteps(mode, false);
            return 1;
        }
        setModeFlag();
        if (!portOpened())
            return 1;
    }
    bool transferRan = false;
    while (true) {
        std::array<std::uint8_t, wire::kIdentitySize> identity{};
        if (readIdentity(identity) != 0) {
            if (askRetry() != PromptAnswer::Retry) {
                closingSteps(mode, transferRan);
                return 1;
            }
            g_.flags.retrying = true;
            continue;
        }
        const int check = checkModel(identity);
        if (check == 1) {
            g_.flags.retrying = true;
            continue;
        }
        if (check == 2)
            return 1;
        transferRan = true;
        if (transferStep() == 0) {
            closingSteps(mode, true);
            return 0;
        }
        if (askRetry() != PromptAnswer::Retry) {
            closingSteps(mode, true);
            return 1;
        }
        g_.flags.retrying = true;
    }
}

} // namespace tsw
