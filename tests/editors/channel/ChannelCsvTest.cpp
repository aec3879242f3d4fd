#include <gtest/gtest.h>

#include <map>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/CsvText.h"
#include "editors/channel/ToneCodec.h"
#include "tests/editors/channel/ChannelFormTestSupport.h"

using namespace tsw;
using test::defaultChannelImage;

namespace {

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

constexpr ToneWord qt(int tenths) {
    return static_cast<ToneWord>(tenths);
}
constexpr ToneWord dqtN(unsigned octal) {
    return makeDqtWord(octal, false);
}
constexpr ToneWord dqtI(unsigned octal) {
    return makeDqtWord(octal, true);
}

struct Channel {
    std::string rx;
    std::string tx; // "" = no transmit frequency
    ToneWord decode = kToneOff;
    ToneWord encode = kToneOff;
    bool compander = false;
    bool beatShift = false;
    bool scanAdd = true;
};

std::size_t at(int channel, std::size_t field) {
    return layout::channelOffset(channel) + field;
}

void setChannel(RadioImage& image, int ch, const Channel& c) {
    FrequencyBytes rx{0xFF, 0xFF, 0xFF, 0xFF};
    FrequencyBytes tx{0xFF, 0xFF, 0xFF, 0xFF};
    const int step = parseFrequency(c.rx, rx, false);
    if (!c.tx.empty())
        parseFrequency(c.tx, tx, false);
    writeFrequencyBytes(image, at(ch, layout::kChRxFreq), rx);
    writeFrequencyBytes(image, at(ch, layout::kChTxFreq), tx);
    image.setWord(at(ch, layout::kChDecodeTone), c.decode);
    image.setWord(at(ch, layout::kChEncodeTone), c.encode);
    image.setByte(at(ch, layout::kChFlags12), c.compander ? 0x01 : 0x00);
    image.setByte(at(ch, layout::kChFlags13), c.beatShift ? 0x40 : 0x00);
    image.setByte(at(ch, layout::kChSteps), static_cast<std::uint8_t>(step << 6 | step << 4));
    image.setByte(at(ch, layout::kChTableIndex), 0);
    setChannelBit(image, layout::kBitmapA, ch, true);
    setBitmapB(image, ch, c.scanAdd ? 1 : 0);
}

RadioImage emptyChannelImage() {
    RadioImage image = defaultChannelImage();
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        clearChannel(image, ch);
    return image;
}

// The exported rows as column name -> value maps.
std::vector<std::map<std::string, std::string>> exportedRows(const RadioImage& image) {
    const auto records = csv::read(exportChannelsCsv(image));
    std::vector<std::map<std::string, std::string>> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < records[0].fields.size(); ++c)
            row[records[0].fields[c]] = records[r].fields.at(c);
        rows.push_back(row);
    }
    return rows;
}

std::string repeated(std::string_view line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

std::string idText(StringId id) {
    return "#" + std::to_string(id) + " %d %s";
}

} // namespace

namespace tsw {
void PrintTo(const CsvProblem& p, std::ostream* os) {
    *os << "{row " << p.row << ", text " << p.text << ", \"" << p.detail << "\"}";
}
} // namespace tsw

TEST(ChannelCsvExport, DefaultImageMatchesTheHandWrittenFile) {
    const auto expected = test::readBytes(test::testDataPath("default_channels.csv"));
    EXPECT_EQ(exportChannelsCsv(defaultChannelImage()),
              std::string(expected.begin(), expected.end()));
}

