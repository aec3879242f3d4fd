#include <gtest/gtest.h>

#include "editors/feature/KeyForm.h"
#include "print/SectionLayout.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::test;

namespace {

const PrintSection kAllSections[] = {
    PrintSection::OptionalFeatures, PrintSection::KeyAssignment,   PrintSection::Scan,
    PrintSection::TestFrequency,    PrintSection::EmbeddedMessage, PrintSection::ChannelInformation,
    PrintSection::QtDqtTable,
};

std::string name(std::uint8_t code) {
    return feature::keyFunctionName(code, &idText);
}

} // namespace

TEST(SectionLayout, KeyAssignmentPageIsThePattern) {
    struct Case {
        std::uint8_t pf1, pf2;
    };
    for (const Case c : {Case{5, 11}, Case{0xFF, 1}, Case{12, 0}, Case{200, 7}}) {
        RadioImage image = defaultImage();
        image.setByte(layout::kKeyPf1, c.pf1);
        image.setByte(layout::kKeyPf2, c.pf2);
        const PrintItems expected{
            textItem(15, 0, idOf(StrId::TitleKeyAssignment)),
            textItem(20, 2, idOf(StrId::PrintPf1Label)),
            textItem(50, 2, name(c.pf1)),
            textItem(20, 3, idOf(StrId::PrintPf2Label)),
            textItem(50, 3, name(c.pf2)),
        };
        EXPECT_EQ(sectionItems({PrintSection::KeyAssignment, 0, false}, image, &idText), expected)
            << int(c.pf1) << " " << int(c.pf2);
    }
    // The names are the editor's: position 0's name for 0xFF, nothing for 12.
    EXPECT_EQ(name(0xFF), idOf(StrId::KeyFunctionNone));
    EXPECT_EQ(name(12), "");
}

TEST(SectionLayout, EmbeddedMessagePrintsBothLinesUnderTheTitleInTheFixedFont) {
    RadioImage image = defaultImage();
    const std::string line1 = "Fleet 7";
    for (std::size_t i = 0; i < line1.size(); ++i)
        image.setByte(layout::kMessageLine1 + i, static_cast<std::uint8_t>(line1[i]));
    image.setByte(layout::kMessageLine1 + line1.size(), 0xFF);
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i)
        image.setByte(layout::kMessageLine2 + i, 'Z');
    const PrintItems items =
        sectionItems({PrintSection::EmbeddedMessage, 0, false}, image, &idText);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1], textItem(15, 2, "Fleet 7", Align::Left, FontRole::Fixed));
    EXPECT_EQ(items[2], textItem(15, 3, std::string(32, 'Z'), Align::Left, FontRole::Fixed));
}

TEST(SectionLayout, EverySectionStartsWithItsTitleAndFitsThePage) {
    for (const RadioImage& image : {defaultImage(), RadioImage{}}) // RadioImage{}: all 0xFF
        for (PrintSection section : kAllSections)
            for (bool landscape : {false, true})
                for (int sub = 0; sub < (landscape ? 2 : 1); ++sub) {
                    const PrintItems items =
                        sectionItems({section, sub, landscape}, image, &idText);
                    ASSERT_FALSE(items.empty());
                    EXPECT_EQ(items.front(), textItem(15, 0, idOf(sectionTitle(section))));
                    EXPECT_LE(lastLine(items), landscape ? kLandscapeBodyLines : kPortraitBodyLines)
                        << int(section) << " sub " << sub;
                    for (const PrintItem& item : items)
                        EXPECT_LE(item.x, (landscape ? kLandscapeWidth : kPortraitWidth) - 15)
                            << int(section) << " " << item.text;
                }
}

