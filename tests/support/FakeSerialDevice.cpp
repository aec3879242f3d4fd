#include "tests/support/FakeSerialDevice.h"

#include <algorithm>
#include <cmath>

namespace tsw::test {

void VirtualClock::sleepMs(std::uint32_t ms) {
    sleeps.push_back(ms);
    now_ += ms;
    if (onSleep)
        onSleep();
}

// ---- FakeSerialDevice -------------------------------------------------------------------------

void FakeSerialDevice::log(WireEvent::Kind kind, std::vector<std::uint8_t> bytes,
                           std::uint32_t timeout) {
    events.push_back({kind, clock_.now(), std::move(bytes), settings, timeout});
}

void FakeSerialDevice::deliver(const std::vector<std::uint8_t>& bytes, double delayMs,
                               double msPerByte) {
    // Bytes queue behind any still on their way.
    double t = static_cast<double>(clock_.now()) + delayMs;
    if (!rx_.empty())
        t = std::max(t, rx_.back().time + msPerByte);
    for (std::uint8_t b : bytes) {
        t += msPerByte;
        rx_.push_back({t, b});
    }
}

std::vector<std::vector<std::uint8_t>> FakeSerialDevice::writes() const {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& e : events)
        if (e.kind == WireEvent::Kind::Write)
            out.push_back(e.bytes);
    return out;
}

bool FakeSerialDevice::open(const std::string& path) {
    openedPath = path;
    ++openCount;
    if (failOpen) {
        lastError_ = openError;
        return false;
    }
    lastError_ = OpenError::None;
    open_ = true;
    rx_.clear();
    log(WireEvent::Kind::Open);
    return true;
}

bool FakeSerialDevice::close() {
    if (!open_)
        return false;
    open_ = false;
    log(WireEvent::Kind::Close);
    return true;
}

std::string FakeSerialDevice::lastErrorText() const {
    switch (lastError_) {
    case OpenError::None:
        return {};
    case OpenError::NotFound:
        return "No such file or directory";
    case OpenError::PermissionDenied:
        return "Permission denied";
    case OpenError::Busy:
        return "Device or resource busy";
    case OpenError::Other:
        return "Input/output error";
    }
    return {};
}

bool FakeSerialDevice::applyLineSettings(const LineSettings& s) {
    if (!open_)
        return false;
    settings = s;
    log(WireEvent::Kind::Settings);
    return true;
}

bool FakeSerialDevice::purgeReceive() {
    if (!open_)
        return false;
    const double now = static_cast<double>(clock_.now());
    while (!rx_.empty() && rx_.front().time <= now)
        rx_.pop_front();
    log(WireEvent::Kind::Purge);
    return true;
}

int FakeSerialDevice::bytesWaiting() {
    if (!open_)
        return -1;
    const double now = static_cast<double>(clock_.now());
    int n = 0;
    for (const auto& a : rx_) {
        if (a.time > now)
            break;
        ++n;
    }
    return n;
}

int FakeSerialDevice::read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) {
    if (!open_)
        return -1;
    const double deadline = static_cast<double>(clock_.now()) + timeoutMs;
    std::vector<std::uint8_t> got;
    double last = static_cast<double>(clock_.now());
    while (got.size() < count && !rx_.empty() && rx_.front().time <= deadline) {
        last = std::max(last, rx_.front().time);
        got.push_back(rx_.front().byte);
        rx_.pop_front();
    }
    clock_.advanceTo(static_cast<std::uint64_t>(std::ceil(got.size() == count ? last : deadline)));
    std::copy(got.begin(), got.end(), buffer);
    log(WireEvent::Kind::Read, got, timeoutMs);
    return static_cast<int>(got.size());
}

bool FakeSerialDevice::write(const std::uint8_t* data, std::size_t count) {
    if (!open_ || failWrite)
        return false;
    std::vector<std::uint8_t> bytes(data, data + count);
    log(WireEvent::Kind::Write, bytes);
    if (onWrite)
        onWrite(bytes);
    return true;
}

// ---- FakeRadio --------------------------------------------------------------------------------