// Each case: the channel, then the columns it exports as "column=value|column=value".
TEST(ChannelCsvExport, ToneAndDuplexColumnsFollowTheChannel) {
    const std::string f = "446.00625";
    const std::vector<std::pair<Channel, std::string>> cases = {
        {{f, f},
         "Tone=|rToneFreq=88.5|cToneFreq=88.5|DtcsCode=023|DtcsPolarity=NN|RxDtcsCode=023|"
         "CrossMode=Tone->Tone|Duplex=|Offset=0.000000"},
        {{f, f, kToneOff, qt(670)}, "Tone=Tone|rToneFreq=67.0"},
        {{f, f, qt(1000), qt(1000)}, "Tone=TSQL|rToneFreq=100.0|cToneFreq=100.0"},
        {{f, f, dqtI(0754), dqtI(0754)}, "Tone=DTCS|DtcsCode=754|RxDtcsCode=754|DtcsPolarity=RR"},
        {{f, f, qt(1000), qt(1035)},
         "Tone=Cross|CrossMode=Tone->Tone|rToneFreq=103.5|cToneFreq=100.0"},
        {{f, f, dqtI(023), dqtN(023)},
         "Tone=Cross|CrossMode=DTCS->DTCS|DtcsCode=023|RxDtcsCode=023|DtcsPolarity=NR"},
        {{f, f, kToneOff, dqtI(025)}, "Tone=Cross|CrossMode=DTCS->|DtcsCode=025|DtcsPolarity=RN"},
        {{f, f, qt(1318), kToneOff}, "Tone=Cross|CrossMode=->Tone|cToneFreq=131.8|rToneFreq=88.5"},
        {{f, f, dqtN(071), qt(2541)},
         "Tone=Cross|CrossMode=Tone->DTCS|rToneFreq=254.1|RxDtcsCode=071|DtcsCode=023"},
        {{f, "446.09375"}, "Duplex=split|Offset=446.093750"},
        {{f, ""}, "Duplex=off|Offset=0.000000"},
        {{"446.005", "446.005"}, "TStep=5.00|Frequency=446.005000"},
        {{"446.0025", "446.0025"}, "TStep=2.50"},
        {{f, f, kToneOff, kToneOff, true, true, false},
         "Comment=compander=on; scan-add=no; beat-shift=on|Mode=NFM|Power=0.5W|Name=|Skip="},
    };
    for (const auto& [channel, expected] : cases) {
        SCOPED_TRACE(expected);
        RadioImage image = emptyChannelImage();
        setChannel(image, 4, channel);
        const auto rows = exportedRows(image);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].at("Location"), "5");
        std::size_t from = 0;
        while (from < expected.size()) {
            const std::size_t end = std::min(expected.find('|', from), expected.size());
            const std::string pair = expected.substr(from, end - from);
            const std::size_t eq = pair.find('=');
            EXPECT_EQ(rows[0].at(pair.substr(0, eq)), pair.substr(eq + 1)) << pair;
            from = end + 1;
        }
    }
}

TEST(ChannelCsvExport, WritesOnlyChannelsInUse) {
    RadioImage image = emptyChannelImage();
    EXPECT_EQ(exportChannelsCsv(image),
              std::string(kHeader.substr(0, kHeader.size() - 1)) + "\r\n");
    setChannel(image, 15, {"446.09375", "446.09375"});
    setChannel(image, 2, {"446.03125", "446.03125"});
    const auto rows = exportedRows(image);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].at("Location"), "3");
    EXPECT_EQ(rows[1].at("Location"), "16");
}

