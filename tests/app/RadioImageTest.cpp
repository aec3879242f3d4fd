#include <gtest/gtest.h>

#include "app/RadioImage.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

TEST(RadioImage, StartsEmptyAndIgnoresAccessOutsideTheImage) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        ASSERT_EQ(image.byte(i), 0xFF);
    const RadioImage before = image;
    image.setByte(kImageSize, 0x00);
    image.setWord(kImageSize - 1, 0x1234); // only the low byte lands
    EXPECT_EQ(image.byte(kImageSize), 0xFF);
    EXPECT_EQ(image.byte(kImageSize - 1), 0x34);
    EXPECT_EQ(test::differingOffsets(before, image), std::vector<std::size_t>{kImageSize - 1});
}

TEST(RadioImage, WordsAreLittleEndian) {
    RadioImage image;
    image.setWord(0x200, 0x029E);
    EXPECT_EQ(image.byte(0x200), 0x9E);
    EXPECT_EQ(image.byte(0x201), 0x02);
    EXPECT_EQ(image.word(0x200), 0x029E);
}

TEST(RadioImage, BitFieldsChangeOnlyTheirBits) {
    struct Case {
        std::uint8_t start, mask, value, expectedByte, expectedRead;
    };
    const Case cases[] = {
        {0xFF, 0xC0, 0x02, 0xBF, 0x02}, // receive step in bits 6-7
        {0x00, 0x30, 0x03, 0x30, 0x03}, // transmit step in bits 4-5
        {0xA5, 0x01, 0x00, 0xA4, 0x00}, // compander bit
        {0x00, 0x40, 0x07, 0x40, 0x01}, // value wider than the mask is cut to the mask
        {0x5A, 0x00, 0x01, 0x5A, 0x00}, // empty mask changes nothing
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.setByte(0x01E, c.start);
        const RadioImage before = image;
        image.setBits(0x01E, c.mask, c.value);
        EXPECT_EQ(image.byte(0x01E), c.expectedByte) << int(c.mask);
        EXPECT_EQ(image.bits(0x01E, c.mask), c.expectedRead) << int(c.mask);
        for (auto off : test::differingOffsets(before, image))
            EXPECT_EQ(off, 0x01Eu);
    }
}

TEST(RadioImage, FlagsSetAndClearOneBit) {
    RadioImage image;
    image.setByte(0x17C, 0x00);
    image.setFlag(0x17C, 0x08, true);
    EXPECT_EQ(image.byte(0x17C), 0x08);
    EXPECT_TRUE(image.flag(0x17C, 0x08));
    image.setFlag(0x17C, 0x08, false);
    EXPECT_EQ(image.byte(0x17C), 0x00);
}
