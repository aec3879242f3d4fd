#include <gtest/gtest.h>

#include <set>

#include "app/ImageLayout.h"
#include "editors/channel/ToneCodec.h"

using namespace tsw;

namespace {

std::string fakeText(StringId id) {
    return "#" + std::to_string(id);
}
const std::string kOff = "#1001039";

} // namespace

TEST(ToneCodec, NormalisesTypedText) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"", ""},           {"300", "254.1"},   {"10", "67.0"},     {"67", "67.0"},
        {"88.5", "88.5"},   {"88.57", "88.5"},  {"254.1", "254.1"}, {"254.2", "254.1"},
        {"100.", "100.0"},  {".5", "67.0"},     {"abc", "67.0"},    {"99999999999", "254.1"},
        {"D023N", "D023N"}, {"D029X", "D027N"}, {"D754I", "D754I"}, {"D023NXYZ", "D023N"},
        {"D", "D000N"},     {"D12", "D120N"},   {"D/9/i", "D070N"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        normalizeToneText(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(ToneCodec, ParsesAndFormatsToneWords) {
    struct Case {
        std::string text;
        ToneWord word;
        std::string shown; // formatTone of the word
    };
    const Case cases[] = {
        {"67.0", 0x029E, "67.0"},   {"250.3", 2503, "250.3"},   {"300", 2541, "254.1"},
        {"10", 670, "67.0"},        {"D023N", 0x2813, "D023N"}, {"D023I", 0xA813, "D023I"},
        {"D754N", 0x29EC, "D754N"}, {"D029X", 0x2817, "D027N"}, {"", kToneOff, kOff},
        {kOff, kToneOff, kOff},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseTone(c.text, &fakeText), c.word) << c.text;
        EXPECT_EQ(formatTone(c.word, &fakeText), c.shown) << c.text;
    }
}

TEST(ToneCodec, FormatterIgnoresBitsOutsideTheCode) {
    // Bits 9-12 and 14 are not part of a DQT code; bit 15 only picks the suffix.
    EXPECT_EQ(formatTone(0x2013, &fakeText), "D023N");
    EXPECT_EQ(formatTone(0x7E13, &fakeText), "D023N");
    EXPECT_EQ(formatTone(0xFE13, &fakeText), "D023I");
    EXPECT_EQ(formatTone(0x0000, &fakeText), "0.0");
    EXPECT_EQ(formatTone(0x8000, &fakeText), "3276.8"); // bit 13 clear: a QT value
}

TEST(ToneCodec, TableEntriesShowOffForBothOffWords) {
    RadioImage image;
    image.setWord(layout::qtDqtEntryOffset(1), 0x029E);
    image.setWord(layout::qtDqtEntryOffset(2), 0x00FF);
    image.setWord(layout::qtDqtEntryOffset(3), 0xFFFF);
    image.setWord(layout::qtDqtEntryOffset(38), 0x2813);
    EXPECT_EQ(formatTableTone(image, 0, &fakeText), "67.0");
    EXPECT_EQ(formatTableTone(image, 1, &fakeText), kOff);
    EXPECT_EQ(formatTableTone(image, 2, &fakeText), kOff);
    EXPECT_EQ(formatTableTone(image, 37, &fakeText), "D023N");
    EXPECT_EQ(formatTableTone(image, 38, &fakeText), "");
    EXPECT_EQ(formatTableTone(image, -1, &fakeText), "");
}

// A word stands for what its text parses back to, for every one of the 65536 words, and a table
// entry for what its list entry's text does.
TEST(ToneCodec, NormalisedWordIsTheWordItsTextParsesTo) {
    RadioImage image;
    for (unsigned w = 0; w <= 0xFFFF; ++w) {
        const auto word = static_cast<ToneWord>(w);
        ASSERT_EQ(normalizeToneWord(word), parseTone(formatTone(word, &fakeText), &fakeText))
            << std::hex << w;
        image.setWord(layout::qtDqtEntryOffset(7), word);
        ASSERT_EQ(tableEntryTone(image, 7),
                  parseTone(formatTableTone(image, 6, &fakeText), &fakeText))
            << std::hex << w;
    }
    EXPECT_EQ(tableEntryTone(image, 0), kToneOff);
    EXPECT_EQ(tableEntryTone(image, 39), kToneOff);
}

TEST(ToneCodec, ChoiceListsAreCompleteAndParseBack) {
    // Every entry is already in normal form and survives parse + format unchanged, and no two
    // entries share a word.
    std::set<ToneWord> words;
    for (const auto& entry : toneChoiceList()) {
        std::string normal = entry;
        normalizeToneText(normal);
        EXPECT_EQ(normal, entry);
        const ToneWord word = parseTone(entry, &fakeText);
        EXPECT_EQ(formatTone(word, &fakeText), entry);
        words.insert(word);
    }
    EXPECT_EQ(words.size(), 205u);
}
