#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FieldTable.h"
#include "fields/ImageDiff.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fields;

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

namespace tsw::fields {
void PrintTo(const DiffLine& l, std::ostream* os) {
    *os << "{\"" << l.field << "\", \"" << l.a << "\", \"" << l.b << "\"}";
}
} // namespace tsw::fields

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
    EXPECT_EQ(lines[1], (DiffLine{"Channel 16 / TX Frequency [MHz]", "446.08125", "(empty)"}));
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

// A test frequency that is none (all 0xFF or all 0x00) shows an empty cell in its window, so
// diff shows it empty too; none against none is no field difference, only bytes.
TEST_F(ImageDiffTest, TestFrequenciesThatAreNoneShowEmpty) {
    const std::size_t rx8 = layout::testFrequencyOffset(7);
    for (std::size_t i = 0; i < 4; ++i) {
        a.setByte(rx8 + i, 0xFF);
        b.setByte(rx8 + i, 0x00);
    }
    const auto lines = diff();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (DiffLine{"Byte 0x2B8", "FF", "00"}));

    a.setByte(rx8, 0x25);
    a.setByte(rx8 + 1, 0x06);
    a.setByte(rx8 + 2, 0x60);
    a.setByte(rx8 + 3, 0x44);
    EXPECT_EQ(diff(), (std::vector<DiffLine>{{"Test Frequency 8 / RX", "446.00625", "(empty)"}}));
}

// Two different values never read alike: free texts are quoted (trailing spaces and a lone
// "-" stay visible), and a field its editor shows empty reads as the empty marker.
TEST_F(ImageDiffTest, DifferentValuesNeverReadAlike) {
    struct Case {
        const char* name;
        std::function<void(RadioImage&)> a;
        std::function<void(RadioImage&)> b;
        DiffLine expected;
    };
    const auto line = [](const char* text) {
        return [text](RadioImage& image) { feature::writeMessageLine(image, 0, text); };
    };
    const auto txNone = [](RadioImage& image) {
        writeFrequencyBytes(image, layout::channelField(0, layout::kChTxFreq),
                            {0xFF, 0xFF, 0xFF, 0xFF});
    };
    const Case cases[] = {
        {"dash against empty", line("-"), line(""), {"Embedded Message 1", "\"-\"", "\"\""}},
        {"trailing space", line("AB"), line("AB "), {"Embedded Message 1", "\"AB\"", "\"AB \""}},
        {"quote and backslash",
         line("a\"b"),
         line("a\\b"),
         {"Embedded Message 1", "\"a\\\"b\"", "\"a\\\\b\""}},
        {"control byte",
         [](RadioImage& i) {
             feature::writeMessageLine(i, 0, "");
             i.setByte(layout::kMessageLine1, 0x0A);
         },
         line(""),
         {"Embedded Message 1", "\"\\x0A\"", "\"\""}},
        {"dtmf id code",
         [](RadioImage& i) { feature::writeCharacters(i, 0x120, 10, "123"); },
         [](RadioImage& i) { feature::writeCharacters(i, 0x120, 10, "1230"); },
         {"DTMF / ID Code", "\"123\"", "\"1230\""}},
        {"value shown empty",
         [](RadioImage&) {},
         txNone,
         {"Channel 1 / TX Frequency [MHz]", "446.00625", "(empty)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a = b = test::defaultRadioImage();
        c.a(a);
        c.b(b);
        const auto lines = diff();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), c.expected);
    }
}

// Priority 0 and 2 have no priority channel: the editor shows the box empty, so a byte left
// behind in 0x161 is not shown as a channel; only the byte itself is listed.
TEST_F(ImageDiffTest, PriorityChannelShowsOnlyWhilePriorityIsOne) {
    for (const int priority : {0, 1, 2}) {
        SCOPED_TRACE(priority);
        a.setByte(layout::kScanPriority, static_cast<std::uint8_t>(priority));
        b.setByte(layout::kScanPriority, static_cast<std::uint8_t>(priority));
        a.setByte(layout::kPriorityChannel, 3);
        b.setByte(layout::kPriorityChannel, 5);
        const DiffLine expected = priority == 1
                                      ? DiffLine{"Scan Information / Priority Channel", "3", "5"}
                                      : DiffLine{"Byte 0x161", "03", "05"};
        EXPECT_EQ(diff(), std::vector<DiffLine>{expected});
    }
}

// Whatever differs, there is a line, and each line tells its two sides apart.
TEST_F(ImageDiffTest, EveryLineShowsTwoDifferentTexts) {
    std::mt19937 random(62);
    for (int round = 0; round < 200; ++round) {
        b = a;
        const int changes = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < changes; ++i)
            b.setByte(random() % kImageSize, static_cast<std::uint8_t>(random()));
        const auto lines = diff();
        EXPECT_EQ(lines.empty(), a == b);
        for (const DiffLine& l : lines)
            EXPECT_NE(l.a, l.b) << l.field;
    }
}
