#include "tools/radiosim/RadioSimulator.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "app/ImageLayout.h"

namespace tsw::radiosim {

namespace {

using Kind = ParseResult::Kind;

constexpr std::uint8_t kReadReplyCmd = 0x57; // 'W'
constexpr std::uint8_t kInfoReplyCmd = 0x4E; // 'N'
constexpr std::uint8_t kExtraByte = 0x00;

std::string format(const char* pattern, ...) {
    char buffer[256];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

bool isWriteProtected(std::size_t offset) {
    return (offset >= layout::kNoWriteArea1 && offset < layout::kNoWriteArea1End) ||
           (offset >= layout::kTuningData && offset < layout::kTuningDataEnd);
}

std::size_t frameAddress(std::span<const std::uint8_t> frame) {
    return static_cast<std::size_t>(frame[1]) << 8 | frame[2];
}

} // namespace

SimTime byteTime(const LineSettings& line) {
    const int baud = std::max(line.baud, 1);
    return SimTime(static_cast<std::int64_t>(line.bitsPerByte) * 1'000'000'000 / baud);
}

RadioSimulator::RadioSimulator(SimConfig config) : config_(std::move(config)) {
    line_.baud = config_.baud;
    if (config_.faults.silenceAfter && *config_.faults.silenceAfter <= 0)
        silent_ = true;
}

// ---- Receiving ----------------------------------------------------------------------------

void RadioSimulator::receive(std::span<const std::uint8_t> bytes, SimTime arrival,
                             LineSettings line) {
    if (bytes.empty())
        return;
    line_ = line;
    const SimTime perByte = byteTime(line);
    const bool matches = lineMatches(line);
    if (silent_)
        note(arrival, format("silent: %zu bytes not answered", bytes.size()));
    else if (!matches)
        note(arrival, format("noise: %zu bytes at %d baud, the radio runs at %d baud", bytes.size(),
                             line.baud, config_.baud));
    for (const std::uint8_t b : bytes) {
        const SimTime start = std::max(arrival, rxFree_);
        const SimTime done = start + perByte;
        rxFree_ = done;
        if (deadline_ && start >= *deadline_)
            settleQuiet(*deadline_);
        if (silent_)
            continue;
        if (!matches) {
            if (!pending_.empty())
                dropPending(done, "spoilt by noise");
            flushing_ = false;
            deadline_.reset();
            continue;
        }
        takeByte(b, done);
    }
}

void RadioSimulator::advance(SimTime now) {
    if (deadline_ && now >= *deadline_)
        settleQuiet(*deadline_);
}

void RadioSimulator::takeByte(std::uint8_t b, SimTime done) {
    if (flushing_) {
        deadline_ = done + kSilenceByteTimes * byteTime(line_);
        return;
    }
    pending_.push_back(b);
    parsePending(done, false);
}

// Takes whole requests off the pending bytes. `quiet`: no further byte is coming, so a
// request cut short is dropped and a request that could have grown counts as it is.
void RadioSimulator::parsePending(SimTime now, bool quiet) {
    while (!pending_.empty()) {
        if (swallowedAsAck(now))
            continue;
        const ParseResult p = parseRequest(mode_, awaiting_ != Awaiting::None, pending_);
        if (p.kind == Kind::NeedMore || (p.kind == Kind::Complete && p.extendable && !quiet)) {
            if (quiet) {
                dropPending(now, "incomplete request dropped");
                break;
            }
            deadline_ = now + kSilenceByteTimes * byteTime(line_);
            return;
        }
        if (p.kind == Kind::Invalid) {
            note(now, format("ignored byte %02X", pending_.front()));
            pending_.erase(pending_.begin());
            continue;
        }
        const std::vector<std::uint8_t> request(pending_.begin(), pending_.begin() + p.length);
        pending_.erase(pending_.begin(), pending_.begin() + p.length);
        execute(p.request, request, now);
        if (flushing_) {
            pending_.clear();
            deadline_ = now + kSilenceByteTimes * byteTime(line_);
            return;
        }
    }
    deadline_.reset();
}

// The radio waits for the program's ACK after a data reply in programming mode: the first
// byte within the wait is that ACK, right or wrong; after the wait the radio has given up.
bool RadioSimulator::swallowedAsAck(SimTime now) {
    if (awaiting_ == Awaiting::None || !ackDeadline_)
        return false;
    if (now > *ackDeadline_) {
        note(*ackDeadline_, "gave up waiting for the ACK");
        stopAwaiting(*ackDeadline_);
        return false;
    }
    if (pending_.front() == kAck)
        return false; // the ACK itself: answered as usual
    note(now, format("took byte %02X for the ACK; not answered", pending_.front()));
    pending_.erase(pending_.begin());
    stopAwaiting(now);
    return true;
}

void RadioSimulator::stopAwaiting(SimTime at) {
    if (awaiting_ == Awaiting::ReadFrame)
        frameDone(awaitingFrame_, at);
    awaiting_ = Awaiting::None;
    ackDeadline_.reset();
}

void RadioSimulator::settleQuiet(SimTime at) {
    deadline_.reset();
    if (flushing_) {
        flushing_ = false;
        return;
    }
    parsePending(at, true);
}

void RadioSimulator::dropPending(SimTime at, const char* why) {
    note(at, format("%zu request bytes %s", pending_.size(), why));
    pending_.clear();
}

// ---- Requests -----------------------------------------------------------------------------

void RadioSimulator::execute(Request r, std::span<const std::uint8_t> bytes, SimTime at) {
    if (r == Request::Program || r == Request::Tuning) {
        handshake(r, at);
        return;
    }
    if (r == Request::Ack) {
        programAck(at);
        return;
    }
    if (awaiting_ != Awaiting::None) {
        note(at, "the program's ACK did not come; taking the next request");
        stopAwaiting(at);
    }
    if (r == Request::Identity) {
        note(at, "identity");
        std::vector<std::uint8_t> id(config_.identity.begin(), config_.identity.end());
        sendData(std::move(id), at, Awaiting::Data);
    } else if (r == Request::End) {
        note(at, mode_ == Mode::Tuning ? "end of tuning mode" : "end of programming mode");
        nextFleetRadio(at);
        mode_ = Mode::Idle;
        pttOn_ = false;
        send(std::array{kAck}, at);
    } else if (mode_ == Mode::Programming) {
        executeProgramming(r, bytes, at);
    } else {
        executeTuning(r, bytes, at);
    }
}

void RadioSimulator::handshake(Request r, SimTime at) {
    awaiting_ = Awaiting::None;
    ackDeadline_.reset();
    pttOn_ = false;
    if (r == Request::Tuning) {
        note(at, "TUNING: tuning mode");
        mode_ = Mode::Tuning;
        send(std::array{kAck}, at);
        return;
    }
    nextFleetRadio(at); // a session that wrote and was never ended
    note(at, format("PROGRAM at %d baud: programming mode", config_.baud));
    mode_ = Mode::Programming;
    if (config_.baud == kPrimaryBaud)
        send(std::array{kAck}, at);
    else
        send(std::array{kSyn, kAck}, at);
}

void RadioSimulator::programAck(SimTime at) {
    const Awaiting was = awaiting_;
    awaiting_ = Awaiting::None;
    ackDeadline_.reset();
    const Faults& f = config_.faults;
    switch (was) {
    case Awaiting::Data:
        send(std::array{kAck}, at);
        break;
    case Awaiting::ReadFrame:
        if (f.noAck.count(awaitingFrame_)) {
            note(at, format("fault: no ACK for frame %d", awaitingFrame_));
        } else if (f.nak.count(awaitingFrame_)) {
            note(at, format("fault: NAK for frame %d", awaitingFrame_));
            send(std::array{kNak}, at);
        } else {
            send(std::array{kAck}, at);
        }
        frameDone(awaitingFrame_, at);
        break;
    case Awaiting::TestChannel:
        send(std::array{f.testChannelNak ? kNak : kAck}, at);
        break;
    case Awaiting::Meter:
    case Awaiting::None:
        break;
    }
}

void RadioSimulator::executeProgramming(Request r, std::span<const std::uint8_t> bytes,
                                        SimTime at) {
    switch (r) {
    case Request::ReadFrame:
        readFrame(bytes, at);
        break;
    case Request::WriteFrame:
    case Request::BadWriteFrame:
        writeFrame(bytes, at);
        break;
    case Request::Info: {
        note(at, "information block");
        std::vector<std::uint8_t> block{kInfoReplyCmd};
        block.insert(block.end(), config_.info.begin(), config_.info.end());
        std::uint8_t sum = 0;
        for (const std::uint8_t b : config_.info)
            sum = static_cast<std::uint8_t>(sum + b);
        if (config_.faults.infoChecksum) {
            note(at, "fault: wrong checksum in the information block");
            sum = static_cast<std::uint8_t>(sum + 1);
        }
        block.push_back(sum);
        sendData(std::move(block), at, Awaiting::Data);
        break;
    }
    case Request::Version:
        note(at, "version");
        sendData({config_.version.begin(), config_.version.end()}, at, Awaiting::Data);
        break;
    default:
        break;
    }
}

// ---- Frames -------------------------------------------------------------------------------

void RadioSimulator::readFrame(std::span<const std::uint8_t> bytes, SimTime at) {
    const int frame = ++frames_;
    const std::size_t address = frameAddress(bytes);
    const std::size_t length = bytes[3];
    if (length == 0 || length > kMaxFrameData || address + length > kImageSize) {
        note(at,
             format("read frame %d: %zu bytes at 0x%zX are out of range", frame, length, address));
        send(std::array{kNak}, at);
        frameDone(frame, at);
        return;
    }
    note(at, format("read frame %d: 0x%03zX, %zu bytes", frame, address, length));
    std::vector<std::uint8_t> reply{kReadReplyCmd, bytes[1], bytes[2], bytes[3]};
    for (std::size_t i = 0; i < length; ++i)
        reply.push_back(config_.memory.byte(address + i));
    frameReply(frame, std::move(reply), at);
    if (!silent_) {
        awaiting_ = Awaiting::ReadFrame;
        awaitingFrame_ = frame;
        ackDeadline_ = txFree_ + kAckWaitMs;
    }
}

void RadioSimulator::writeFrame(std::span<const std::uint8_t> bytes, SimTime at) {
    const int frame = ++frames_;
    const std::size_t address = frameAddress(bytes);
    const std::size_t length = bytes[3];
    const Faults& f = config_.faults;
    if (bytes.size() == 4 && (length == 0 || length > kMaxFrameData)) {
        note(at, format("write frame %d: length %zu cannot be framed", frame, length));
        send(std::array{kNak}, at);
        flushing_ = true;
    } else if (f.noAck.count(frame)) {
        note(at, format("fault: write frame %d not taken, no ACK", frame));
    } else if (f.nak.count(frame)) {
        note(at, format("fault: write frame %d not taken, NAK", frame));
        send(std::array{kNak}, at);
    } else if (address + length > kImageSize) {
        note(at,
             format("write frame %d: %zu bytes at 0x%zX are out of range", frame, length, address));
        send(std::array{kNak}, at);
    } else {
        storeFrame(address, bytes.subspan(4, length), at);
        frameReply(frame, {kAck}, at);
    }
    frameDone(frame, at);
}

// With a fleet, the dealer connects the next radio once one has been written.
void RadioSimulator::nextFleetRadio(SimTime at) {
    const bool wrote = sessionWrote_;
    sessionWrote_ = false;
    if (!wrote || fleetRadio_ + 1 >= config_.fleetSerials.size())
        return;
    ++fleetRadio_;
    const auto serial = textField<kInfoSerialSize>(config_.fleetSerials[fleetRadio_]);
    std::copy(serial.begin(), serial.end(), config_.info.begin() + kInfoTextSize);
    note(at, "fleet: the next radio, serial number " + config_.fleetSerials[fleetRadio_]);
}

void RadioSimulator::storeFrame(std::size_t address, std::span<const std::uint8_t> data,
                                SimTime at) {
    int skipped = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::size_t offset = address + i;
        std::uint8_t value = data[i];
        if (isWriteProtected(offset)) {
            ++skipped;
            continue;
        }
        if (config_.faults.store.count(offset)) {
            value = static_cast<std::uint8_t>(value ^ 0x01);
            note(at, format("fault: 0x%03zX keeps %02X instead of %02X", offset, value, data[i]));
        }
        sessionWrote_ = true;
        if (config_.memory.byte(offset) != value) {
            config_.memory.setByte(offset, value);
            memoryChanged_ = true;
        }
    }
    std::string text = format("write frame %d: 0x%03zX, %zu bytes", frames_, address, data.size());
    if (skipped > 0)
        text += format(" (%d write-protected bytes left as they were)", skipped);
    note(at, std::move(text));
}

// The reply to a frame, with the faults that spoil replies.
void RadioSimulator::frameReply(int frame, std::vector<std::uint8_t> reply, SimTime at) {
    const Faults& f = config_.faults;
    if (f.badFirst.count(frame)) {
        note(at, format("fault: wrong first byte in the reply to frame %d", frame));
        reply.front() = static_cast<std::uint8_t>(reply.front() ^ 0xFF);
    }
    if (f.extraByte.count(frame)) {
        note(at, format("fault: an extra byte after the reply to frame %d", frame));
        reply.push_back(kExtraByte);
    }
    send(reply, at);
}

void RadioSimulator::frameDone(int frame, SimTime at) {
    const auto& after = config_.faults.silenceAfter;
    if (after && frame >= *after && !silent_) {
        note(at, format("fault: silent after frame %d", frame));
        silent_ = true;
        pending_.clear();
        deadline_.reset();
    }
}

// ---- Sending ------------------------------------------------------------------------------

void RadioSimulator::sendData(std::vector<std::uint8_t> bytes, SimTime at, Awaiting awaiting) {
    send(bytes, at);
    if (silent_)
        return;
    awaiting_ = awaiting;
    if (mode_ == Mode::Programming)
        ackDeadline_ = txFree_ + kAckWaitMs;
    else
        ackDeadline_.reset();
}

void RadioSimulator::send(std::span<const std::uint8_t> bytes, SimTime at) {
    if (silent_ || bytes.empty())
        return;
    const SimTime perByte = byteTime({config_.baud, line_.bitsPerByte});
    const SimTime start = std::max(at + std::chrono::milliseconds(config_.faults.delayMs), txFree_);
    for (std::size_t k = 0; k < bytes.size(); ++k)
        outbox_.push_back({bytes[k], start + perByte * static_cast<std::int64_t>(k + 1)});
    txFree_ = outbox_.back().at;
}

std::vector<OutByte> RadioSimulator::takeReplies(SimTime upTo) {
    std::vector<OutByte> due;
    while (!outbox_.empty() && outbox_.front().at <= upTo) {
        due.push_back(outbox_.front());
        outbox_.pop_front();
    }
    return due;
}

std::optional<SimTime> RadioSimulator::nextReplyTime() const {
    if (outbox_.empty())
        return std::nullopt;
    return outbox_.front().at;
}

std::vector<SimNote> RadioSimulator::takeNotes() {
    return std::exchange(notes_, {});
}

bool RadioSimulator::takeMemoryChanged() {
    return std::exchange(memoryChanged_, false);
}

void RadioSimulator::note(SimTime at, std::string text) {
    notes_.push_back({at, std::move(text)});
}

} // namespace tsw::radiosim