FakeRadio::FakeRadio(FakeSerialDevice& device, VirtualClock& clock)
    : device_(device), clock_(clock) {
    infoData.assign(32, 0xFF);
    version.assign(10, 0xFF);
    tuningData.assign(62, 0x80);
    testChannels.assign(image.bytes().begin() + 0x280, image.bytes().begin() + 0x300);
    device_.onWrite = [this](const std::vector<std::uint8_t>& cmd) {
        std::vector<std::uint8_t> reply = answer(cmd);
        if (filter)
            filter(cmd, reply, commandCount);
        ++commandCount;
        if (reply.empty())
            return;
        const double msPerByte = pacing ? device_.settings.wireTimeMs(1) : 0.0;
        device_.deliver(reply, pacing ? device_.settings.wireTimeMs(cmd.size()) : 0.0, msPerByte);
    };
}

std::vector<std::uint8_t> FakeRadio::answer(const std::vector<std::uint8_t>& cmd) {
    const std::string text(cmd.begin(), cmd.end());
    if (device_.settings.baud != baud)
        return {}; // garbled at the wrong rate
    if (text == "PROGRAM") {
        mode = Mode::Program;
        if (style == HandshakeStyle::Ack)
            return {0x06};
        if (style == HandshakeStyle::ByteThenAck)
            return {0x33, 0x06};
        return {0x16, 0x06};
    }
    if (text == "TUNING ") {
        mode = Mode::Tuning;
        return {0x06};
    }
    if (mode == Mode::Program)
        return answerProgram(cmd);
    if (mode == Mode::Tuning)
        return answerTuning(cmd);
    return {};
}

std::vector<std::uint8_t> FakeRadio::answerProgram(const std::vector<std::uint8_t>& cmd) {
    if (cmd == std::vector<std::uint8_t>{0x02})
        return identity;
    if (cmd == std::vector<std::uint8_t>{0x06})
        return {0x06};
    if (cmd == std::vector<std::uint8_t>{0x45}) {
        mode = Mode::Idle;
        return {0x06};
    }
    if (cmd.size() == 4 && cmd[0] == 'R') {
        const std::size_t a = static_cast<std::size_t>(cmd[1]) * 256 + cmd[2];
        std::vector<std::uint8_t> reply{'W', cmd[1], cmd[2], cmd[3]};
        for (std::size_t i = 0; i < cmd[3]; ++i)
            reply.push_back(image.byte(a + i));
        return reply;
    }
    if (cmd.size() >= 4 && cmd[0] == 'W' && cmd.size() == 4u + cmd[3]) {
        const std::size_t a = static_cast<std::size_t>(cmd[1]) * 256 + cmd[2];
        for (std::size_t i = 0; i < cmd[3]; ++i)
            image.setByte(a + i, cmd[4 + i]);
        return {0x06};
    }
    if (cmd == std::vector<std::uint8_t>{'N', 'R', 'K'}) {
        std::vector<std::uint8_t> reply{'N'};
        std::uint8_t sum = 0;
        for (std::uint8_t b : infoData) {
            reply.push_back(b);
            sum = static_cast<std::uint8_t>(sum + b);
        }
        reply.push_back(sum);
        return reply;
    }
    if (cmd == std::vector<std::uint8_t>{'P'})
        return version;
    return {};
}

std::vector<std::uint8_t> FakeRadio::answerTuning(const std::vector<std::uint8_t>& cmd) {
    const bool testChannelAck = lastWasTestChannel_;
    lastWasTestChannel_ = false;
    if (cmd.size() == 1) {
        switch (cmd[0]) {
        case 0x02:
            return identity;
        case 0x05:
            return tuningData;
        case 0x06:
            return {static_cast<std::uint8_t>(testChannelAck && nakAfterTestChannel ? 0x15 : 0x06)};
        case 0x45:
            mode = Mode::Idle;
            return {};
        case 0x46:
        case 0x47:
            return {0x06};
        default:
            return {};
        }
    }
    if (cmd == std::vector<std::uint8_t>{0x45, 0x45}) {
        mode = Mode::Idle;
        return {};
    }
    if (cmd.size() == 2 && cmd[0] == 0x10 && cmd[1] >= 1 && cmd[1] <= 16) {
        lastWasTestChannel_ = true;
        const auto begin = testChannels.begin() + (cmd[1] - 1) * 8;
        return {begin, begin + 8};
    }
    if (cmd.size() == 2 && cmd[1] == 0x0A)
        return {0x77}; // a meter reading
    if (cmd.size() == 2 || (cmd.size() == 3 && cmd[1] == 0x20))
        return {0x06};
    return {};
}

} // namespace tsw::test
