// The programming connection: open the port, the "PROGRAM" handshake with its baud search,
// the identity, the model check, the end command, and the connection frame of a transfer.

#include <algorithm>

#include "app/ImageLayout.h"
#include "link/SerialLink.h"

namespace tsw {

namespace {

// A description of why the device did not open, for the message under the port's text.
std::string openFailureDetail(const SerialLink& link) {
    const std::string reason = link.LastOpenErrorText();
    const std::string path = link.DevicePath();
    if (path.empty())
        return "\n\n" + link.PortName();
    return "\n\n" + path + (reason.empty() ? "" : ": " + reason);
}

} // namespace

int SerialLink::OpenPortForConnection() {
    g_.flags.portOpenFailed = false;
    if (SetOpen(1) == 1)
        return 0;
    const std::string detail = openFailureDetail(*this);
    SetOpen(0);
    g_.flags.portOpenFailed = true;
    Ask(StrId::PortOpenFailed, StrId::ErrorCaption, PromptIcon::Stop, PromptButtons::Ok,
        PromptAnswer::Ok, detail);
    return 1;
}

bool SerialLink::SecondHandshakeRead() {
    SetReadTimeout(500);
    std::uint8_t byte = 0;
    return ReceiveBytes(&byte, 1) == 1 && byte == wire::kAck;
}

int SerialLink::EnterProgramMode() {
    const std::uint32_t rememberedTimeout = readTimeoutConstant();
    const std::string& settings = lineSettings();
    const std::size_t comma = settings.find(',');
    const std::string tail = comma == std::string::npos ? std::string{} : settings.substr(comma);

    for (std::size_t attempt = 0; attempt < kSearchBauds.size(); ++attempt) {
        SetLineSettings(std::string(kSearchBauds[attempt]) + tail);
        if (SendString(wire::kProgramHandshake) != 1) {
            SetReadTimeout(rememberedTimeout);
            return 1;
        }
        SetReadTimeout(attempt == 0 ? 500 : 100);
        std::uint8_t byte = 0;
        const bool received = ReceiveBytes(&byte, 1) == 1;
        bool found = false;
        if (attempt == 0)
            found = received && (byte == wire::kAck || SecondHandshakeRead());
        else
            found = received && byte == wire::kSyn && SecondHandshakeRead();
        if (found) {
            SetReadTimeout(kConnectionTimeoutsMs[attempt]);
            return 0;
        }
    }
    SetReadTimeout(rememberedTimeout);
    return 1;
}

int SerialLink::ReadIdentity(std::span<std::uint8_t, wire::kIdentitySize> identity) {
    Delay(50);
    const std::uint8_t request = wire::kIdentityRequest;
    return DataReply({&request, 1}, identity);
}

void SerialLink::AbandonConnection() {
    g_.flags.readingFromRadio = false;
    g_.flags.writingToRadio = false;
    SendByte(wire::kEnd);
    SetOpen(0);
}

int SerialLink::CheckModel(std::span<const std::uint8_t, wire::kIdentitySize> identity) {
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
        if (Ask(StrId::UnsupportedRadioModel, StrId::ErrorCaption, PromptIcon::Stop,
                PromptButtons::RetryCancel, PromptAnswer::Retry) == PromptAnswer::Retry)
            return 1;
        AbandonConnection();
        return 2;
    }
    if (g_.flags.writingToRadio) {
        bool same = true;
        for (std::size_t i = 0; i < layout::kModelCodeLength; ++i)
            same = same && g_.image.byte(layout::kModelCode + i) == identity[i];
        if (!same &&
            Ask(StrId::ModelMismatchQuestion, StrId::ConfirmCaption, PromptIcon::Exclamation,
                PromptButtons::OkCancel, PromptAnswer::Cancel) != PromptAnswer::Ok) {
            AbandonConnection();
            clearTransferFlags(g_.flags);
            return 2;
        }
    }
    return 0;
}

int SerialLink::LeaveProgramMode() {
    const std::uint8_t end = wire::kEnd;
    return SendAndAck({&end, 1});
}

PromptAnswer SerialLink::AskRetry() {
    const PromptAnswer a = Ask(StrId::RadioLinkFailed, StrId::ErrorCaption, PromptIcon::Stop,
                               PromptButtons::RetryCancel, PromptAnswer::Retry);
    return a == PromptAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void SerialLink::ClosingSteps(ConnectionMode mode, bool afterTransfer) {
    if (mode == ConnectionMode::Read && afterTransfer)
        Delay(250);
    g_.flags.readingFromRadio = false;
    g_.flags.writingToRadio = false;
    LeaveProgramMode();
    clearTransferFlags(g_.flags);
    SetOpen(0);
}

int SerialLink::RunConnection(ConnectionMode mode, const std::function<int()>& transferStep) {
    const auto setModeFlag = [&] {
        (mode == ConnectionMode::Read ? g_.flags.readingFromRadio : g_.flags.writingToRadio) = true;
    };
    // A connection whose port does not open ends with the mode flag cleared: left set, it
    // would make the next transfer dialog open with every button disabled.
    const auto portOpened = [&] {
        if (OpenPortForConnection() == 0)
            return true;
        g_.flags.readingFromRadio = false;
        g_.flags.writingToRadio = false;
        return false;
    };
    setModeFlag();
    if (!portOpened())
        return 1;
    while (EnterProgramMode() != 0) {
        if (AskRetry() != PromptAnswer::Retry) {
            ClosingSteps(mode, false);
            return 1;
        }
        setModeFlag();
        if (!portOpened())
            return 1;
    }
    bool transferRan = false;
    while (true) {
        std::array<std::uint8_t, wire::kIdentitySize> identity{};
        if (ReadIdentity(identity) != 0) {
            if (AskRetry() != PromptAnswer::Retry) {
                ClosingSteps(mode, transferRan);
                return 1;
            }
            g_.flags.retrying = true;
            continue;
        }
        const int check = CheckModel(identity);
        if (check == 1) {
            g_.flags.retrying = true;
            continue;
        }
        if (check == 2)
            return 1;
        transferRan = true;
        if (transferStep() == 0) {
            ClosingSteps(mode, true);
            return 0;
        }
        if (AskRetry() != PromptAnswer::Retry) {
            ClosingSteps(mode, true);
            return 1;
        }
        g_.flags.retrying = true;
    }
}

} // namespace tsw