// Everything the columns and the comment carry comes back; the rest of the image stays.
TEST(ChannelCsvRoundTrip, ExportThenImportGivesBackTheChannelFields) {
    const std::vector<Channel> channels = {
        {"446.00625", "446.00625", qt(948), qt(948)},
        {"446.09375", "446.09375", dqtN(0132), dqtN(0132), true},
        {"446.03125", "446.03125", dqtI(023), dqtN(023), false, true},
        {"446.005", "446.095", qt(670), qt(2541), true, true, false},
        {"446.0025", "", kToneOff, dqtI(0754)},
        {"446.04375", "446.04375", qt(1000), kToneOff, false, false, false},
        {"446.01875", "446.01875", dqtN(025), qt(1035)},
        {"999.99", "100.0", qt(885), dqtN(071)},
    };
    RadioImage source = defaultChannelImage();
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        clearChannel(source, ch);
    for (std::size_t i = 0; i < channels.size(); ++i)
        setChannel(source, static_cast<int>(2 * i), channels[i]);

    RadioImage target = defaultChannelImage();
    target.setByte(0x300, 'M'); // something outside the channels that must stay
    const RadioImage before = target;
    const auto result = importChannelsCsv(exportChannelsCsv(source), target, false);
    ASSERT_TRUE(result.imported()) << formatCsvProblem(result.problems[0], &idText);
    EXPECT_EQ(result.channels, static_cast<int>(channels.size()));

    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(isChannelEmpty(target, ch), isChannelEmpty(source, ch));
        EXPECT_EQ(getChannelBit(target, layout::kBitmapA, ch), !isChannelEmpty(source, ch));
        if (isChannelEmpty(source, ch))
            continue;
        for (std::size_t field : {layout::kChRxFreq, layout::kChTxFreq})
            EXPECT_EQ(readFrequencyBytes(target, at(ch, field)),
                      readFrequencyBytes(source, at(ch, field)));
        for (std::size_t field : {layout::kChDecodeTone, layout::kChEncodeTone})
            EXPECT_EQ(target.word(at(ch, field)), source.word(at(ch, field)));
        EXPECT_EQ(target.byte(at(ch, layout::kChSteps)) & 0xF0,
                  source.byte(at(ch, layout::kChSteps)) & 0xF0);
        EXPECT_EQ(target.byte(at(ch, layout::kChFlags12)) & 0x01, source.byte(at(ch, 12)) & 0x01);
        EXPECT_EQ(target.byte(at(ch, layout::kChFlags13)) & 0x40, source.byte(at(ch, 13)) & 0x40);
        EXPECT_EQ(getBitmapB(target, ch), getBitmapB(source, ch));
    }
    for (std::size_t offset : test::differingOffsets(before, target)) {
        const bool channelArea = offset >= layout::kChannelBase && offset < layout::kChannelEnd;
        const bool bitmaps = offset >= layout::kBitmapA && offset < layout::kBitmapB + 2;
        EXPECT_TRUE(channelArea || bitmaps) << "offset 0x" << std::hex << offset;
    }
    // A second round gives the same text.
    EXPECT_EQ(exportChannelsCsv(target), exportChannelsCsv(source));
}

TEST(ChannelCsvImport, NewChannelsTakeTheNewChannelDefaultsAndTheTableEntry) {
    RadioImage image = emptyChannelImage();
    const std::string text = std::string(kHeader) +
                             "3,,446.006250,,0.000000,TSQL,94.8,94.8,023,NN,023,,NFM,6.25,,,,,,,\n"
                             "4,,446.018750,,0.000000,Tone,94.8,,,,,,,,,,,,,,\n";
    ASSERT_TRUE(importChannelsCsv(text, image, false).imported());
    // Channel 3: 94.8 Hz both ways is table entry 10; byte 12 cleared, byte 13 bits 4-6 cleared.
    EXPECT_EQ(image.byte(at(2, layout::kChTableIndex)), 10);
    EXPECT_EQ(image.byte(at(2, layout::kChFlags12)), 0x00);
    EXPECT_EQ(image.byte(at(2, layout::kChFlags13)), 0x8F);
    EXPECT_EQ(image.byte(at(2, layout::kChSteps)), 0xA0);
    // Channel 4: encode only, no table entry.
    EXPECT_EQ(image.byte(at(3, layout::kChTableIndex)), 0);
    EXPECT_EQ(image.word(at(3, layout::kChDecodeTone)), kToneOff);
    EXPECT_EQ(image.word(at(3, layout::kChEncodeTone)), qt(948));
}

TEST(ChannelCsvImport, EmptiesTheChannelsTheFileDoesNotName) {
    RadioImage image = defaultChannelImage();
    const auto result = importChannelsCsv("Location,Frequency\n16,446.09375\n", image, false);
    ASSERT_TRUE(result.imported());
    EXPECT_EQ(countUsedChannels(image), 1);
    EXPECT_FALSE(isChannelEmpty(image, 15));
    EXPECT_FALSE(getChannelBit(image, layout::kBitmapA, 0));
    EXPECT_TRUE(getChannelBit(image, layout::kBitmapA, 15));
}

