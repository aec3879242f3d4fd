#pragma once
// The simulated HX-5520 as a pure state machine: it takes the bytes the program sends, with
// the time they were read from the line and the line's settings at that moment, and gives
// the reply bytes with the times at which they have crossed the wire. No file, no clock, no
// terminal: the pty driver (PtyDriver) feeds it, the tests drive it in virtual time.
//
// Wire time: a byte takes bitsPerByte / baud seconds (11 bits at 8N2). Bytes that arrive in
// one burst are taken one after the other at that rate, so a request counts as received only
// once its last byte has crossed the wire; a reply's bytes leave one byte time apart.
// Bytes sent while the line runs at another rate than the radio's are noise: they are not
// answered and they spoil a request that was being received.

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/radiosim/RequestParser.h"
#include "tools/radiosim/SimConfig.h"

namespace tsw::radiosim {

struct LineSettings {
    int baud = kPrimaryBaud;
    int bitsPerByte = 11; // start bit, 8 data bits, parity bit if any, stop bits
    bool operator==(const LineSettings&) const = default;
};

// The time one byte takes on the line.
SimTime byteTime(const LineSettings& line);

struct OutByte {
    std::uint8_t value = 0;
    SimTime at{}; // the moment the byte has crossed the wire
};

struct SimNote {
    SimTime at{};
    std::string text;
};

// A quiet spell of this many byte times ends a request: a 'P' that nothing follows is the
// version request, a request cut short is dropped.
inline constexpr int kSilenceByteTimes = 10;

// In programming mode, after a data reply (identity, read frame, information block, version)
// the radio waits this long for the program's ACK. It takes the first byte that comes in that
// time as the ACK, whatever it is: a byte other than 0x06 is swallowed and not answered. After
// this time it gives up waiting and takes the next byte as the start of a request.
inline constexpr std::chrono::milliseconds kAckWaitMs{2000};

class RadioSimulator {
public:
    explicit RadioSimulator(SimConfig config);

    // Bytes read from the line at `arrival`, the line set to `line` at that moment.
    void receive(std::span<const std::uint8_t> bytes, SimTime arrival, LineSettings line);
    // Lets time pass up to `now`: settles what waited for a quiet spell.
    void advance(SimTime now);
    // When advance() has something to settle, if anything.
    std::optional<SimTime> nextDeadline() const { return deadline_; }

    // Reply bytes that have crossed the wire by `upTo`, in order; they leave the outbox.
    std::vector<OutByte> takeReplies(SimTime upTo);
    std::optional<SimTime> nextReplyTime() const;

    // What happened, for the log.
    std::vector<SimNote> takeNotes();
    // True once after each change of the memory (a taken write frame, a stored tuning value).
    bool takeMemoryChanged();

    bool lineMatches(const LineSettings& line) const { return line.baud == config_.baud; }

    const RadioImage& memory() const { return config_.memory; }
    Mode mode() const { return mode_; }
    int framesReceived() const { return frames_; }
    bool silent() const { return silent_; }
    bool pttOn() const { return pttOn_; }
    bool wide() const { return wide_; }
    int testChannel() const { return testChannel_; }
    int signalling() const { return signalling_; }
    std::uint8_t selectedItem() const { return selectedItem_; }
    std::uint8_t tuningValue(std::size_t index) const;

private:
    // The data reply the radio has sent and whose ACK from the program it waits for.
    enum class Awaiting { None, Data, ReadFrame, TestChannel, Meter };

    void takeByte(std::uint8_t b, SimTime done);
    bool swallowedAsAck(SimTime now);
    void stopAwaiting(SimTime at);
    void parsePending(SimTime now, bool quiet);
    void settleQuiet(SimTime at);
    void dropPending(SimTime at, const char* why);
    void execute(Request r, std::span<const std::uint8_t> bytes, SimTime at);
    void executeProgramming(Request r, std::span<const std::uint8_t> bytes, SimTime at);
    void executeTuning(Request r, std::span<const std::uint8_t> bytes, SimTime at);
    void handshake(Request r, SimTime at);
    void programAck(SimTime at);
    void readFrame(std::span<const std::uint8_t> bytes, SimTime at);
    void writeFrame(std::span<const std::uint8_t> bytes, SimTime at);
    void storeFrame(std::size_t address, std::span<const std::uint8_t> data, SimTime at);
    void frameReply(int frame, std::vector<std::uint8_t> reply, SimTime at);
    void frameDone(int frame, SimTime at);
    void testChannelRequest(std::uint8_t channel, SimTime at);
    void itemRequest(Request r, std::span<const std::uint8_t> bytes, SimTime at);
    void sendData(std::vector<std::uint8_t> bytes, SimTime at, Awaiting awaiting);
    void send(std::span<const std::uint8_t> bytes, SimTime at);
    void note(SimTime at, std::string text);
    std::uint8_t& liveValue(std::uint8_t item);
    void nextFleetRadio(SimTime at);

    SimConfig config_;
    LineSettings line_;
    Mode mode_ = Mode::Idle;
    Awaiting awaiting_ = Awaiting::None;
    int awaitingFrame_ = 0;
    std::optional<SimTime> ackDeadline_; // programming mode: the ACK wait ends then

    std::vector<std::uint8_t> pending_; // request bytes received, not yet a whole request
    SimTime rxFree_{};                  // when the receiving wire is free again
    std::optional<SimTime> deadline_;   // a quiet spell settles the pending bytes then
    bool flushing_ = false;             // dropping everything up to the next quiet spell
    bool noiseNoted_ = false;

    std::deque<OutByte> outbox_;
    SimTime txFree_{}; // when the sending wire is free again

    int frames_ = 0;
    bool silent_ = false;
    bool memoryChanged_ = false;
    bool sessionWrote_ = false;  // a write frame was taken since programming mode began
    std::size_t fleetRadio_ = 0; // which of the fleet's serial numbers answers
    std::vector<SimNote> notes_;

    bool pttOn_ = false;
    bool wide_ = true;
    int testChannel_ = 0;
    int signalling_ = 0;
    std::uint8_t selectedItem_ = 0;
    std::array<std::uint8_t, 256> live_{};
    std::array<bool, 256> liveSet_{};
};

} // namespace tsw::radiosim
