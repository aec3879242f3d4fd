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

TEST(SectionLayout, KeyAssignmentPrintsTheEditorsFunctionNames) {
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {{5, 11}, {0xFF, 1}, {12, 0}, {200, 7}};
    for (const auto& [pf1, pf2] : cases) {
        RadioImage image = defaultImage();
        image.setByte(layout::kKeyPf1, pf1);
        image.setByte(layout::kKeyPf2, pf2);
        const auto items = sectionItems({PrintSection::KeyAssignment, 0, false}, image, &idText);
        EXPECT_EQ(valueBeside(items, idText(StrId::PrintPf1Label)), name(pf1)) << int(pf1);
        EXPECT_EQ(valueBeside(items, idText(StrId::PrintPf2Label)), name(pf2)) << int(pf2);
    }
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
                    EXPECT_EQ(items.front(), textItem(15, 0, idText(sectionTitle(section))));
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
    EXPECT_EQ(valueBeside(items, idText(StrId::ChannelLabel)), "5");
    EXPECT_EQ(valueBeside(items, idText(StrId::TxFrequencyLabel)), "446.00625");
    EXPECT_EQ(valueBeside(items, idText(StrId::EncodeToneLabel)), idText(StrId::OffText));
    EXPECT_EQ(valueBeside(items, idText(StrId::ChannelFrequencyHeader)), "(4)     446.04375");
}

TEST(SectionLayout, LandscapeChannelPageSetsTheBlocksTwoByTwo) {
    const PrintItems items = sectionItems({PrintSection::ChannelInformation, 0, true},
                                          imageWithUsedChannels(4), &idText);
    std::vector<std::pair<double, double>> corners; // (line, x) of each "Channel" label
    for (const PrintItem& item : items)
        if (item.text == idText(StrId::ChannelLabel))
            corners.emplace_back(item.line, item.x);
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_EQ(corners[0].first, corners[1].first); // 1 and 2 side by side
    EXPECT_LT(corners[0].second, corners[1].second);
    EXPECT_EQ(corners[0].second, corners[2].second); // 3 under 1
    EXPECT_GT(corners[2].first, corners[0].first);
}

TEST(SectionLayout, OptionalFeaturesSplitOverTwoLandscapePagesAndHideWhatTheEditorHides) {
    const std::string tot = idText(StrId::FeatureTimeOutTimerLabel);
    const std::string vox = idText(StrId::FeatureVoxGroup);
    const std::string clone = idText(StrId::FeatureCloneModeLabel);
    const std::string pttId = idText(StrId::PttIdLabel);
    const struct {
        int subPage;
        bool landscape, hasTot, hasVox;
    } cases[] = {{0, false, true, true}, {0, true, true, false}, {1, true, false, true}};
    for (const auto& c : cases) {
        const auto items = sectionItems({PrintSection::OptionalFeatures, c.subPage, c.landscape},
                                        defaultImage(), &idText);
        EXPECT_EQ(findText(items, tot) != nullptr, c.hasTot) << c.subPage << c.landscape;
        EXPECT_EQ(findText(items, vox) != nullptr, c.hasVox) << c.subPage << c.landscape;
        EXPECT_FALSE(findText(items, clone));
        EXPECT_FALSE(findText(items, pttId));
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
    EXPECT_EQ(valueBeside(items, idText(StrId::FeatureTimeOutTimerLabel)), "30");
    EXPECT_EQ(valueBeside(items, idText(StrId::FeatureTotPreAlertLabel)), idText(StrId::OffText));
    auto boxBeside = [&](StringId label) {
        const PrintItem* l = findText(items, idText(label));
        for (const PrintItem& item : items)
            if (l && item.kind == ItemKind::CheckBox && item.line == l->line)
                return item;
        return PrintItem{};
    };
    EXPECT_TRUE(boxBeside(StrId::FeatureBeepLabel).checked);
    EXPECT_FALSE(boxBeside(StrId::FeatureScramblerBackupLabel).checked);
    EXPECT_TRUE(boxBeside(StrId::FeatureScramblerBackupLabel).dimmed);
    EXPECT_TRUE(findText(items, idText(StrId::FeatureVoxGainLevelLabel))->dimmed);
    EXPECT_FALSE(findText(items, idText(StrId::FeatureSquelchLevelLabel))->dimmed);
}

TEST(SectionLayout, ScanPrintsWhatTheEditorShowsOnceOpen) {
    RadioImage image = defaultImage();
    image.setByte(layout::kScanPriority, 0);    // priority off ...
    image.setByte(layout::kPriorityChannel, 3); // ... so the editor shows no channel
    image.setByte(layout::kScanLookBackA, 91);
    const RadioImage before = image;
    const PrintItems items = sectionItems({PrintSection::Scan, 0, false}, image, &idText);
    EXPECT_EQ(image, before); // printing never writes the image
    EXPECT_EQ(valueBeside(items, idText(StrId::ScanPriorityChannelLabel)), "");
    EXPECT_EQ(valueBeside(items, idText(StrId::ScanLookBackTimeALabel)), "5.00");
    EXPECT_EQ(valueBeside(items, idText(StrId::ScanPriority)),
              idText(StrId::ProgramMenuSecondText));
}

TEST(SectionLayout, TablesPrintTheirHeaderRowAndEveryCell) {
    const RadioImage image = defaultImage();
    const PrintItems freq = sectionItems({PrintSection::TestFrequency, 0, false}, image, &idText);
    EXPECT_TRUE(findText(freq, idText(StrId::RxLabel) + " " + idText(StrId::FrequencyMhzHeader)));
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
    const PrintItem* title = findText(page, idText(StrId::TitleScanInformation));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->line, kBodyStartLine);
    EXPECT_TRUE(findText(page, idText(StrId::PrintTitle)));
    const PrintItem* number = findText(page, "- 4 -");
    ASSERT_TRUE(number);
    EXPECT_TRUE(number->fromBottom);
    EXPECT_EQ(number->line, kFooterLinesAboveBottom);
    EXPECT_EQ(number->align, Align::PageCentre);
}
