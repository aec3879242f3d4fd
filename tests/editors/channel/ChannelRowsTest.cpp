// Channel rows through the clipboard: the copied text, rows pasted back byte for byte, rows
// pasted elsewhere, and pastes refused whole.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ChannelRows.h"
#include "editors/channel/ChannelTexts.h"
#include "editors/channel/ToneCodec.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using test::changedOffsets;
using test::defaultChannelImage;

namespace {

std::string commas(std::string text) {
    std::replace(text.begin(), text.end(), '\t', ',');
    return text;
}

// The lines of a text ended by CR LF.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        out.push_back(text.substr(pos, end - pos));
        pos = end == std::string::npos ? text.size() : end + 2;
    }
    return out;
}

// An image as years of editing leave it: empty channels in between and at the end, bits no
// column shows, a transmit step other than the receive step, a table number whose entry holds
// the tone twice, a channel without the copied mark.
RadioImage wellUsedImage() {
    RadioImage image = defaultChannelImage();
    for (int ch : {2, 6, 15})
        clearChannel(image, ch);
    ChannelRecordRef one = channelRecord(image, 0);
    image.setByte(one.at(chfield::Compander), 0xA5); // compander on, and further bits
    image.setByte(one.at(chfield::BeatShift), 0x3B); // beat shift off, further bits
    image.setByte(one.at(chfield::RxStep), 0x9C);    // receive 6.25, transmit 2.5 kHz
    ChannelRecordRef four = channelRecord(image, 3);
    image.setWord(layout::qtDqtEntryOffset(20), four.decodeTone());
    four.setTableIndex(20); // the tone is in an earlier entry as well
    channelRecord(image, 4).setCopied(false);
    channelRecord(image, 5).setTxFrequency({0xFF, 0xFF, 0xFF, 0xFF});
    return image;
}

// A row without its Location.
std::string withoutLocation(const std::string& row) {
    return row.substr(row.find('\t'));
}

std::string idText(StringId id) {
    return "#" + std::to_string(id) + " %d %s";
}

const std::string kHeader = [] {
    std::string h;
    for (const std::string& name : channelCsvHeader())
        h += (h.empty() ? "" : "\t") + name;
    return h;
}();

} // namespace

namespace tsw {
void PrintTo(const CsvProblem& p, std::ostream* os); // in ChannelCsvTest.cpp
} // namespace tsw

TEST(ChannelRows, CopyIsTheExportWithTabsAndARowForEveryChannel) {
    const RadioImage image = wellUsedImage();
    const std::vector<std::string> copied = lines(copyChannelRows(image, 1, 3));
    const std::vector<std::string> exported = lines(exportChannelsCsv(image));
    ASSERT_EQ(copied.size(), 4u);
    EXPECT_EQ(copied[0], kHeader);
    EXPECT_EQ(commas(copied[0]), exported[0]);
    EXPECT_EQ(commas(copied[1]), exported[2]);         // channel 2
    EXPECT_EQ(copied[2], "3" + std::string(20, '\t')); // channel 3, not in use
    EXPECT_EQ(commas(copied[3]), exported[3]);         // channel 4
    // A range given backwards or beyond the table is taken as the channels it can mean.
    EXPECT_EQ(lines(copyChannelRows(image, 20, 3)).size(), 2u);
}