// A configuration without channels exports as the header line alone, and that file imports as
// "no channels": every channel emptied, the rest of the image as the file's own export left it.
TEST(ChannelCsvImport, HeaderOnlyFileEmptiesEveryChannel) {
    const RadioImage none = emptyChannelImage();
    const std::string csv = exportChannelsCsv(none);
    ASSERT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1) << csv;
    for (const std::string& text :
         {csv, std::string("Frequency"), std::string("Frequency\r\n\r\n")}) {
        RadioImage image = defaultChannelImage();
        const auto result = importChannelsCsv(text, image, false);
        ASSERT_TRUE(result.imported()) << text;
        EXPECT_EQ(result.channels, 0);
        EXPECT_EQ(test::differingOffsets(image, none), std::vector<std::size_t>{}) << text;
    }
}

// Files written by other tools and by spreadsheets.
TEST(ChannelCsvImport, ReadsFilesOfOtherTools) {
    struct Case {
        std::string name;
        std::string text;
        int channel;
        std::string rx, tx;
        ToneWord decode, encode;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<Case> cases = {
        {"shuffled columns, comments, BOM, CR LF",
         bom + "# exported for the shop\r\nFrequency,Tone,cToneFreq,Location,Extra\r\n"
               "# channel 2\r\n446.01875,TSQL,100.0,2,whatever\r\n",
         1, "446.01875", "446.01875", qt(1000), qt(1000)},
        {"TSQL takes cToneFreq",
         std::string(kHeader) +
             "1,x,446.006250,,0.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,12.50,,5.0W,,,,,\n",
         0, "446.00625", "446.00625", qt(1230), qt(1230)},
        {"DTCS uses DtcsCode both ways with its polarity",
         "Location,Frequency,Tone,DtcsCode,RxDtcsCode,DtcsPolarity\n1,446.00625,DTCS,631,023,NR\n",
         0, "446.00625", "446.00625", dqtI(0631), dqtN(0631)},
        {"Cross Tone->DTCS",
         "Location,Frequency,Tone,CrossMode,rToneFreq,RxDtcsCode,DtcsPolarity\n"
         "1,446.00625,Cross,Tone->DTCS,67,43,rr\n",
         0, "446.00625", "446.00625", dqtI(043), qt(670)},
        {"Cross DTCS->Tone",
         "Location,Frequency,Tone,CrossMode,cToneFreq,DtcsCode\n"
         "1,446.00625,cross,DTCS->Tone,250.3,754\n",
         0, "446.00625", "446.00625", qt(2503), dqtN(0754)},
        {"Cross Tone->",
         "Location,Frequency,Tone,CrossMode,rToneFreq\n1,446.00625,Cross,Tone->,77\n", 0,
         "446.00625", "446.00625", kToneOff, qt(770)},
        {"duplex +", "Location,Frequency,Duplex,Offset\n1,446.00625,+,0.0875\n", 0, "446.00625",
         "446.09375", kToneOff, kToneOff},
        {"duplex -", "Location,Frequency,Duplex,Offset\n1,446.09375,-,0.087500\n", 0, "446.09375",
         "446.00625", kToneOff, kToneOff},
        {"no Location column: rows fill channels in order",
         "Frequency\n446.00625\n\n\"446.01875\"\n", 1, "446.01875", "446.01875", kToneOff,
         kToneOff},
        {"quoted fields and blanks",
         "Location,Frequency,Comment\n \"7\" , 446.05625 ,\"a, \"\"b\"\"\"\n", 6, "446.05625",
         "446.05625", kToneOff, kToneOff},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = defaultChannelImage();
        const auto result = importChannelsCsv(c.text, image, false);
        ASSERT_TRUE(result.imported()) << formatCsvProblem(result.problems[0], &idText);
        EXPECT_EQ(formatFrequency(readFrequencyBytes(image, at(c.channel, layout::kChRxFreq))),
                  c.rx);
        EXPECT_EQ(formatFrequency(readFrequencyBytes(image, at(c.channel, layout::kChTxFreq))),
                  c.tx);
        EXPECT_EQ(image.word(at(c.channel, layout::kChDecodeTone)), c.decode);
        EXPECT_EQ(image.word(at(c.channel, layout::kChEncodeTone)), c.encode);
    }
}

TEST(ChannelCsvImport, TStepIsKeptOnlyWhereTheFrequencyLiesOnIt) {
    struct Case {
        std::string freq, tstep;
        bool narrow;
        int step;
    };
    const std::vector<Case> cases = {
        {"446.0", "2.50", false, kStep2500Hz}, {"446.0", "5.00", false, kStep5000Hz},
        {"446.0", "", false, kStep6250Hz},     {"446.0", "12.50", false, kStep6250Hz},
        {"446.0", "2.50", true, kStep6250Hz},  {"446.00625", "5.00", false, kStep6250Hz},
        {"446.0025", "", false, kStep2500Hz},
    };
    for (const auto& c : cases) {
        RadioImage image = emptyChannelImage();
        const auto text = "Location,Frequency,TStep\n1," + c.freq + "," + c.tstep + "\n";
        ASSERT_TRUE(importChannelsCsv(text, image, c.narrow).imported()) << c.freq;
        const auto steps = image.byte(at(0, layout::kChSteps));
        EXPECT_EQ(steps >> 6, c.step) << c.freq << " " << c.tstep;
        EXPECT_EQ((steps >> 4) & 3, c.step) << c.freq << " " << c.tstep;
    }
}

TEST(ChannelCsvImport, ReadsTheFlagsFromTheComment) {
    RadioImage image = defaultChannelImage();
    const auto text = "Location,Frequency,Comment\n"
                      "1,446.00625,Hilltop Compander=ON;BEAT-SHIFT=yes scan-add=0\n"
                      "2,446.00625,no flags here\n";
    ASSERT_TRUE(importChannelsCsv(text, image, false).imported());
    EXPECT_TRUE(image.flag(at(0, 12), layout::kChCompanderMask));
    EXPECT_TRUE(image.flag(at(0, 13), layout::kChBeatShiftMask));
    EXPECT_EQ(getBitmapB(image, 0), 0);
    EXPECT_FALSE(image.flag(at(1, 12), layout::kChCompanderMask));
    EXPECT_FALSE(image.flag(at(1, 13), layout::kChBeatShiftMask));
    EXPECT_EQ(getBitmapB(image, 1), 1);
}

// A file with any problem leaves the image exactly as it was and names row and reason.
TEST(ChannelCsvImport, RefusesMalformedFilesWithRowAndReason) {
    const std::string h = "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                          "DtcsPolarity,RxDtcsCode,CrossMode,Comment\n";
    struct Case {
        std::string text;
        std::vector<CsvProblem> expected;
    };
    const std::vector<Case> cases = {
        {"", {{0, StrId::CsvProblemNoHeader, ""}}},
        {"# only a comment\n\n,,\n", {{0, StrId::CsvProblemNoHeader, ""}}},
        {"Location,Name\n1,x\n", {{0, StrId::CsvProblemMissingColumn, "Frequency"}}},
        {h + "0,446.00625\n17,446.00625\nx,446.00625\n,446.00625\n",
         {{2, StrId::CsvProblemLocation, "0"},
          {3, StrId::CsvProblemLocation, "17"},
          {4, StrId::CsvProblemLocation, "x"},
          {5, StrId::CsvProblemLocation, ""}}},
        {h + "1,446.00625\n1,446.00625\n", {{3, StrId::CsvProblemLocationTwice, "1"}}},
        {"Frequency\n" + repeated("446.00625\n", 17), {{18, StrId::CsvProblemBeyondChannels, ""}}},
        {h + "1,,off\n2,99.99\n3,1000\n4,446.00625x\n5,-446\n",
         {{2, StrId::CsvProblemFrequency, ""},
          {3, StrId::CsvProblemFrequency, "99.990000"},
          {4, StrId::CsvProblemFrequency, "1000.000000"},
          {5, StrId::CsvProblemFrequency, "446.00625x"},
          {6, StrId::CsvProblemFrequency, "-446"}}},
        {h + "1,446.001\n2,446.000001\n3,446.0025,split,446.00626\n",
         {{2, StrId::CsvProblemFrequencyStep, "446.001000"},
          {3, StrId::CsvProblemFrequencyStep, "446.000001"},
          {4, StrId::CsvProblemFrequencyStep, "446.006260"}}},
        {h + "1,446.00625,dup\n2,446.00625,split,abc\n3,446.00625,split,0\n4,446.00625,-,500\n",
         {{2, StrId::CsvProblemDuplex, "dup"},
          {3, StrId::CsvProblemOffset, "abc"},
          {4, StrId::CsvProblemFrequency, "0.000000"},
          {5, StrId::CsvProblemFrequency, "-53.993750"}}},
        {h + "1,446.00625,,,DTCS-R\n2,446.00625,,,Cross,,,,,,Tone=>DTCS\n"
             "3,446.00625,,,Cross,,,,,,Tone->DCS\n",
         {{2, StrId::CsvProblemToneMode, "DTCS-R"},
          {3, StrId::CsvProblemCrossMode, "Tone=>DTCS"},
          {4, StrId::CsvProblemCrossMode, "Tone->DCS"}}},
        {h + "1,446.00625,,,Tone,66.9\n2,446.00625,,,TSQL,,254.2\n3,446.00625,,,Tone,88.55\n"
             "4,446.00625,,,Tone,\n",
         {{2, StrId::CsvProblemTone, "66.9"},
          {3, StrId::CsvProblemTone, "254.2"},
          {4, StrId::CsvProblemTone, "88.55"},
          {5, StrId::CsvProblemTone, ""}}},
        {h + "1,446.00625,,,DTCS,,,018\n2,446.00625,,,DTCS,,,0231\n3,446.00625,,,DTCS,,,023,NX\n"
             "4,446.00625,,,Cross,,,,N,9,->DTCS\n",
         {{2, StrId::CsvProblemDcsCode, "018"},
          {3, StrId::CsvProblemDcsCode, "0231"},
          {4, StrId::CsvProblemDcsPolarity, "NX"},
          {5, StrId::CsvProblemDcsCode, "9"},
          {5, StrId::CsvProblemDcsPolarity, "N"}}},
        {h + "1,446.00625,,,,,,,,,,compander=maybe\n",
         {{2, StrId::CsvProblemComment, "compander=maybe"}}},
        {h + "1,\"446.00625\n2,446.00625\n", {{2, StrId::CsvProblemBrokenQuotes, ""}}},
        {h + "1,\"446\"x,\n2,446.00625\n", {{2, StrId::CsvProblemBrokenQuotes, ""}}},
        {h + "1,446.001,,,Tone,300\n",
         {{2, StrId::CsvProblemFrequencyStep, "446.001000"}, {2, StrId::CsvProblemTone, "300"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RadioImage image = defaultChannelImage();
        const RadioImage before = image;
        const auto result = importChannelsCsv(c.text, image, false);
        EXPECT_EQ(result.problems, c.expected);
        EXPECT_EQ(result.channels, 0);
        EXPECT_TRUE(image == before);
    }
}

TEST(ChannelCsvImport, RefusesOversizedFilesAndCutsLongProblemLists) {
    RadioImage image = defaultChannelImage();
    const RadioImage before = image;
    auto result = importChannelsCsv(std::string(kMaxCsvBytes + 1, '\n'), image, false);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].text, StrId::CsvProblemTooLarge);

    std::string text = "Location,Frequency\n";
    for (int i = 0; i < 500; ++i)
        text += "99," + std::string(200, 'x') + "\n";
    result = importChannelsCsv(text, image, false);
    ASSERT_EQ(result.problems.size(), kMaxCsvProblems + 1);
    EXPECT_EQ(result.problems.back().text, StrId::CsvProblemMore);
    EXPECT_LE(result.problems[1].detail.size(), 43u); // 40 bytes and "..."
    EXPECT_TRUE(image == before);
}

TEST(ChannelCsvImport, ProblemsReadAsSentences) {
    const auto lookup = [](StringId id) -> std::string {
        if (id == StrId::CsvProblemLocation)
            return "Row %d: location \"%s\" is not 1..16.";
        return "The header line has no \"%s\" column.";
    };
    EXPECT_EQ(formatCsvProblem({7, StrId::CsvProblemLocation, "17"}, lookup),
              "Row 7: location \"17\" is not 1..16.");
    EXPECT_EQ(formatCsvProblem({0, StrId::CsvProblemMissingColumn, "Frequency"}, lookup),
              "The header line has no \"Frequency\" column.");
    RadioImage image = defaultChannelImage();
    const auto result = importChannelsCsv("Location,Frequency\n1,446\x01\x02\n", image, false);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].detail, "446??");
}
