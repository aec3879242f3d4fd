// Arbitrary bytes to the simulated radio's state machine, cut into bursts that arrive at
// arbitrary times and baud rates. The radio must never write its protected areas and its
// replies must leave in time order.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/ImageLayout.h"
#include "tools/radiosim/RadioSimulator.h"

using namespace tsw;
using namespace tsw::radiosim;

namespace {

bool protectedAreasKept(const RadioImage& before, const RadioImage& after) {
    for (std::size_t i = layout::kNoWriteArea1; i < layout::kNoWriteArea1End; ++i)
        if (before.byte(i) != after.byte(i))
            return false;
    for (std::size_t i = layout::kTuningData; i < layout::kTuningDataEnd; ++i)
        if (i >= layout::kTuningData + kTuningBlockSize && before.byte(i) != after.byte(i))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    SimConfig config = defaultConfig();
    config.baud = kRadioBaudRates[data[0] % kRadioBaudRates.size()];
    const std::uint8_t faults = data[1];
    if (faults & 0x01)
        config.faults.noAck = {2};
    if (faults & 0x02)
        config.faults.nak = {3};
    if (faults & 0x04)
        config.faults.badFirst = {1};
    if (faults & 0x08)
        config.faults.extraByte = {2};
    if (faults & 0x10)
        config.faults.silenceAfter = 4;
    if (faults & 0x20)
        config.faults.delayMs = 5;
    config.faults.infoChecksum = faults & 0x40;
    config.faults.testChannelNak = faults & 0x80;
    if (data[0] >= 5)
        config.faults.store = {(data[0] / 5u) * 4u % kImageSize};
    const RadioImage before = config.memory;
    const int radioBaud = config.baud;
    RadioSimulator sim(std::move(config));

    SimTime now{};
    SimTime lastReply{};
    std::size_t pos = 2;
    while (pos < size) {
        // A burst: a header byte (length, gap, rate), then up to 16 bytes.
        const std::uint8_t header = data[pos++];
        const std::size_t length = std::min<std::size_t>(header & 0x0F, size - pos);
        // A gap of 3 to 18 ms, or of 2.5 s (the radio gives up waiting for an acknowledgement).
        const int gap = (header >> 4) & 0x07;
        now +=
            gap == 7 ? std::chrono::microseconds(2'500'000) : std::chrono::microseconds(gap * 3000);
        const int baud = (header & 0x80) ? radioBaud * 2 : radioBaud; // else noise
        sim.receive({data + pos, length}, now, {baud, 11});
        pos += length;
        sim.advance(now);
        for (const OutByte& b : sim.takeReplies(now)) {
            if (b.at < lastReply)
                std::abort();
            lastReply = b.at;
        }
    }
    sim.advance(now + std::chrono::seconds(10));
    sim.takeReplies(now + std::chrono::seconds(100));
    sim.takeNotes();
    // Stored tuning values may change the tuning block; nothing else in the protected areas.
    if (!protectedAreasKept(before, sim.memory()))
        std::abort();
    return 0;
}