TEST(SectionLayout, ChannelPagesShowTheUsedChannelsFourAtATime) {
    struct Case {
        int used;
        int subPage;
        std::vector<int> channels;
    };
    const Case cases[] = {
        {0, 0, {0}}, {4, 0, {0, 1, 2, 3}},      {5, 0, {0, 1, 2, 3}},
        {5, 1, {4}}, {16, 3, {12, 13, 14, 15}}, {16, 4, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(channelsOfPage(imageWithUsedChannels(c.used), c.subPage), c.channels)
            << c.used << " used, page " << c.subPage;

    RadioImage gaps = imageWithUsedChannels(16);
    for (int ch : {0, 1, 5})
        gaps.setByte(layout::channelOffset(ch), 0xFF);
    EXPECT_EQ(channelsOfPage(gaps, 0), (std::vector<int>{2, 3, 4, 6}));
    EXPECT_EQ(channelPageOf(gaps, 6), 0);
    EXPECT_EQ(channelPageOf(gaps, 7), 1);
    EXPECT_EQ(channelPageOf(gaps, 1), 0); // an unused channel: the first page
}

TEST(SectionLayout, ChannelBlockUsesTheTableTextsAndAddsTheTransmitSide) {
    RadioImage image = imageWithUsedChannels(5);
    // Channel 5 (index 4): transmit differs from receive, encode tone differs from decode.
    const std::size_t rec = layout::channelOffset(4);
    for (std::size_t i = 0; i < 4; ++i)
        image.setByte(rec + layout::kChTxFreq + i, image.byte(layout::channelOffset(0) + i));
    image.setWord(rec + layout::kChEncodeTone, 0xFFFF);
    const PrintItems items =
        sectionItems({PrintSection::ChannelInformation, 1, false}, image, &idText);
    EXPECT_EQ(valueBeside(items, idOf(StrId::ChannelLabel)), "5");
    EXPECT_EQ(valueBeside(items, idOf(StrId::TxFrequencyLabel)), "446.00625");
    EXPECT_EQ(valueBeside(items, idOf(StrId::EncodeToneLabel)), idOf(StrId::OffText));
    // Header texts of the channel table, in its column order, one line each.
    std::vector<std::string> labels;
    for (const PrintItem& item : items)
        if (item.x == kLabelX)
            labels.push_back(item.text);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          idOf(StrId::ChannelLabel), idOf(StrId::ChannelFrequencyHeader),
                          idOf(StrId::TxFrequencyLabel), idOf(StrId::QtDqtHeader),
                          idOf(StrId::EncodeToneLabel), idOf(StrId::CompanderLabel),
                          idOf(StrId::ScanAddLabel), idOf(StrId::BeatShiftLabel)}));
}

TEST(SectionLayout, LandscapeChannelPageSetsTheBlocksTwoByTwo) {
    const PrintItems items = sectionItems({PrintSection::ChannelInformation, 0, true},
                                          imageWithUsedChannels(4), &idText);
    std::vector<std::pair<double, double>> corners; // (line, x) of each "Channel" label
    for (const PrintItem& item : items)
        if (item.text == idOf(StrId::ChannelLabel))
            corners.emplace_back(item.line, item.x);
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_EQ(corners[0].first, corners[1].first); // 1 and 2 side by side
    EXPECT_LT(corners[0].second, corners[1].second);
    EXPECT_EQ(corners[0].second, corners[2].second); // 3 under 1
    EXPECT_GT(corners[2].first, corners[0].first);
}

TEST(SectionLayout, OptionalFeaturesSplitOverTwoLandscapePages) {
    const RadioImage image = defaultImage();
    const std::string tot = idOf(StrId::FeatureTimeOutTimerLabel);
    const std::string vox = idOf(StrId::FeatureVoxGroup);
    const std::string reset = idOf(StrId::FeatureTotResetTimeLabel);
    const std::string clone = idOf(StrId::FeatureCloneModeLabel);
    const std::string pttId = idOf(StrId::PttIdLabel);
    const auto portrait = sectionItems({PrintSection::OptionalFeatures, 0, false}, image, &idText);
    const auto first = sectionItems({PrintSection::OptionalFeatures, 0, true}, image, &idText);
    const auto second = sectionItems({PrintSection::OptionalFeatures, 1, true}, image, &idText);
    for (const std::string& text : {tot, vox, reset})
        EXPECT_TRUE(findText(portrait, text)) << text;
    EXPECT_TRUE(findText(first, tot));
    EXPECT_FALSE(findText(first, vox));
    EXPECT_FALSE(findText(second, tot));
    EXPECT_TRUE(findText(second, vox));
    EXPECT_TRUE(findText(second, reset));
    for (const auto* items : {&portrait, &first, &second}) { // hidden rows stay hidden
        EXPECT_FALSE(findText(*items, clone));
        EXPECT_FALSE(findText(*items, pttId));
    }
}

