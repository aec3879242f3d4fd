#pragma once
// The one object through which all radio traffic passes: the port wrapper plus the few
// exchanges every radio command is made of (a command answered by one acknowledgement; a
// command answered by data that we acknowledge and the radio acknowledges back), the reply
// waits of the transfers, the questions to the user and what the last connection learnt
// about the radio. The commands themselves live in classes of their own over this one:
// ProgramConnection (programming mode and the connection frame of a transfer),
// TestModeCommands, TuningCommands and RadioInfoCommands.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/AppGlobals.h"
#include "app/TextLookup.h"
#include "app/UserPrompt.h"
#include "link/CommPort.h"

namespace tsw {

// Bytes of the radio protocol.
namespace wire {
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kSyn = 0x16;
inline constexpr std::uint8_t kIdentityRequest = 0x02;
inline constexpr std::uint8_t kEnd = 0x45;          // 'E'
inline constexpr std::uint8_t kReadCommand = 0x52;  // 'R'
inline constexpr std::uint8_t kWriteCommand = 0x57; // 'W', also the first byte of a read reply
inline constexpr std::string_view kProgramHandshake = "PROGRAM";
inline constexpr std::string_view kTuningHandshake = "TUNING ";
inline constexpr std::size_t kIdentitySize = 8;
} // namespace wire

// The tuning values of test mode: the first 62 are the last tuning data block.
struct TuningValues {
    static constexpr std::size_t kSlots = 80;
    static constexpr std::size_t kBlockSize = 62;
    std::array<int, kSlots> current{};
    std::array<int, kSlots> initial{};
};

// Whether a NAK (0x15) ends a data exchange as well as an ACK.
enum class NakAnswer { Refused, Accepted };

class SerialLink : public CommPort {
public:
    static constexpr int kMinWaitPolls = 60;
    static constexpr std::uint32_t kPollMs = 5;

    SerialLink(SerialDevice& device, Clock& clock, UserPrompt& prompt, AppGlobals& globals);

    // Texts come from the language table unless a lookup is set (tests, fallbacks).
    void setTextLookup(TextLookup lookup) { lookup_ = std::move(lookup); }
    std::string text(StringId id) const;
    TextLookup texts() const {
        return [this](StringId id) { return text(id); };
    }
    AppGlobals& globals() { return g_; }
    UserPrompt& prompter() { return prompt_; }
    Clock& clockSource() { return clock_; }
    PromptAnswer ask(StringId text, StringId caption, PromptIcon icon, PromptButtons buttons,
                     PromptAnswer defaultAnswer, const std::string& extra = {});

    // ---- Connections ----------------------------------------------------------------------
    // Opens the port for a connection. When it does not open, the port is closed again, the
    // portOpenFailed flag set and the user told (string 3380007 and why); false then.
    bool openPortForConnection();
    // The question after a failed step: Retry or Cancel (string 3003005).
    PromptAnswer askRetry();
    // The raw end command 0x45, no reply awaited.
    void sendEnd();

    // ---- Exchanges ------------------------------------------------------------------------
    // Sends the command and takes one reply byte; true when it is the ACK.
    bool exchangeAck(std::span<const std::uint8_t> command);
    // Sends the command, takes the data reply, acknowledges it and takes the radio's
    // acknowledgement of that; true when all of it came and the last byte is the ACK (or the
    // NAK where accepted).
    bool exchangeData(std::span<const std::uint8_t> command, std::span<std::uint8_t> reply,
                      NakAnswer nak = NakAnswer::Refused);

    // ---- Reply waits of the transfers -----------------------------------------------------
    // Polls every 5 ms until exactly n bytes are waiting (more is no match): sets dataReady,
    // or replyTimedOut when the budget is spent. The budget is at least 60 polls and at least
    // twice the wire time of n bytes at the line's current baud rate.
    void waitForBytes(int n);
    // True for an acknowledgement: 0x06, or 0x15 while acceptNak is set.
    bool waitAck();
    int waitBudgetPolls(int n) const;
    // The count seen by the last wait; -1 when no device was open.
    int lastWaitingCount() const { return lastWaitingCount_; }

    // ---- What the last connection learnt about the radio --------------------------------
    std::string radioModelCode;
    std::uint32_t radioTypeByte = 0;
    std::array<std::uint8_t, 16> radioInfoText{};
    std::array<std::uint8_t, 12> radioInfoSerial{};
    std::array<std::uint8_t, 10> radioVersion{};
    TuningValues tuning;

private:
    int waitingCount();

    UserPrompt& prompt_;
    AppGlobals& g_;
    TextLookup lookup_;
    int lastWaitingCount_ = 0;
};

// Clears the flags of a transfer in progress (the reply-wait and retry flags).
void clearTransferFlags(SharedFlags& flags);

} // namespace tsw
