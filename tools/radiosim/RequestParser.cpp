#include "tools/radiosim/RequestParser.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "tools/radiosim/SimConfig.h"

namespace tsw::radiosim {

namespace {

using Kind = ParseResult::Kind;

constexpr std::string_view kProgram = "PROGRAM";
constexpr std::string_view kTuning = "TUNING ";
constexpr std::string_view kInfo = "NRK";

constexpr std::uint8_t kIdentityCmd = 0x02;
constexpr std::uint8_t kReadCmd = 0x52;    // 'R'
constexpr std::uint8_t kWriteCmd = 0x57;   // 'W'
constexpr std::uint8_t kVersionCmd = 0x50; // 'P'
constexpr std::uint8_t kEndCmd = 0x45;     // 'E'
constexpr std::uint8_t kTuningDataCmd = 0x05;
constexpr std::uint8_t kTestChannelCmd = 0x10;
constexpr std::uint8_t kSignallingCmd = 0x11;
constexpr std::uint8_t kPttCmd = 0x08;
constexpr std::uint8_t kWideCmd = 0x46;
constexpr std::uint8_t kNarrowCmd = 0x47;
constexpr std::uint8_t kSelectSuffix = 0x0D;
constexpr std::uint8_t kStoreSuffix = 0x0E;
constexpr std::uint8_t kSetSuffix = 0x20;
constexpr std::uint8_t kMeterSuffix = 0x0A;

constexpr std::array<std::uint8_t, 10> kTuningItems = {0x61, 0x66, 0x25, 0x6B, 0x70,
                                                       0x76, 0x73, 0x1C, 0x21, 0x23};
constexpr std::array<std::uint8_t, 4> kReadingCodes = {0x1C, 0x21, 0x23, 0x22};

ParseResult complete(Request r, std::size_t length) {
    return {Kind::Complete, r, length, false};
}
ParseResult needMore() {
    return {Kind::NeedMore, Request::Ack, 0, false};
}
ParseResult invalid() {
    return {};
}

// A fixed text: complete, a prefix of it, or not it.
ParseResult matchText(std::span<const std::uint8_t> p, std::string_view text, Request r) {
    const std::size_t n = std::min(p.size(), text.size());
    for (std::size_t i = 0; i < n; ++i)
        if (p[i] != static_cast<std::uint8_t>(text[i]))
            return invalid();
    return p.size() >= text.size() ? complete(r, text.size()) : needMore();
}

ParseResult handshake(std::span<const std::uint8_t> p) {
    const ParseResult program = matchText(p, kProgram, Request::Program);
    return program.kind != Kind::Invalid ? program : matchText(p, kTuning, Request::Tuning);
}

ParseResult fixedLength(std::span<const std::uint8_t> p, Request r, std::size_t length) {
    return p.size() >= length ? complete(r, length) : needMore();
}

ParseResult writeFrame(std::span<const std::uint8_t> p) {
    if (p.size() < 4)
        return needMore();
    const std::size_t length = p[3];
    if (length == 0 || length > kMaxFrameData)
        return complete(Request::BadWriteFrame, 4);
    return fixedLength(p, Request::WriteFrame, 4 + length);
}

ParseResult programmingRequest(std::span<const std::uint8_t> p) {
    switch (p[0]) {
    case kIdentityCmd:
        return complete(Request::Identity, 1);
    case kReadCmd:
        return fixedLength(p, Request::ReadFrame, 4);
    case kWriteCmd:
        return writeFrame(p);
    case kVersionCmd:
        return complete(Request::Version, 1);
    case kEndCmd:
        return complete(Request::End, 1);
    default:
        return matchText(p, kInfo, Request::Info);
    }
}

ParseResult itemRequest(std::span<const std::uint8_t> p) {
    const std::uint8_t code = p[0];
    if (!isTuningItem(code) && !isReadingCode(code))
        return invalid();
    if (p.size() < 2)
        return needMore();
    const std::uint8_t suffix = p[1];
    if (suffix == kMeterSuffix && isReadingCode(code))
        return complete(Request::Meter, 2);
    if (!isTuningItem(code))
        return invalid();
    if (suffix == kSelectSuffix)
        return complete(Request::SelectItem, 2);
    if (suffix == kStoreSuffix)
        return complete(Request::StoreValue, 2);
    if (suffix == kSetSuffix)
        return fixedLength(p, Request::SetValue, 3);
    return invalid();
}

ParseResult tuningRequest(std::span<const std::uint8_t> p) {
    switch (p[0]) {
    case kIdentityCmd:
        return complete(Request::Identity, 1);
    case kTuningDataCmd:
        return complete(Request::TuningData, 1);
    case kTestChannelCmd:
        return fixedLength(p, Request::TestChannel, 2);
    case kSignallingCmd:
        return fixedLength(p, Request::Signalling, 2);
    case kPttCmd:
        return fixedLength(p, Request::Ptt, 2);
    case kWideCmd:
        return complete(Request::Wide, 1);
    case kNarrowCmd:
        return complete(Request::Narrow, 1);
    case kEndCmd:
        return complete(Request::End, 1);
    default:
        return itemRequest(p);
    }
}

ParseResult modeRequest(Mode mode, bool awaitingAck, std::span<const std::uint8_t> p) {
    if (awaitingAck && p[0] == kAck)
        return complete(Request::Ack, 1);
    switch (mode) {
    case Mode::Programming:
        return programmingRequest(p);
    case Mode::Tuning:
        return tuningRequest(p);
    case Mode::Idle:
        break;
    }
    return invalid();
}

} // namespace

bool isTuningItem(std::uint8_t code) {
    return std::find(kTuningItems.begin(), kTuningItems.end(), code) != kTuningItems.end();
}

bool isReadingCode(std::uint8_t code) {
    return std::find(kReadingCodes.begin(), kReadingCodes.end(), code) != kReadingCodes.end();
}

ParseResult parseRequest(Mode mode, bool awaitingAck, std::span<const std::uint8_t> pending) {
    if (pending.empty())
        return needMore();
    const ParseResult shake = handshake(pending);
    if (shake.kind == Kind::Complete)
        return shake;
    ParseResult own = modeRequest(mode, awaitingAck, pending);
    if (shake.kind == Kind::NeedMore) {
        // A prefix of a handshake: wait, unless a shorter request of this mode is complete.
        if (own.kind != Kind::Complete)
            return needMore();
        own.extendable = true;
    }
    return own;
}

} // namespace tsw::radiosim
