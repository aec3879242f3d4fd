// The one-page channel table: a row per channel with the field catalogue's texts, headers
// from the catalogue's labels, everything within the page at any language's text lengths.

#include <gtest/gtest.h>

#include <map>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "fields/FieldCatalogue.h"
#include "print/SectionLayout.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using namespace tsw::print;
using test::idText;
using test::imageWithUsedChannels;

namespace {

// The texts of each printed line, left to right.
std::map<double, std::vector<std::string>> rowsByLine(const PrintItems& items) {
    std::map<double, std::vector<const PrintItem*>> byLine;
    for (const PrintItem& item : items)
        if (item.kind == ItemKind::Text)
            byLine[item.line].push_back(&item);
    std::map<double, std::vector<std::string>> out;
    for (auto& [line, list] : byLine) {
        std::sort(list.begin(), list.end(),
                  [](const PrintItem* a, const PrintItem* b) { return a->x < b->x; });
        for (const PrintItem* item : list)
            out[line].push_back(item->text);
    }
    return out;
}

// What the catalogue shows for a channel, in the table's column order.
std::vector<std::string> catalogueRow(const RadioImage& image, int ch) {
    const auto all = fields::fieldCatalogue();
    std::vector<std::string> row{std::to_string(ch + 1)};
    const auto text = [&](std::size_t offset, std::uint8_t mask) {
        return fields::findField(all, offset, mask)->text(image, &idText);
    };
    for (const RecordField& f : {chfield::RxFrequency, chfield::TxFrequency, chfield::DecodeTone,
                                 chfield::EncodeTone, chfield::TableIndex, chfield::Compander})
        row.push_back(text(layout::channelField(ch, f.at), f.mask));
    row.push_back(text(channelBitmapByte(layout::kBitmapB, ch), channelBitmapMask(ch)));
    row.push_back(text(layout::channelField(ch, chfield::BeatShift.at), chfield::BeatShift.mask));
    return row;
}

} // namespace

TEST(ChannelTable, EveryChannelIsOneRowOfTheCataloguesTexts) {
    const RadioImage image = imageWithUsedChannels(13);
    const PrintItems items =
        channelTableItems({PrintSection::ChannelTable, 0, false}, image, &idText);
    EXPECT_EQ(items.front(), textItem(15, 0, idText(StrId::TitleChannelInformation)));
    const auto lines = rowsByLine(items);
    // The rows are the last 16 lines, in channel order, below the rule under the header.
    ASSERT_GE(lines.size(), 16u + 2u);
    auto row = std::prev(lines.end(), layout::kChannelCount);
    double ruleLine = -1;
    for (const PrintItem& item : items)
        if (item.kind == ItemKind::Rule)
            ruleLine = item.line;
    EXPECT_LT(ruleLine, row->first);
    for (int ch = 0; ch < layout::kChannelCount; ++ch, ++row) {
        SCOPED_TRACE(ch);
        if (isChannelEmpty(image, ch)) // the number and the off text, as the channel table
            EXPECT_EQ(row->second,
                      (std::vector<std::string>{std::to_string(ch + 1), idText(StrId::OffText)}));
        else
            EXPECT_EQ(row->second, catalogueRow(image, ch));
    }
    // The header names the columns by the catalogue's labels.
    const auto header = lines.at(2);
    EXPECT_EQ(header.front(), idText(StrId::ChannelNumberHeader));
    EXPECT_EQ(header.at(2), idText(StrId::TxFrequencyLabel));
    EXPECT_EQ(header.at(4), idText(StrId::EncodeToneLabel));
}

// Long texts (some languages' words, a lookup giving long names) narrow the table; every text
// keeps to its column and the page, and the whole table fits the page's lines.
TEST(ChannelTable, FitsThePageAndKeepsTextsInTheirColumns) {
    const auto longText = [](StringId id) {
        return id == StrId::OffText ? std::string("Desactivado") : "Decodificación " + idText(id);
    };
    for (const TextLookup& lookup : {TextLookup(&idText), TextLookup(longText)})
        for (bool landscape : {false, true}) {
            SCOPED_TRACE(landscape ? "landscape" : "portrait");
            const PrintItems items = channelTableItems({PrintSection::ChannelTable, 0, landscape},
                                                       imageWithUsedChannels(16), lookup);
            const double width = landscape ? kLandscapeWidth : kPortraitWidth;
            std::map<double, std::vector<const PrintItem*>> byLine;
            for (const PrintItem& item : items) {
                EXPECT_LE(item.line, landscape ? kLandscapeBodyLines : kPortraitBodyLines);
                if (item.kind != ItemKind::Text || item.line == 0)
                    continue;
                EXPECT_GT(item.width, 0) << item.text;
                EXPECT_LE(item.x + item.width, width + 0.001) << item.text;
                byLine[item.line].push_back(&item);
            }
            for (auto& [line, list] : byLine) {
                std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->x < b->x; });
                for (std::size_t i = 1; i < list.size(); ++i)
                    EXPECT_LE(list[i - 1]->x + list[i - 1]->width, list[i]->x + 0.001)
                        << "line " << line << ": " << list[i - 1]->text;
            }
        }
}
