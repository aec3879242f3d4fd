#include <gtest/gtest.h>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelRecord.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::layout;
using Offsets = std::vector<std::size_t>;

namespace {

// Record n holds the bytes 16n .. 16n+15, so every record is in use and tells where it came
// from; channels from `used` on are empty.
RadioImage imageWithChannels(int used, std::uint16_t bitmapA = 0, std::uint16_t bitmapB = 0) {
    RadioImage image;
    for (int n = 0; n < used; ++n)
        for (std::size_t i = 0; i < kChannelSize; ++i)
            image.setByte(channelOffset(n) + i, static_cast<std::uint8_t>(n * 16 + i));
    image.setWord(kBitmapA, bitmapA);
    image.setWord(kBitmapB, bitmapB);
    return image;
}

// The record n of `image` equals record m of `other` (m < 0: an empty record of 0xFF).
void expectRecord(const RadioImage& image, int n, const RadioImage& other, int m) {
    for (std::size_t i = 0; i < kChannelSize; ++i) {
        const std::uint8_t want = m < 0 ? 0xFF : other.byte(channelOffset(m) + i);
        ASSERT_EQ(image.byte(channelOffset(n) + i), want) << "record " << n << " byte " << i;
    }
}

// Every changed byte lies in records first..last or in the bitmaps.
void expectChangesOnlyIn(const RadioImage& before, const RadioImage& after, int first, int last) {
    for (std::size_t offset : test::differingOffsets(before, after)) {
        const bool inRecords = offset >= channelOffset(first) && offset < channelOffset(last + 1);
        const bool bitmaps =
            (offset & ~std::size_t{1}) == kBitmapA || (offset & ~std::size_t{1}) == kBitmapB;
        EXPECT_TRUE(inRecords || bitmaps) << std::hex << offset;
    }
}

Offsets recordOffsets(int channel) {
    Offsets offsets;
    for (std::size_t i = 0; i < kChannelSize; ++i)
        offsets.push_back(channelOffset(channel) + i);
    return offsets;
}

} // namespace

TEST(ChannelRecord, ClearingTouchesTheRecordAndOnlyBitmapAOfTheChannel) {
    const RadioImage before = imageWithChannels(12, 0xFFFF, 0xFFFF);
    RadioImage image = before;
    clearChannel(image, 11);
    Offsets expected = recordOffsets(11);
    expected.push_back(kBitmapA + 1);
    EXPECT_EQ(test::differingOffsets(before, image), expected);
    EXPECT_EQ(image.word(kBitmapA), 0xF7FF);

    image = before;
    clearChannelRecord(image, 2);
    EXPECT_EQ(test::differingOffsets(before, image), recordOffsets(2));

    image = before;
    clearChannel(image, 16);
    clearChannel(image, -1);
    clearChannelRecord(image, 16);
    EXPECT_EQ(image, before);
}

TEST(ChannelRecord, CopyMovesRecordAndBits) {
    struct Case {
        int used, source, destination, result;
        std::uint16_t bitmapA, bitmapB, wantA, wantB;
        bool destinationEmptyAfter;
    };
    const Case cases[] = {
        // used source onto a used destination: bit A set, bit B taken from the source
        {4, 1, 3, 1, 0x0000, 0x0002, 0x0008, 0x000A, false},
        {4, 1, 3, 1, 0x0000, 0x0008, 0x0008, 0x0000, false},
        // onto an empty destination (second byte of the bitmaps)
        {4, 0, 12, 1, 0x0000, 0x0001, 0x1000, 0x1001, false},
        // an empty source empties the destination, clears bit A, leaves bit B
        {2, 9, 1, 1, 0x0002, 0x0002, 0x0000, 0x0002, true},
        // same channel, channel out of range: nothing
        {4, 2, 2, -1, 0x0004, 0x0004, 0x0004, 0x0004, false},
        {4, 2, 16, 0, 0x0004, 0x0004, 0x0004, 0x0004, false},
        {4, -1, 2, 0, 0x0004, 0x0004, 0x0004, 0x0004, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " -> " << c.destination);
        const RadioImage before = imageWithChannels(c.used, c.bitmapA, c.bitmapB);
        RadioImage image = before;
        ChannelEditorState state;
        state.channelCopyPending = true;
        EXPECT_EQ(copyChannel(image, state, c.source, c.destination), c.result);
        EXPECT_EQ(state.channelCopyPending, c.result != 1);
        EXPECT_EQ(image.word(kBitmapA), c.wantA);
        EXPECT_EQ(image.word(kBitmapB), c.wantB);
        if (c.result != 1) {
            EXPECT_EQ(image, before);
            continue;
        }
        expectRecord(image, c.destination, before, c.destinationEmptyAfter ? -1 : c.source);
        expectChangesOnlyIn(before, image, c.destination, c.destination);
    }
}

