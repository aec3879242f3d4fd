#include "link/SerialLink.h"

#include <cmath>

namespace tsw {

namespace {

// Why the device did not open, for the message under the port's text.
std::string openFailureDetail(const SerialLink& link) {
    const std::string reason = link.lastOpenErrorText();
    const std::string path = link.devicePath();
    if (path.empty())
        return "\n\n" + link.portName();
    return "\n\n" + path + (reason.empty() ? "" : ": " + reason);
}

} // namespace

void clearTransferFlags(SharedFlags& flags) {
    flags.dataReady = false;
    flags.replyTimedOut = false;
    flags.ackMissing = false;
    flags.retrying = false;
}

SerialLink::SerialLink(SerialDevice& device, Clock& clock, UserPrompt& prompt, AppGlobals& globals)
    : CommPort(device, clock), prompt_(prompt), g_(globals) {}

std::string SerialLink::text(StringId id) const {
    return lookup_ ? lookup_(id) : g_.language.text(id);
}

PromptAnswer SerialLink::ask(StringId text, StringId caption, PromptIcon icon,
                             PromptButtons buttons, PromptAnswer defaultAnswer,
                             const std::string& extra) {
    Prompt p = textPrompt(text, caption, icon, texts(), extra);
    p.buttons = buttons;
    p.defaultAnswer = defaultAnswer;
    return prompt_.ask(p);
}

// ---- Connections ------------------------------------------------------------------------------

bool SerialLink::openPortForConnection() {
    g_.flags.portOpenFailed = false;
    if (setOpen(true))
        return true;
    const std::string detail = openFailureDetail(*this);
    setOpen(false);
    g_.flags.portOpenFailed = true;
    ask(StrId::PortOpenFailed, StrId::ErrorCaption, PromptIcon::Stop, PromptButtons::Ok,
        PromptAnswer::Ok, detail);
    return false;
}

PromptAnswer SerialLink::askRetry() {
    const PromptAnswer a = ask(StrId::RadioLinkFailed, StrId::ErrorCaption, PromptIcon::Stop,
                               PromptButtons::RetryCancel, PromptAnswer::Retry);
    return a == PromptAnswer::Retry ? PromptAnswer::Retry : PromptAnswer::Cancel;
}

void SerialLink::sendEnd() {
    sendByte(wire::kEnd);
}

// ---- Exchanges --------------------------------------------------------------------------------

bool SerialLink::exchangeAck(std::span<const std::uint8_t> command) {
    if (!sendBytes(command.data(), static_cast<std::uint16_t>(command.size())))
        return false;
    std::uint8_t reply = 0;
    return receiveBytes(&reply, 1) && reply == wire::kAck;
}

bool SerialLink::exchangeData(std::span<const std::uint8_t> command, std::span<std::uint8_t> reply,
                              NakAnswer nak) {
    // The command, its data reply, our acknowledgement and the radio's acknowledgement of it.
    if (!sendBytes(command.data(), static_cast<std::uint16_t>(command.size())))
        return false;
    if (!receiveBytes(reply.data(), static_cast<std::uint16_t>(reply.size())))
        return false;
    if (!sendByte(wire::kAck))
        return false;
    std::uint8_t last = 0;
    if (!receiveBytes(&last, 1))
        return false;
    return last == wire::kAck || (nak == NakAnswer::Accepted && last == wire::kNak);
}

// ---- Reply waits ------------------------------------------------------------------------------

int SerialLink::waitBudgetPolls(int n) const {
    // Twice the time the awaited bytes take on the wire, so a slow line can deliver them.
    const double wireMs = currentLineSettings().wireTimeMs(static_cast<std::size_t>(n < 0 ? 0 : n));
    const int polls = static_cast<int>(std::ceil(2.0 * wireMs / kPollMs));
    return polls > kMinWaitPolls ? polls : kMinWaitPolls;
}

int SerialLink::waitingCount() {
    const auto waiting = bytesWaiting();
    return waiting ? static_cast<int>(*waiting) : -1;
}

void SerialLink::waitForBytes(int n) {
    auto& flags = g_.flags;
    flags.dataReady = false;
    flags.replyTimedOut = false;
    const int budget = waitBudgetPolls(n);
    int polls = 0;
    lastWaitingCount_ = waitingCount();
    while (lastWaitingCount_ != n) {
        if (polls >= budget) {
            flags.replyTimedOut = true;
            return;
        }
        clock_.sleepMs(kPollMs);
        ++polls;
        lastWaitingCount_ = waitingCount();
    }
    flags.dataReady = true;
}

bool SerialLink::waitAck() {
    auto& flags = g_.flags;
    waitForBytes(1);
    if (!flags.dataReady) {
        flags.ackMissing = true;
        return false;
    }
    std::uint8_t byte = 0;
    if (receiveBytes(&byte, 1) && (byte == wire::kAck || (byte == wire::kNak && flags.acceptNak)))
        return true;
    flags.dataReady = false;
    return false;
}

} // namespace tsw
