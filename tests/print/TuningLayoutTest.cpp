#include <gtest/gtest.h>

#include <array>

#include "print/TuningLayout.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::test;

namespace {

std::array<std::uint8_t, kTuningDataSize> tuningBytes() {
    std::array<std::uint8_t, kTuningDataSize> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(100 + i); // 100..161: each value names its index
    return bytes;
}

std::array<std::uint8_t, kTestChannelTableSize> testChannels() {
    std::array<std::uint8_t, kTestChannelTableSize> table{};
    table.fill(0xFF);
    const RadioImage image = defaultImage();
    for (std::size_t i = 0; i < 16; ++i) // test channels 1 and 2 of the defaults
        table[i] = image.byte(layout::kTestFrequencies + i);
    return table;
}

int valuesPrinted(const PrintItems& items) {
    int n = 0;
    for (const PrintItem& item : items)
        if (item.kind == ItemKind::Text && !item.text.empty() && item.text.size() == 3 &&
            std::stoi(item.text) >= 100)
            ++n;
    return n;
}

} // namespace

TEST(TuningLayout, EveryByteNamedValuesAndTheSixteenTestChannels) {
    const auto bytes = tuningBytes();
    const auto channels = testChannels();
    const NamedTuningValue named[] = {{StrId::TuningBatteryIndicatorLevel, 54},
                                      {StrId::TuningVox10, 57}};
    for (bool landscape : {false, true}) {
        const PrintItems items = tuningItems(bytes, channels, named, landscape, &idText);
        EXPECT_EQ(items.front().text, idText(StrId::MenuTestMode));
        EXPECT_EQ(valuesPrinted(items), 62 + 2) << landscape; // the table and the two names
        EXPECT_EQ(valueBeside(items, idText(StrId::TuningBatteryIndicatorLevel)), "154");
        EXPECT_EQ(valueBeside(items, idText(StrId::TuningVox10)), "157");
        const PrintItem* header = findText(items, idText(StrId::ChannelLabel));
        ASSERT_TRUE(header);
        for (std::size_t i = 0; i < kTuningDataSize; ++i) { // byte i in row i / 8, column i % 8
            const PrintItem* cell = findText(items, std::to_string(100 + i));
            ASSERT_TRUE(cell) << i;
            EXPECT_EQ(cell->line, 3 + static_cast<double>(i / 8)) << i;
            EXPECT_EQ(cell->x, 28 + 5 * static_cast<double>(i % 8)) << i;
        }
        EXPECT_TRUE(findText(items, "446.01875"));
        EXPECT_TRUE(findText(items, "16"));
        EXPECT_LE(lastLine(items), landscape ? kLandscapeBodyLines : kPortraitBodyLines);
        if (landscape)
            EXPECT_GE(header->x, 70); // beside the table
        else
            EXPECT_EQ(header->x, 20); // below it
    }
}

TEST(TuningLayout, ShortDataPrintsEmptyCells) {
    const std::array<std::uint8_t, 3> bytes{101, 102, 103};
    const NamedTuningValue named[] = {{StrId::TuningVox1, 56}};
    const PrintItems items = tuningItems(bytes, {}, named, false, &idText);
    EXPECT_EQ(valuesPrinted(items), 3);
    EXPECT_EQ(valueBeside(items, idText(StrId::TuningVox1)), "");
    EXPECT_FALSE(findText(items, "446.00625"));
}

TEST(TuningLayout, PageCarriesTheCommonHeader) {
    const auto bytes = tuningBytes();
    const PrintItems page =
        tuningPageItems(bytes, testChannels(), {}, false, {}, defaultImage(), &idText);
    EXPECT_TRUE(findText(page, idText(StrId::PrintTitle)));
    EXPECT_EQ(findText(page, idText(StrId::MenuTestMode))->line, kBodyStartLine);
    EXPECT_TRUE(findText(page, "- 1 -"));
}
