#include <gtest/gtest.h>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/feature/ImageDiff.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

// The English texts, so that the lines read as the user sees them.
class ImageDiffTest : public ::testing::Test {
protected:
    ImageDiffTest() {
        table.setDirectory(TSW_BIN_DIR);
        EXPECT_EQ(loadLanguage(table, 2), LanguageTable::Loaded);
        ModelIdentity identity{};
        parseIdentityText(kDefaultIdentityText, identity);
        buildDefaultImage(a, identity);
        b = a;
    }
    std::vector<DiffLine> diff() const {
        return diffImages(a, b, [this](StringId id) { return table.text(id); });
    }

    LanguageTable table;
    RadioImage a;
    RadioImage b;
};

} // namespace

namespace tsw::feature {
void PrintTo(const DiffLine& l, std::ostream* os) {
    *os << "{\"" << l.field << "\", \"" << l.a << "\", \"" << l.b << "\"}";
}
} // namespace tsw::feature

TEST_F(ImageDiffTest, EqualImagesHaveNoLines) {
    EXPECT_TRUE(diff().empty());
}

// One channel field, one setting and one unmapped byte, each named as the user knows it.
TEST_F(ImageDiffTest, NamesEachDifferenceByItsField) {
    b.setWord(layout::channelOffset(2) + layout::kChDecodeTone, 0x0385); // 90.1 Hz
    b.setByte(layout::kFeatBeep, b.byte(layout::kFeatBeep) ^ 1);
    b.setByte(0x1E3, 0x23);
    const std::vector<DiffLine> expected = {
        {"Channel 3 / QT/DQT Decode", "103.5", "90.1"},
        {"Optional Features / Beep", a.byte(layout::kFeatBeep) ? "On" : "Off",
         b.byte(layout::kFeatBeep) ? "On" : "Off"},
        {"Byte 0x1E3", "22", "23"},
    };
    EXPECT_EQ(diff(), expected);
}

TEST_F(ImageDiffTest, ListsBitsNoEditorShowsByOffset) {
    b.setByte(layout::channelOffset(0) + layout::kChSteps, 0x50); // steps only
    b.setFlag(layout::channelOffset(0) + layout::kChFlags12, 0x02, true);
    b.setFlag(layout::channelOffset(0) + layout::kChFlags12, layout::kChCompanderMask, true);
    const std::vector<DiffLine> expected = {
        {"Channel 1 / Compander", "Off", "On"},
        {"Byte 0x01C", "00", "03"}, // bit 1 changed as well: listed although the flag is named
        {"Byte 0x01E", "A0", "50"},
    };
    EXPECT_EQ(diff(), expected);
}

TEST_F(ImageDiffTest, AnEmptiedChannelShowsWhatItHeld) {
    clearChannel(b, 15);
    const auto lines = diff();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), (DiffLine{"Channel 16 / RX Frequency [MHz]", "446.08125", "Off"}));
    EXPECT_EQ(lines[1], (DiffLine{"Channel 16 / TX Frequency [MHz]", "446.08125", ""}));
    // The record's other bytes are not listed again; bitmap A (no editor shows it) is.
    EXPECT_EQ(lines.back(), (DiffLine{"Byte 0x17D", "FF", "7F"}));
    EXPECT_EQ(lines.size(), 9u);
}

TEST_F(ImageDiffTest, NamesSettingsTablesAndIdentity) {
    b.setByte(layout::kScanPriority, 1);
    b.setByte(layout::kKeyPf2, 7);
    b.setWord(layout::qtDqtEntryOffset(38), 0xFFFF);
    b.setByte(layout::kMessageLine2, 'X');
    b.setByte(layout::testFrequencyOffset(9) + 4, 0x50);
    b.setByte(layout::kBandCode, 0x93);
    std::vector<std::string> fields;
    for (const auto& line : diff())
        fields.push_back(line.field);
    const std::vector<std::string> expected = {
        "Key Assignment / PF2 Key", "Scan Information / Priority", "Test Frequency 10 / TX",
        "QT/DQT Table 38",          "Embedded Message 2",          "Model Information / Frequency",
    };
    EXPECT_EQ(fields, expected);
}
