#include <gtest/gtest.h>

#include "print/PagePlan.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using tsw::print::test::imageWithUsedChannels;

namespace {

// The plan as "F0 F1 K0 ...": a letter per section and the sub-page.
std::string planText(const std::vector<PageEntry>& pages) {
    std::string text;
    for (const PageEntry& p : pages) {
        const char* letters = "FKS??TECQD"; // D: the channel table page
        const auto s = static_cast<std::size_t>(p.section);
        text += std::string(text.empty() ? "" : " ") +
                (p.section == PrintSection::RequestingEditor ? 'R' : letters[s]) +
                std::to_string(p.subPage);
    }
    return text;
}

} // namespace

TEST(PagePlan, SectionsInPrintOrderWithOneChannelPagePerFourUsedChannels) {
    enum Turn { Portrait, Landscape, Both };
    const struct {
        std::uint16_t mask;
        bool editor;
        Turn turn;
        int used;
        const char* pages;
    } cases[] = {
        {printsel::ChannelInformation, false, Both, 0, "C0"},
        {printsel::ChannelInformation, false, Both, 1, "C0"},
        {printsel::ChannelInformation, false, Both, 4, "C0"},
        {printsel::ChannelInformation, false, Both, 5, "C0 C1"},
        {printsel::ChannelInformation, false, Both, 9, "C0 C1 C2"},
        {printsel::ChannelInformation, false, Both, 16, "C0 C1 C2 C3"},
        {printsel::OptionalFeatures, false, Portrait, 5, "F0"},
        {printsel::OptionalFeatures, false, Landscape, 5, "F0 F1"},
        {printsel::KeyAssignment, false, Both, 5, "K0"},
        {printsel::Scan, false, Both, 5, "S0"},
        {printsel::TestFrequency, false, Both, 5, "T0"},
        {printsel::EmbeddedMessage, false, Both, 5, "E0"},
        {printsel::QtDqtTable, false, Both, 5, "Q0"},
        {printsel::Dtmf | printsel::CrewLink, false, Both, 5, ""},
        {0, false, Both, 5, ""},
        {printsel::All, false, Portrait, 5, "F0 K0 S0 T0 E0 Q0 C0 C1"},
        {printsel::All, false, Landscape, 5, "F0 F1 K0 S0 T0 E0 Q0 C0 C1"},
        {printsel::All, true, Landscape, 16, "F0 F1 K0 S0 T0 E0 Q0 C0 C1 C2 C3 R0"},
        {printsel::Scan, true, Portrait, 16, "S0 R0"}, // the requesting editor's page last
        {0, true, Portrait, 0, "R0"},
    };
    for (const auto& c : cases)
        for (bool landscape : {false, true}) {
            if (c.turn != Both && (c.turn == Landscape) != landscape)
                continue;
            const auto pages =
                planPages({c.mask, c.editor}, landscape, imageWithUsedChannels(c.used));
            EXPECT_EQ(planText(pages), c.pages)
                << "mask " << c.mask << " used " << c.used << " landscape " << landscape;
        }
}

// The channel table layout prints every channel on one page, however many are in use, where
// the channel pages would stand; it changes nothing when Channel Information is not chosen.
TEST(PagePlan, TheChannelTableIsOnePageInPlaceOfTheChannelPages) {
    const struct {
        std::uint16_t mask;
        bool editor;
        int used;
        const char* pages;
    } cases[] = {
        {printsel::ChannelInformation, false, 0, "D0"},
        {printsel::ChannelInformation, false, 16, "D0"},
        {printsel::All, false, 9, "F0 K0 S0 T0 E0 Q0 D0"},
        {printsel::All, true, 16, "F0 K0 S0 T0 E0 Q0 D0 R0"},
        {printsel::Scan, false, 16, "S0"},
    };
    for (const auto& c : cases) {
        const auto pages =
            planPages({c.mask, c.editor, true}, false, imageWithUsedChannels(c.used));
        EXPECT_EQ(planText(pages), c.pages) << "mask " << c.mask << " used " << c.used;
    }
}

TEST(PagePlan, CountsChannelsByTheirFirstByteNotByPosition) {
    RadioImage image = imageWithUsedChannels(16);
    for (int ch : {0, 2, 4, 6, 8, 10, 12, 14, 15}) // 7 channels left, scattered
        image.setByte(layout::channelOffset(ch), 0xFF);
    EXPECT_EQ(planText(planPages({printsel::ChannelInformation, false}, false, image)), "C0 C1");
}
