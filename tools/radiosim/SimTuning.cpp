// The radio's tuning mode: test channels, signalling, PTT, bandwidth and the tuning values.
//
// The 62 tuning values live in the radio's memory from 0x340 on. The value an item
// adjusts (its index in the block):
//   0x61 0  0x66 1  0x25 2  0x6B 3  0x70 4  0x76 5  0x73 6  (tabbed adjustment dialog)
//   0x1C 54 (battery indicator level)   0x21 56 (VOX1)   0x23 57 (VOX10)
// "item 0x20 v" sets an item's live value, "item 0x0E" stores it into the block, and
// "item 0x0D" selects the item with its stored value. The meter readings follow the live
// values: 0x1C, 0x21 and 0x23 read their own item, 0x22 the selected one.

#include <cstdio>

#include "app/ImageLayout.h"
#include "tools/radiosim/RadioSimulator.h"

namespace tsw::radiosim {

namespace {

constexpr std::uint8_t kPttOn = 0x0D;
constexpr std::uint8_t kPttOff = 0x0E;
constexpr std::uint8_t kSelectedItemReading = 0x22;
constexpr std::uint8_t kNoReading = 0x80;
constexpr int kTestChannelCount = layout::kTestFrequencyCount;

std::size_t tuningIndex(std::uint8_t item) {
    switch (item) {
    case 0x61:
        return 0;
    case 0x66:
        return 1;
    case 0x25:
        return 2;
    case 0x6B:
        return 3;
    case 0x70:
        return 4;
    case 0x76:
        return 5;
    case 0x73:
        return 6;
    case 0x1C:
        return 54;
    case 0x21:
        return 56;
    case 0x23:
        return 57;
    default:
        return 0;
    }
}

std::string hexText(const char* label, unsigned value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %02X", label, value);
    return buffer;
}

} // namespace

std::uint8_t RadioSimulator::tuningValue(std::size_t index) const {
    return config_.memory.byte(layout::kTuningData + index);
}

std::uint8_t& RadioSimulator::liveValue(std::uint8_t item) {
    if (!liveSet_[item]) {
        live_[item] = tuningValue(tuningIndex(item));
        liveSet_[item] = true;
    }
    return live_[item];
}

void RadioSimulator::executeTuning(Request r, std::span<const std::uint8_t> bytes, SimTime at) {
    switch (r) {
    case Request::TuningData: {
        note(at, "tuning data");
        std::vector<std::uint8_t> block;
        for (std::size_t i = 0; i < kTuningBlockSize; ++i)
            block.push_back(tuningValue(i));
        sendData(std::move(block), at, Awaiting::Data);
        break;
    }
    case Request::TestChannel:
        testChannelRequest(bytes[1], at);
        break;
    case Request::Signalling:
        signalling_ = bytes[1];
        note(at, hexText("signalling", bytes[1]));
        send(std::array{kAck}, at);
        break;
    case Request::Ptt: {
        const bool known = bytes[1] == kPttOn || bytes[1] == kPttOff;
        if (known)
            pttOn_ = bytes[1] == kPttOn;
        note(at, known ? (pttOn_ ? "PTT on" : "PTT off") : hexText("unknown PTT byte", bytes[1]));
        send(std::array{known ? kAck : kNak}, at);
        break;
    }
    case Request::Wide:
    case Request::Narrow:
        wide_ = r == Request::Wide;
        note(at, wide_ ? "wide" : "narrow");
        send(std::array{kAck}, at);
        break;
    default:
        itemRequest(r, bytes, at);
        break;
    }
}

void RadioSimulator::testChannelRequest(std::uint8_t channel, SimTime at) {
    if (channel < 1 || channel > kTestChannelCount) {
        note(at, hexText("no such test channel:", channel));
        send(std::array{kNak}, at);
        return;
    }
    testChannel_ = channel;
    note(at, "test channel " + std::to_string(channel));
    std::vector<std::uint8_t> record;
    const std::size_t base = layout::testFrequencyOffset(channel - 1);
    for (std::size_t i = 0; i < layout::kTestFrequencySize; ++i)
        record.push_back(config_.memory.byte(base + i));
    sendData(std::move(record), at, Awaiting::TestChannel);
}

void RadioSimulator::itemRequest(Request r, std::span<const std::uint8_t> bytes, SimTime at) {
    const std::uint8_t item = bytes[0];
    switch (r) {
    case Request::SelectItem:
        selectedItem_ = item;
        liveSet_[item] = false;
        note(at, hexText("tuning item", item));
        break;
    case Request::SetValue:
        liveValue(item) = bytes[2];
        note(at, hexText("tuning item", item) + hexText(" value", bytes[2]));
        break;
    case Request::StoreValue: {
        const std::size_t offset = layout::kTuningData + tuningIndex(item);
        const std::uint8_t value = liveValue(item);
        note(at, hexText("store tuning item", item) + hexText(" value", value));
        if (config_.memory.byte(offset) != value) {
            config_.memory.setByte(offset, value);
            memoryChanged_ = true;
        }
        break;
    }
    case Request::Meter: {
        std::uint8_t reading = kNoReading;
        if (item != kSelectedItemReading)
            reading = liveValue(item);
        else if (selectedItem_ != 0)
            reading = liveValue(selectedItem_);
        note(at, hexText("meter", item) + hexText(" reads", reading));
        sendData({reading}, at, Awaiting::Meter);
        return;
    }
    default:
        return;
    }
    send(std::array{kAck}, at);
}

} // namespace tsw::radiosim