TEST(ChannelRows, RowsPastedBackOverThemselvesChangeNoByte) {
    struct Case {
        const char* what;
        RadioImage image;
        int first, last;
    };
    const Case cases[] = {
        {"all 16 rows of a fresh start", defaultChannelImage(), 0, 15},
        {"all 16 rows of a well-used image", wellUsedImage(), 0, 15},
        {"some rows in the middle", wellUsedImage(), 4, 9},
        {"the last row alone, not in use", wellUsedImage(), 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage image = c.image;
        const PasteResult result =
            pasteChannelRows(copyChannelRows(image, c.first, c.last), image, c.first, false);
        ASSERT_TRUE(result.pasted()) << formatCsvProblem(result.problems.at(0), &idText);
        EXPECT_EQ(result.rows, c.last - c.first + 1);
        EXPECT_EQ(result.lastChannel, c.last);
        EXPECT_TRUE(image == c.image);
    }
}

TEST(ChannelRows, RowsPastedIntoAnotherImageGiveTheSameTable) {
    const RadioImage source = wellUsedImage();
    RadioImage target = test::imageWithUsedChannels(4);
    target.setByte(0x300, 'M');
    const RadioImage before = target;
    ASSERT_TRUE(pasteChannelRows(copyChannelRows(source, 0, 15), target, 0, false).pasted());
    EXPECT_EQ(exportChannelsCsv(target), exportChannelsCsv(source));
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        EXPECT_EQ(isChannelEmpty(target, ch), isChannelEmpty(source, ch)) << ch;
    for (std::size_t offset : changedOffsets(before, target)) {
        const bool channelData = (offset >= layout::kChannelBase && offset < layout::kChannelEnd) ||
                                 (offset >= layout::kBitmapA && offset < layout::kBitmapB + 2);
        EXPECT_TRUE(channelData) << "offset 0x" << std::hex << offset;
    }
}

TEST(ChannelRows, PastedRowsFillTheTableFromTheFirstSelectedRow) {
    const RadioImage source = defaultChannelImage();
    const std::string row1 = lines(copyChannelRows(source, 0, 0))[1];
    const std::string row2 = lines(copyChannelRows(source, 1, 1))[1];
    struct Case {
        const char* what;
        std::string text;
        int first;
        std::vector<int> sameAsSource1; // channels that end up as channel 1 of the source
        std::vector<int> emptied;
        std::vector<int> used = {};
    };
    const Case cases[] = {
        {"Location is not read: rows go where they are pasted",
         kHeader + "\n" + row1 + "\n" + row2 + "\n",
         6,
         {6},
         {}},
        {"rows from a spreadsheet without their header",
         row1 + "\r\n" + row1 + "\r\n",
         9,
         {9, 10},
         {}},
        {"a row with its Location alone empties its channel",
         kHeader + "\n3\n" + row1 + "\n",
         2,
         {3},
         {2}},
        {"columns found by name, in any order",
         "Frequency\tLocation\n446.012500\t99\n",
         11,
         {},
         {},
         {11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage image = test::imageWithUsedChannels(16);
        const PasteResult result = pasteChannelRows(c.text, image, c.first, false);
        ASSERT_TRUE(result.pasted()) << formatCsvProblem(result.problems.at(0), &idText);
        EXPECT_EQ(result.firstChannel, c.first);
        for (int ch : c.sameAsSource1)
            EXPECT_EQ(withoutLocation(lines(copyChannelRows(image, ch, ch))[1]),
                      withoutLocation(row1))
                << ch;
        for (int ch : c.emptied)
            EXPECT_TRUE(isChannelEmpty(image, ch)) << ch;
        for (int ch : c.used)
            EXPECT_EQ(receiveFrequencyText(image, ch), "446.01250") << ch;
    }
}

TEST(ChannelRows, AChangedRowChangesOnlyTheFieldsItGivesOtherwise) {
    RadioImage image = wellUsedImage();
    channelRecord(image, 0).setCopied(false);
    const RadioImage before = image;
    std::string row = lines(copyChannelRows(image, 0, 0))[1];
    const auto at = row.find("compander=on");
    ASSERT_NE(at, std::string::npos);
    row.replace(at, 12, "compander=off");
    ASSERT_TRUE(pasteChannelRows(row, image, 0, false).pasted());
    const ChannelRecordRef one = channelRecord(image, 0);
    EXPECT_FALSE(one.compander());
    // Byte 12 loses only its compander bit (the further bits stay); the channel is marked as
    // one a record was copied into.
    EXPECT_EQ(changedOffsets(before, image),
              (std::set<std::size_t>{one.at(chfield::Compander), layout::kBitmapA}));
    EXPECT_EQ(image.byte(one.at(chfield::Compander)), 0xA4);
    EXPECT_TRUE(one.copied());
}

TEST(ChannelRows, APasteWithOneBadRowChangesNothingAndNamesTheRow) {
    const RadioImage source = defaultChannelImage();
    const std::vector<std::string> good = lines(copyChannelRows(source, 0, 2));
    std::string bad = good[2];
    bad.replace(bad.find("446.093750"), 10, "446.O9375");
    struct Case {
        const char* what;
        std::string text;
        int first;
        std::vector<CsvProblem> problems;
    };
    const Case cases[] = {
        {"a frequency the radio cannot store, named by its table row",
         good[0] + "\n" + good[1] + "\n" + bad + "\n" + good[3] + "\n",
         4,
         {{6, StrId::CsvProblemFrequency, "446.O9375"}}},
        {"rows that would run past channel 16",
         good[0] + "\n" + good[1] + "\n" + good[2] + "\n" + good[3] + "\n",
         14,
         {{17, StrId::CsvProblemBeyondChannels, ""}}},
        {"a quote left open",
         good[1] + "\n\"" + good[2] + "\n",
         0,
         {{2, StrId::CsvProblemBrokenQuotes, ""}}},
        {"a header without the Frequency column",
         "Location\tName\n1\tx\n",
         0,
         {{0, StrId::CsvProblemMissingColumn, "Frequency"}}},
        {"plain words", "hello world\n", 3, {{4, StrId::CsvProblemFrequency, ""}}},
        {"the header line alone", good[0] + "\n", 0, {{0, StrId::CsvProblemNoChannels, ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage image = test::imageWithUsedChannels(10);
        const RadioImage before = image;
        const PasteResult result = pasteChannelRows(c.text, image, c.first, false);
        EXPECT_FALSE(result.pasted());
        EXPECT_EQ(result.problems, c.problems);
        EXPECT_TRUE(image == before);
    }
}

// The export of a channel not in use, read by the CSV import: the channel stays empty; a file
// of such rows alone empties every channel, as the header line alone does.
TEST(ChannelCsvImport, ARowWithItsLocationAloneIsAnEmptyChannel) {
    RadioImage image = defaultChannelImage();
    const auto result =
        importChannelsCsv("Location,Frequency,Comment\n1,446.00625,\n2,,\n", image, false);
    ASSERT_TRUE(result.imported());
    EXPECT_EQ(result.channels, 1);
    EXPECT_EQ(countUsedChannels(image), 1);

    RadioImage emptied = defaultChannelImage();
    const auto none = importChannelsCsv("Location,Frequency\n2,\n3,\n", emptied, false);
    ASSERT_TRUE(none.imported());
    EXPECT_EQ(none.channels, 0);
    EXPECT_EQ(countUsedChannels(emptied), 0);
}
