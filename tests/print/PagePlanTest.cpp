#include <gtest/gtest.h>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "print/PagePlan.h"

using namespace tsw;

namespace {

RadioImage imageWithUsedChannels(int used) {
    RadioImage image;
    buildDefaultImage(image, {'H', '5', '5', '2', '0', 0x92, 0xF3, 0xFF});
    for (int ch = used; ch < layout::kChannelCount; ++ch)
        image.setByte(layout::channelOffset(ch), 0xFF);
    return image;
}

int channelPages(const std::vector<PageEntry>& pages) {
    int n = 0;
    for (const auto& p : pages)
        if (p.section == PrintSection::ChannelInformation) {
            EXPECT_EQ(p.subPage, n);
            ++n;
        }
    return n;
}

} // namespace

TEST(PagePlan, ChannelInformationHasOnePagePerFourUsedChannels) {
    struct Case {
        int used;
        int pages;
    };
    for (const Case c :
         {Case{0, 1}, Case{1, 1}, Case{4, 1}, Case{5, 2}, Case{8, 2}, Case{9, 3}, Case{16, 4}})
        for (bool landscape : {false, true}) {
            const auto pages = planPages({printsel::ChannelInformation, false}, landscape,
                                         imageWithUsedChannels(c.used));
            EXPECT_EQ(channelPages(pages), c.pages) << c.used << " used channels";
            EXPECT_EQ(pages.size(), static_cast<std::size_t>(c.pages));
        }
}

TEST(PagePlan, CountsChannelsByTheirFirstByteNotByPosition) {
    RadioImage image = imageWithUsedChannels(16);
    for (int ch : {0, 2, 4, 6, 8, 10, 12, 14, 15}) // 7 channels left, scattered
        image.setByte(layout::channelOffset(ch), 0xFF);
    EXPECT_EQ(channelPages(planPages({printsel::ChannelInformation, false}, false, image)), 2);
}

TEST(PagePlan, EverySectionAloneAndAllTogetherInPrintOrder) {
    const RadioImage image = imageWithUsedChannels(5);
    using S = PrintSection;
    struct Case {
        std::uint16_t mask;
        bool landscape;
        std::vector<PageEntry> expected;
    };
    const Case cases[] = {
        {printsel::OptionalFeatures, false, {{S::OptionalFeatures, 0}}},
        {printsel::OptionalFeatures, true, {{S::OptionalFeatures, 0}, {S::OptionalFeatures, 1}}},
        {printsel::KeyAssignment, false, {{S::KeyAssignment, 0}}},
        {printsel::Scan, true, {{S::Scan, 0}}},
        {printsel::TestFrequency, false, {{S::TestFrequency, 0}}},
        {printsel::EmbeddedMessage, false, {{S::EmbeddedMessage, 0}}},
        {printsel::QtDqtTable, false, {{S::QtDqtTable, 0}}},
        {printsel::Dtmf | printsel::CrewLink, false, {}},
        {0, false, {}},
        {printsel::All,
         false,
         {{S::OptionalFeatures, 0},
          {S::KeyAssignment, 0},
          {S::Scan, 0},
          {S::TestFrequency, 0},
          {S::EmbeddedMessage, 0},
          {S::QtDqtTable, 0},
          {S::ChannelInformation, 0},
          {S::ChannelInformation, 1}}},
        {printsel::All,
         true,
         {{S::OptionalFeatures, 0},
          {S::OptionalFeatures, 1},
          {S::KeyAssignment, 0},
          {S::Scan, 0},
          {S::TestFrequency, 0},
          {S::EmbeddedMessage, 0},
          {S::QtDqtTable, 0},
          {S::ChannelInformation, 0},
          {S::ChannelInformation, 1}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(planPages({c.mask, false}, c.landscape, image), c.expected)
            << "mask " << c.mask << (c.landscape ? " landscape" : " portrait");
}

TEST(PagePlan, AllSectionsWithSixteenChannelsInLandscape) {
    const auto pages = planPages({printsel::All, true}, true, imageWithUsedChannels(16));
    ASSERT_EQ(pages.size(), 2u + 5u + 4u + 1u); // features x2, five single pages, 4 channel, editor
    EXPECT_EQ(pages[1], (PageEntry{PrintSection::OptionalFeatures, 1}));
    EXPECT_EQ(channelPages(pages), 4);
    EXPECT_EQ(pages.back().section, PrintSection::RequestingEditor);
}

TEST(PagePlan, TheRequestingEditorsPageComesLast) {
    const auto pages = planPages({printsel::Scan, true}, false, imageWithUsedChannels(16));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages.back(), (PageEntry{PrintSection::RequestingEditor, 0}));
    EXPECT_EQ(planPages({0, true}, false, imageWithUsedChannels(0)).size(), 1u);
}
