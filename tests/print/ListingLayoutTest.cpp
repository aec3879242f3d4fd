// The printed listing: rows fill a page and go on on the next, each page repeating the title
// and column headers; a first value too long for its column puts the second below it.

#include <gtest/gtest.h>

#include "print/ListingLayout.h"

using namespace tsw::print;

namespace {

Listing listingOf(std::size_t rows, std::size_t valueLength = 9) {
    Listing listing{"Differences", {"Field", "In the editors", "other.dat"}, {}};
    for (std::size_t i = 0; i < rows; ++i)
        listing.rows.push_back({"Field " + std::to_string(i), std::string(valueLength, 'a'),
                                std::string(valueLength, 'b')});
    return listing;
}

// The texts of a page in reading order, each with its line and column.
int countText(const PrintItems& items, const std::string& text) {
    int n = 0;
    for (const PrintItem& item : items)
        n += item.text == text ? 1 : 0;
    return n;
}

double lowestLine(const PrintItems& items) {
    double lowest = 0;
    for (const PrintItem& item : items)
        lowest = std::max(lowest, item.line);
    return lowest;
}

} // namespace

TEST(ListingLayout, RowsGoOnOnTheNextPageWithTheHeadersRepeated) {
    const struct {
        std::size_t rows;
        bool landscape;
        std::size_t pages;
    } cases[] = {{0, false, 1}, {1, false, 1}, {18, false, 1}, {19, false, 2},
                 {10, true, 1}, {11, true, 2}, {60, false, 4}};
    for (const auto& c : cases) {
        const auto pages = listingBodies(listingOf(c.rows), c.landscape);
        EXPECT_EQ(pages.size(), c.pages) << c.rows << (c.landscape ? " landscape" : "");
        const double room = c.landscape ? kLandscapeBodyLines : kPortraitBodyLines;
        std::size_t rowsSeen = 0;
        for (const PrintItems& page : pages) {
            EXPECT_EQ(countText(page, "Differences"), 1);
            EXPECT_EQ(countText(page, "other.dat"), 1);
            EXPECT_LT(lowestLine(page), room);
            for (std::size_t i = 0; i < c.rows; ++i)
                rowsSeen += static_cast<std::size_t>(countText(page, "Field " + std::to_string(i)));
        }
        EXPECT_EQ(rowsSeen, c.rows);
    }
}

TEST(ListingLayout, ALongFirstValuePutsTheSecondOnALineOfItsOwn) {
    for (const std::size_t length : {std::size_t{9}, std::size_t{34}}) {
        const PrintItems page = listingBodies(listingOf(1, length), false).front();
        const auto at = [&](char c) {
            for (const PrintItem& item : page)
                if (!item.text.empty() && item.text[0] == c && item.text.size() == length)
                    return item;
            return PrintItem{};
        };
        const PrintItem a = at('a');
        const PrintItem b = at('b');
        if (length > 30) {
            EXPECT_EQ(b.line, a.line + 1);
            EXPECT_EQ(b.x, a.x);
        } else {
            EXPECT_EQ(b.line, a.line);
            EXPECT_GT(b.x, a.x + static_cast<double>(length));
        }
    }
}