// Insert at 3 moves records 3..9 down and leaves 3 empty; bits n >= 3 take bit n-1, so the new
// channel keeps channel 2's bits. Delete of 3 moves 4..9 up and empties the rest; bits 3..14
// take bit n+1 and bit 15 keeps its value.
TEST(ChannelRecord, InsertAndDeleteShiftRecordsAndBits) {
    const RadioImage before = imageWithChannels(10, 0b1000'0010'1010'0101, 0b1100'0001'0100'1100);
    struct Case {
        bool insert;
        std::vector<int> rows;
        int (*from)(int);
        std::uint16_t (*bits)(std::uint16_t);
    };
    const Case cases[] = {
        {true,
         {3},
         [](int n) { return n < 3              ? n
                            : n == 3 || n > 10 ? -1
                                               : n - 1; },
         [](std::uint16_t b) { return std::uint16_t((b & 0x0007) | ((b << 1) & 0xFFF8)); }},
        {false,
         {9, 15},
         [](int n) { return n < 3   ? n
                            : n < 9 ? n + 1
                                    : -1; },
         [](std::uint16_t b) { return std::uint16_t((b & 0x8007) | ((b >> 1) & 0x7FF8)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.insert ? "insert" : "delete");
        RadioImage image = before;
        ChannelEditorState state;
        state.selectedChannel = 3;
        EXPECT_EQ(c.insert ? insertChannelAt(image, state) : deleteChannelAt(image, 3), c.rows);
        for (int n = 0; n < kChannelCount; ++n)
            expectRecord(image, n, before, c.from(n));
        EXPECT_EQ(image.word(kBitmapA), c.bits(before.word(kBitmapA)));
        EXPECT_EQ(image.word(kBitmapB), c.bits(before.word(kBitmapB)));
        expectChangesOnlyIn(before, image, 3, 15);
    }
}

TEST(ChannelRecord, InsertAtTheFirstChannelClearsItsBits) {
    RadioImage image = imageWithChannels(2, 0x0003, 0x0001);
    ChannelEditorState state;
    state.selectedChannel = 0;
    EXPECT_EQ(insertChannelAt(image, state), std::vector<int>{0});
    EXPECT_EQ(image.word(kBitmapA), 0x0006);
    EXPECT_EQ(image.word(kBitmapB), 0x0002);
    EXPECT_TRUE(isChannelEmpty(image, 0));
    EXPECT_EQ(countUsedChannels(image), 2);
}

TEST(ChannelRecord, InsertIsRefusedWhenNothingCanMove) {
    struct Case {
        const char* what;
        int used, selected;
        std::uint8_t identityByte6;
        bool onlyChannel16;
    };
    const Case cases[] = {
        {"no selection", 5, kNoChannelSelected, 0xF3, false},
        {"no used channel at or after the selection", 5, 5, 0xF3, false},
        {"selection past the table", 5, 16, 0xF3, false},
        // channel 16 in use would be pushed out, whatever the identity byte says
        {"channel 16 used, identity low bits 3", 16, 0, 0xF3, false},
        {"channel 16 used, identity low bits 0", 16, 0, 0xF8, false},
        {"channel 16 used, identity low bits 7", 16, 15, 0xFF, false},
        {"only channel 16 used, a gap before it", 0, 0, 0xF3, true},
    };
    for (const auto& c : cases) {
        RadioImage before = imageWithChannels(c.used, 0x1234, 0x5678);
        before.setByte(kIdentityByte6, c.identityByte6);
        if (c.onlyChannel16)
            before.setByte(channelOffset(15), 0x00);
        RadioImage image = before;
        ChannelEditorState state;
        state.selectedChannel = c.selected;
        EXPECT_TRUE(insertChannelAt(image, state).empty()) << c.what;
        EXPECT_EQ(image, before) << c.what;
    }
}

TEST(ChannelRecord, DeleteOfTheLastChannelOnlyEmptiesIt) {
    const RadioImage before = imageWithChannels(16, 0xFFFF, 0x8000);
    RadioImage image = before;
    EXPECT_EQ(deleteChannelAt(image, 15), std::vector<int>{15});
    Offsets expected = recordOffsets(15);
    expected.pop_back(); // its last byte is 0xFF already
    EXPECT_EQ(test::differingOffsets(before, image), expected);

    image = before;
    EXPECT_TRUE(deleteChannelAt(image, kNoChannelSelected).empty());
    EXPECT_TRUE(deleteChannelAt(image, -1).empty());
    EXPECT_EQ(image, before);
}

TEST(ChannelRecord, NewChannelClearsItsFlagsAndTableIndex) {
    RadioImage before;
    before.setByte(channelOffset(4) + kChFlags13, 0x8F);
    RadioImage image = before;
    initNewChannel(image, 4);
    EXPECT_EQ(image.byte(channelOffset(4) + kChFlags12), 0x00);
    EXPECT_EQ(image.byte(channelOffset(4) + kChFlags13), 0x8F);
    EXPECT_EQ(image.byte(channelOffset(4) + kChSteps), 0xF0);
    EXPECT_EQ(image.byte(channelOffset(4) + kChTableIndex), 0x00);
    EXPECT_EQ(test::differingOffsets(before, image),
              (Offsets{channelOffset(4) + kChFlags12, channelOffset(4) + kChSteps,
                       channelOffset(4) + kChTableIndex}));

    image.setByte(channelOffset(4) + kChFlags13, 0xFF);
    initNewChannel(image, 4);
    EXPECT_EQ(image.byte(channelOffset(4) + kChFlags13), 0x8F);
}

TEST(ChannelRecord, BitmapBStoresTheLowBitOfOneChannel) {
    RadioImage image;
    image.setWord(kBitmapB, 0x0000);
    EXPECT_EQ(setBitmapB(image, 8, 3), 1);
    EXPECT_EQ(image.word(kBitmapB), 0x0100);
    EXPECT_EQ(getBitmapB(image, 8), 1);
    EXPECT_EQ(setBitmapB(image, 8, 2), 1);
    EXPECT_EQ(setBitmapB(image, 16, 1), 0);
    EXPECT_EQ(getBitmapB(image, -1), -1);
    EXPECT_EQ(image.word(kBitmapB), 0x0000);
}

TEST(ChannelRecord, RequireChannelAsksOnlyForAnEmptyChannel) {
    const RadioImage image = imageWithChannels(3);
    ChannelEditorState state;
    test::ScriptedPrompt prompt;
    EXPECT_EQ(requireChannel(image, state, prompt, 2), 1);
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_FALSE(state.messageShown);

    EXPECT_EQ(requireChannel(image, state, prompt, 3), 0);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].textId, StrId::ChannelNotProgrammed);
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Stop);
    EXPECT_TRUE(state.messageShown);
}

TEST(ChannelRecord, CountsUsedChannelsByTheirFirstByte) {
    EXPECT_EQ(countUsedChannels(RadioImage{}), 0);
    EXPECT_EQ(countUsedChannels(imageWithChannels(16)), 16);
    RadioImage image = imageWithChannels(5);
    image.setByte(channelOffset(2), 0xFF);
    EXPECT_EQ(countUsedChannels(image), 4);
}
