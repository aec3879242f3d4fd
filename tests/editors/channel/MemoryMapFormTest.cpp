#include <gtest/gtest.h>

#include "app/RadioImage.h"
#include "editors/channel/MemoryMapForm.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

namespace {
RadioImage countingImage() {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}
} // namespace

TEST(MemoryMapForm, LaysTheImageOutBottomUpWithLabels) {
    const RadioImage image = countingImage();
    const MemoryMapForm form(image);
    struct Case {
        int row, column;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, ""},
        {0, 1, "__0"},
        {0, 16, "__F"},
        {1, 0, "   03F_"},
        {64, 0, "   000_"},
        {63, 0, "   001_"},
        {64, 1, "03"},
        {64, 2, "0A"},
        {1, 16, MemoryMapForm::formatHex(image.byte(0x3FF), 2)},
        {63, 1, MemoryMapForm::formatHex(image.byte(0x010), 2)},
        {65, 1, ""},
        {1, 17, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(form.cellText(c.row, c.column), c.text) << c.row << "," << c.column;
}

TEST(MemoryMapForm, OffsetDisplayFollowsTheCurrentCell) {
    EXPECT_EQ(MemoryMapForm::offsetText(64, 1), "0000");
    EXPECT_EQ(MemoryMapForm::offsetText(1, 16), "03FF");
    EXPECT_EQ(MemoryMapForm::offsetText(63, 3), "0012");
    EXPECT_EQ(MemoryMapForm::offsetText(0, 3), "");
    EXPECT_EQ(MemoryMapForm::offsetText(5, 0), "");
    EXPECT_EQ(MemoryMapForm::offsetOf(MemoryMapForm::kStartRow, MemoryMapForm::kStartColumn), 0u);
}

TEST(MemoryMapForm, CommitRulesChangeExactlyOneByteOnOk) {
    struct Case {
        const char* typed;
        const char* shown;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"", "FF", 0xFF},   {"7", "07", 0x07},  {"a", "0A", 0x0A}, {"3c", "3C", 0x3C},
        {"00", "00", 0x00}, {"1G", "??", 0x00}, {"-", "??", 0x00}, {" 1", "??", 0x00},
    };
    const RadioImage before = countingImage();
    const int row = 40, column = 5;
    const std::size_t offset = MemoryMapForm::offsetOf(row, column);
    for (const Case& c : cases) {
        MemoryMapForm form(before);
        const std::string old = form.cellText(row, column);
        const std::string shown = form.commitCell(row, column, c.typed);
        RadioImage after = before;
        form.applyTo(after);
        const auto diff = test::differingOffsets(before, after);
        if (std::string(c.shown) == "??") { // refused: the cell and the image keep their value
            EXPECT_EQ(shown, old) << c.typed;
            EXPECT_TRUE(diff.empty()) << c.typed;
            continue;
        }
        EXPECT_EQ(shown, c.shown) << c.typed;
        EXPECT_EQ(after.byte(offset), c.stored) << c.typed;
        for (std::size_t d : diff)
            EXPECT_EQ(d, offset) << c.typed;
    }
}

TEST(MemoryMapForm, OkRewritesTheWholeImageAndCancelLeavesItAlone) {
    const RadioImage source = countingImage();
    MemoryMapForm form(source);
    form.commitCell(1, 16, "5A"); // 0x3FF
    form.commitCell(64, 1, "");   // 0x000
    form.commitCell(0, 1, "12");  // header: no cell
    form.commitCell(64, 0, "12"); // label: no cell
    EXPECT_EQ(form.cellText(0, 1), "__0");

    RadioImage untouched = source; // Cancel: the image is not given to the form at all
    EXPECT_EQ(untouched, source);

    RadioImage target;
    target.fill(0x00);
    form.applyTo(target);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t expected = i == 0x3FF ? 0x5A : i == 0x000 ? 0xFF : source.byte(i);
        ASSERT_EQ(target.byte(i), expected) << i;
    }
}
