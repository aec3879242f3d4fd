#pragma once
// A scripted serial device on virtual time, for protocol tests that take microseconds.
//
// VirtualClock: sleep advances time at once. FakeSerialDevice: every write is logged with its
// time and line settings and handed to `onWrite`, which schedules reply bytes with deliver();
// a read takes the bytes that have arrived by its deadline and advances the clock to the
// moment the last asked byte arrived (or to the deadline). FakeRadio answers like a radio.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "link/Clock.h"
#include "link/SerialDevice.h"

namespace tsw::test {

class VirtualClock : public Clock {
public:
    std::uint32_t tickMs() override { return static_cast<std::uint32_t>(now_); }
    void sleepMs(std::uint32_t ms) override;
    std::uint64_t now() const { return now_; }
    void advanceTo(std::uint64_t t) {
        if (t > now_)
            now_ = t;
    }
    std::vector<std::uint32_t> sleeps; // every sleep asked for, in order
    // Called after every sleep, as the GUI's clock runs the windows' timers while it waits.
    std::function<void()> onSleep;

private:
    std::uint64_t now_ = 0;
};

struct WireEvent {
    enum class Kind { Open, Close, Settings, Purge, Write, Read };
    Kind kind;
    std::uint64_t time = 0;
    std::vector<std::uint8_t> bytes; // written or read
    LineSettings settings;           // in force at the event
    std::uint32_t timeoutMs = 0;     // reads
};

class FakeSerialDevice : public SerialDevice {
public:
    explicit FakeSerialDevice(VirtualClock& clock) : clock_(clock) {}

    // ---- Scripting -----------------------------------------------------------------------
    // Called after each write with the bytes written.
    std::function<void(const std::vector<std::uint8_t>&)> onWrite;
    // Schedules bytes to arrive `delayMs` after now, one every `msPerByte`.
    void deliver(const std::vector<std::uint8_t>& bytes, double delayMs = 0, double msPerByte = 0);
    bool failOpen = false;
    OpenError openError = OpenError::NotFound;
    bool failWrite = false;
    bool serialDevice = true;

    // ---- What happened -------------------------------------------------------------------
    std::vector<WireEvent> events;
    std::vector<std::vector<std::uint8_t>> writes() const;
    std::string openedPath;
    int openCount = 0;
    LineSettings settings;

    // ---- SerialDevice --------------------------------------------------------------------
    bool open(const std::string& path) override;
    bool close() override;
    bool isOpen() const override { return open_; }
    OpenError lastOpenError() const override { return lastError_; }
    std::string lastErrorText() const override;
    bool setQueueSizes(std::uint16_t, std::uint16_t) override { return open_; }
    bool applyLineSettings(const LineSettings& s) override;
    bool purgeReceive() override;
    int bytesWaiting() override;
    int read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) override;
    bool write(const std::uint8_t* data, std::size_t count) override;
    bool isSerialDevice() override { return open_ && serialDevice; }

private:
    struct Arrival {
        double time;
        std::uint8_t byte;
    };
    void log(WireEvent::Kind kind, std::vector<std::uint8_t> bytes = {}, std::uint32_t timeout = 0);

    VirtualClock& clock_;
    std::deque<Arrival> rx_;
    bool open_ = false;
    OpenError lastError_ = OpenError::None;
};

// A radio on the fake device: answers the handshakes at its own baud rate and serves its
// image, identity, information block, version, tuning data and test channels. Reply bytes are
// paced at the line's baud rate after the command has crossed the wire. `filter` may change
// or drop (empty) any reply: it gets the command, the reply and the command's index.
class FakeRadio {
public:
    enum class HandshakeStyle { Ack, ByteThenAck, SynThenAck };

    FakeRadio(FakeSerialDevice& device, VirtualClock& clock);

    std::uint32_t baud = 9600;
    HandshakeStyle style = HandshakeStyle::Ack;
    RadioImage image;
    std::vector<std::uint8_t> identity{'H', '5', '5', '2', '0', 0x92, 0xF3, 0xFF};
    std::vector<std::uint8_t> infoData;     // 32 data bytes
    std::vector<std::uint8_t> version;      // 10 bytes
    std::vector<std::uint8_t> tuningData;   // 62 bytes
    std::vector<std::uint8_t> testChannels; // 128 bytes
    bool nakAfterTestChannel = false;
    bool pacing = true;
    std::function<void(const std::vector<std::uint8_t>& command, std::vector<std::uint8_t>& reply,
                       int index)>
        filter;

    enum class Mode { Idle, Program, Tuning };
    Mode mode = Mode::Idle;
    int commandCount = 0;

private:
    std::vector<std::uint8_t> answer(const std::vector<std::uint8_t>& cmd);
    std::vector<std::uint8_t> answerProgram(const std::vector<std::uint8_t>& cmd);
    std::vector<std::uint8_t> answerTuning(const std::vector<std::uint8_t>& cmd);

    FakeSerialDevice& device_;
    VirtualClock& clock_;
    bool lastWasTestChannel_ = false;
};

} // namespace tsw::test
