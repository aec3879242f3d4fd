// The typed accessors of a channel record: each setter changes exactly its own bits of its own
// channel, and each getter reads back what its setter stored.

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

namespace {

struct Bit {
    std::size_t offset;
    std::uint8_t mask;
};

struct SetterCase {
    const char* name;
    std::function<void(ChannelRecordRef)> set;
    std::function<bool(ConstChannelRecordRef)> readsBack;
    std::vector<Bit> bits; // record-relative offsets, or absolute ones >= 0x100 (bitmaps)
};

// Channel 11 sits in the second byte of each bitmap: bit 3 of 0x17D and 0x17F.
constexpr int kChannel = 10;

std::vector<SetterCase> setterCases() {
    const FrequencyBytes f{0x25, 0x06, 0x60, 0x44};
    return {
        {"rx frequency",
         [f](ChannelRecordRef r) { r.setRxFrequency(f); },
         [f](ConstChannelRecordRef r) { return r.rxFrequency() == f; },
         {{0, 0xFF}, {1, 0xFF}, {2, 0xFF}, {3, 0xFF}}},
        {"tx frequency",
         [f](ChannelRecordRef r) { r.setTxFrequency(f); },
         [f](ConstChannelRecordRef r) { return r.txFrequency() == f; },
         {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}}},
        {"decode tone",
         [](ChannelRecordRef r) { r.setDecodeTone(0x2813); },
         [](ConstChannelRecordRef r) { return r.decodeTone() == 0x2813; },
         {{8, 0xFF}, {9, 0xFF}}},
        {"encode tone",
         [](ChannelRecordRef r) { r.setEncodeTone(0x029E); },
         [](ConstChannelRecordRef r) { return r.encodeTone() == 0x029E; },
         {{10, 0xFF}, {11, 0xFF}}},
        {"compander",
         [](ChannelRecordRef r) { r.setCompander(!r.compander()); },
         [](ConstChannelRecordRef) { return true; },
         {{12, 0x01}}},
        {"beat shift",
         [](ChannelRecordRef r) { r.setBeatShift(!r.beatShift()); },
         [](ConstChannelRecordRef) { return true; },
         {{13, 0x40}}},
        {"steps",
         [](ChannelRecordRef r) { r.setSteps(kStep5000Hz); },
         [](ConstChannelRecordRef r) { return r.rxStep() == 1 && r.txStep() == 1; },
         {{14, 0xF0}}},
        {"table index",
         [](ChannelRecordRef r) { r.setTableIndex(38); },
         [](ConstChannelRecordRef r) { return r.tableIndex() == 38; },
         {{15, 0xFF}}},
        {"scan add",
         [](ChannelRecordRef r) { r.setScanAdd(!r.scanAdd()); },
         [](ConstChannelRecordRef) { return true; },
         {{layout::kBitmapB + 1, 0x04}}},
        {"copied",
         [](ChannelRecordRef r) { r.setCopied(!r.copied()); },
         [](ConstChannelRecordRef) { return true; },
         {{layout::kBitmapA + 1, 0x04}}},
    };
}

std::size_t absolute(std::size_t offset) {
    return offset < layout::kChannelSize ? layout::channelField(kChannel, offset) : offset;
}

} // namespace

TEST(ChannelFields, EachSetterChangesExactlyItsOwnBits) {
    for (const SetterCase& c : setterCases()) {
        SCOPED_TRACE(c.name);
        const RadioImage before = test::patternImage();
        RadioImage image = before;
        c.set(channelRecord(image, kChannel));
        EXPECT_TRUE(c.readsBack(channelRecord(std::as_const(image), kChannel)));
        for (std::size_t at = 0; at < kImageSize; ++at) {
            std::uint8_t allowed = 0;
            for (const Bit& bit : c.bits)
                if (absolute(bit.offset) == at)
                    allowed |= bit.mask;
            const auto changed = static_cast<std::uint8_t>(image.byte(at) ^ before.byte(at));
            EXPECT_EQ(changed & ~allowed, 0) << "byte 0x" << std::hex << at;
        }
    }
}

TEST(ChannelFields, FlagsReadTheirBitsOnly) {
    RadioImage image; // 0xFF everywhere
    const std::size_t rec = layout::channelOffset(kChannel);
    image.setByte(rec + 12, 0xFE); // every bit but the compander's
    image.setByte(rec + 13, 0xBF); // every bit but the beat shift's
    image.setByte(layout::kBitmapB + 1, static_cast<std::uint8_t>(~0x04));
    const ConstChannelRecordRef record = channelRecord(std::as_const(image), kChannel);
    EXPECT_FALSE(record.compander());
    EXPECT_FALSE(record.beatShift());
    EXPECT_FALSE(record.scanAdd());
    EXPECT_TRUE(record.copied());
    EXPECT_EQ(record.rxStep(), 3);
    EXPECT_EQ(record.txStep(), 3);
}

// A channel outside 0..15 reads as empty and takes no write, so nothing beyond the record
// area (the DTMF settings follow at 0x110) is ever touched.
TEST(ChannelFields, AChannelOutsideTheTableIsEmptyAndTakesNoWrites) {
    for (const int channel : {-1, 16, 255}) {
        SCOPED_TRACE(channel);
        const RadioImage before = test::patternImage();
        RadioImage image = before;
        ChannelRecordRef record = channelRecord(image, channel);
        EXPECT_TRUE(record.empty());
        EXPECT_FALSE(record.scanAdd());
        for (const SetterCase& c : setterCases())
            c.set(record);
        EXPECT_EQ(image, before);
    }
}
