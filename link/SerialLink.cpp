#include "link/SerialLink.h"

#include <cmath>

namespace tsw {

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

int SerialLink::waitBudgetPolls(int n) const {
    // Twice the time the awaited bytes take on the wire, so a slow line can deliver them.
    const double wireMs = currentLineSettings().wireTimeMs(static_cast<std::size_t>(n < 0 ? 0 : n));
    const int polls = static_cast<int>(std::ceil(2.0 * wireMs / kPollMs));
    return polls > kMinWaitPolls ? polls : kMinWaitPolls;
}

void SerialLink::waitForBytes(int n) {
    auto& flags = g_.flags;
    flags.dataReady = false;
    flags.replyTimedOut = false;
    const int budget = waitBudgetPolls(n);
    int polls = 0;
    lastWaitingCount_ = bytesWaiting();
    while (lastWaitingCount_ != n) {
        if (polls >= budget) {
            flags.replyTimedOut = true;
            return;
        }
        clock_.sleepMs(kPollMs);
        ++polls;
        lastWaitingCount_ = bytesWaiting();
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
    if (receiveBytes(&byte, 1) == 1 &&
        (byte == wire::kAck || (byte == wire::kNak && flags.acceptNak)))
        return true;
    flags.dataReady = false;
    return false;
}

int SerialLink::sendAndAck(std::span<const std::uint8_t> command) {
    if (sendBytes(command.data(), static_cast<std::uint16_t>(command.size())) != 1)
        return 1;
    std::uint8_t reply = 0;
    if (receiveBytes(&reply, 1) != 1)
        return 1;
    return reply == wire::kAck ? 0 : 1;
}

int SerialLink::dataReply(std::span<const std::uint8_t> command, std::span<std::uint8_t> reply,
                          bool nakAccepted) {
    // The command, its data reply, our acknowledgement and the radio's acknowledgement of it.
    if (sendBytes(command.data(), static_cast<std::uint16_t>(command.size())) != 1)
        return 1;
    if (receiveBytes(reply.data(), static_cast<std::uint16_t>(reply.size())) != 1)
        return 1;
    if (sendByte(wire::kAck) != 1)
        return 1;
    std::uint8_t last = 0;
    if (receiveBytes(&last, 1) != 1)
        return 1;
    return last == wire::kAck || (nakAccepted && last == wire::kNak) ? 0 : 1;
}

} // namespace tsw
