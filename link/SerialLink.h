#pragma once
// The one object through which all radio traffic passes: the port wrapper plus the radio
// protocol. Protocol operations return 0 for success and 1 for failure (the port wrapper's
// own operations keep 1 for success). Questions to the user go through UserPrompt.
//
// The operations are defined in several files by topic: ProgramConnection.cpp (baud search,
// identity, model check, end, the connection frame), SerialLink.cpp (reply waits),
// TestMode.cpp, Tuning.cpp and RadioInfo.cpp.

#include <array>
#include <cstdint>
#include <functional>
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

enum class ConnectionMode { Read, Write };

// The tuning values of test mode: the first 62 are the last tuning data block.
struct TuningValues {
    static constexpr std::size_t kSlots = 80;
    static constexpr std::size_t kBlockSize = 62;
    std::array<int, kSlots> current{};
    std::array<int, kSlots> initial{};
};

class SerialLink : public CommPort {
public:
    // The accepted model codes in search order, ended by "NULL".
    static constexpr std::array<std::string_view, 3> kModelCodeList = {"LZ709", "H5520", "NULL"};
    // Read time-out for the rest of a connection, by the baud-search attempt that succeeded.
    static constexpr std::array<std::string_view, 5> kSearchBauds = {"9600", "19200", "4800",
                                                                     "2400", "1200"};
    static constexpr std::array<std::uint32_t, 5> kConnectionTimeoutsMs = {550, 550, 1100, 2200,
                                                                           4400};
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

    // ---- Programming connection ----------------------------------------------------------
    int openPortForConnection();
    int enterProgramMode();
    int readIdentity(std::span<std::uint8_t, wire::kIdentitySize> identity);
    // 0 accepted, 1 read the identity again, 2 abandoned (end sent, port closed).
    int checkModel(std::span<const std::uint8_t, wire::kIdentitySize> identity);
    int leaveProgramMode();
    PromptAnswer askRetry();
    // The connection frame of a transfer around `transferStep` (0 success, 1 failure).
    // Returns 0 when the transfer step succeeded, 1 otherwise.
    int runConnection(ConnectionMode mode, const std::function<int()>& transferStep);

    // ---- Reply waits ----------------------------------------------------------------------
    // Polls every 5 ms until exactly n bytes are waiting (more is no match): sets dataReady,
    // or replyTimedOut when the budget is spent. The budget is at least 60 polls and at least
    // twice the wire time of n bytes at the line's current baud rate.
    void waitForBytes(int n);
    // True for an acknowledgement: 0x06, or 0x15 while acceptNak is set.
    bool waitAck();
    int waitBudgetPolls(int n) const;
    int lastWaitingCount() const { return lastWaitingCount_; }

    // ---- Test mode and tuning -------------------------------------------------------------
    int enterTuningMode();
    int readTuningData(std::span<std::uint8_t, TuningValues::kBlockSize> block);
    // The radio's last reply may be 0x06 or 0x15; both count.
    int readTestChannel(std::uint8_t channel, std::span<std::uint8_t, 8> record);
    int selectSignalling(std::uint8_t number);
    int setPtt(bool on);
    int setBandwidth(bool wide);
    int selectTuningItem(std::uint8_t itemCode);
    int setTuningValue(std::uint8_t itemCode, std::uint8_t value);
    int storeTuningValue(std::uint8_t itemCode);
    int readMeter(std::uint8_t readingCode, std::uint8_t& reading);
    // The raw end command 0x45, no reply awaited.
    void sendEnd();
    // Stores a tuning data block as the current and the initial tuning values.
    void storeTuningBlock(std::span<const std::uint8_t, TuningValues::kBlockSize> block);

    // ---- Radio information ----------------------------------------------------------------
    int readRadioInfo(std::span<std::uint8_t, 32> data);
    int readVersion(std::span<std::uint8_t, 10> version);

    // State kept from the last identity check, information block and tuning data.
    std::string radioModelCode;
    std::uint32_t radioTypeByte = 0;
    std::array<std::uint8_t, 16> radioInfoText{};
    std::array<std::uint8_t, 12> radioInfoSerial{};
    std::array<std::uint8_t, 10> radioVersion{};
    TuningValues tuning;

private:
    PromptAnswer ask(StringId text, StringId caption, PromptIcon icon, PromptButtons buttons,
                     PromptAnswer defaultAnswer, const std::string& extra = {});
    bool secondHandshakeRead();
    void closingSteps(ConnectionMode mode, bool afterTransfer);
    void abandonConnection();
    int sendAndAck(std::span<const std::uint8_t> command);
    int dataReply(std::span<const std::uint8_t> command, std::span<std::uint8_t> reply,
                  bool nakAccepted = false);

    UserPrompt& prompt_;
    AppGlobals& g_;
    TextLookup lookup_;
    int lastWaitingCount_ = 0;
};

// Clears the flags of a transfer in progress (the reply-wait and retry flags).
void clearTransferFlags(SharedFlags& flags);

} // namespace tsw