TEST(SectionLayout, FeatureRowsShowWhatTheEditorShows) {
    RadioImage image = defaultImage();
    image.setByte(layout::kFeatTimeOutTimer, 2); // 30 s
    image.setByte(layout::kFeatTotPreAlert, 0);  // off
    image.setByte(layout::kFeatVoxFunction, 0);  // the VOX rows are disabled
    image.setByte(layout::kFeatBeep, 1);
    image.setByte(layout::kFeatScramblerActivation, 1); // backup shown clear ...
    image.setByte(layout::kFeatScramblerBackup, 1);     // ... whatever it holds
    const PrintItems items =
        sectionItems({PrintSection::OptionalFeatures, 0, false}, image, &idText);
    EXPECT_EQ(valueBeside(items, idOf(StrId::FeatureTimeOutTimerLabel)), "30");
    EXPECT_EQ(valueBeside(items, idOf(StrId::FeatureTotPreAlertLabel)), idOf(StrId::OffText));
    auto boxBeside = [&](StringId label) {
        const PrintItem* l = findText(items, idOf(label));
        for (const PrintItem& item : items)
            if (l && item.kind == ItemKind::CheckBox && item.line == l->line)
                return item;
        return PrintItem{};
    };
    EXPECT_TRUE(boxBeside(StrId::FeatureBeepLabel).checked);
    EXPECT_FALSE(boxBeside(StrId::FeatureScramblerBackupLabel).checked);
    EXPECT_TRUE(boxBeside(StrId::FeatureScramblerBackupLabel).dimmed);
    EXPECT_TRUE(findText(items, idOf(StrId::FeatureVoxGainLevelLabel))->dimmed);
    EXPECT_FALSE(findText(items, idOf(StrId::FeatureSquelchLevelLabel))->dimmed);
}

TEST(SectionLayout, ScanPrintsWhatTheEditorShowsOnceOpen) {
    RadioImage image = defaultImage();
    image.setByte(layout::kScanPriority, 0);    // priority off ...
    image.setByte(layout::kPriorityChannel, 3); // ... so the editor shows no channel
    image.setByte(layout::kScanLookBackA, 91);
    const RadioImage before = image;
    const PrintItems items = sectionItems({PrintSection::Scan, 0, false}, image, &idText);
    EXPECT_EQ(image, before); // printing never writes the image
    EXPECT_EQ(valueBeside(items, idOf(StrId::ScanPriorityChannelLabel)), "");
    EXPECT_EQ(valueBeside(items, idOf(StrId::ScanLookBackTimeALabel)), "5.00");
    EXPECT_EQ(valueBeside(items, idOf(StrId::ScanPriority)), idOf(StrId::ProgramMenuSecondText));
}

TEST(SectionLayout, TablesPrintTheirHeaderRowAndEveryCell) {
    const RadioImage image = defaultImage();
    const PrintItems freq = sectionItems({PrintSection::TestFrequency, 0, false}, image, &idText);
    EXPECT_TRUE(findText(freq, idOf(StrId::RxLabel) + " " + idOf(StrId::FrequencyMhzHeader)));
    EXPECT_EQ(valueBeside(freq, "8"), "446.09375");
    const PrintItems table = sectionItems({PrintSection::QtDqtTable, 0, false}, image, &idText);
    int numbers = 0;
    for (const PrintItem& item : table)
        numbers += item.align == Align::Right;
    EXPECT_EQ(numbers, layout::kQtDqtTableEntries);
}

TEST(SectionLayout, PageHasHeaderBodyBelowItAndNumber) {
    const RadioImage image = defaultImage();
    HeaderInfo header;
    header.fileName = "a.dat";
    const SectionPage editorPage{PrintSection::Scan, 0, false};
    const PrintItems page = pageItems({PrintSection::RequestingEditor, 0}, 4, false, editorPage,
                                      header, image, &idText);
    const PrintItem* title = findText(page, idOf(StrId::TitleScanInformation));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->line, kBodyStartLine);
    EXPECT_TRUE(findText(page, idOf(StrId::PrintTitle)));
    const PrintItem* number = findText(page, "- 4 -");
    ASSERT_TRUE(number);
    EXPECT_TRUE(number->fromBottom);
    EXPECT_EQ(number->line, kFooterLinesAboveBottom);
    EXPECT_EQ(number->align, Align::PageCentre);
}
