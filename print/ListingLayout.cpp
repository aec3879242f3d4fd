#include "print/ListingLayout.h"

#include "print/SectionLayout.h"

namespace tsw::print {

namespace {

constexpr double kHeaderLine = 2; // the field header; the value headers on the line below
constexpr double kFirstRowLine = 5;
constexpr double kValueIndent = 5; // the values stand this far right of the field name

struct Columns {
    double first;
    double second;
    std::size_t room; // characters a value may take in the first value column
};

Columns columnsFor(bool landscape) {
    const double width = landscape ? kLandscapeWidth : kPortraitWidth;
    const double first = kTitleX + kValueIndent;
    const double second = first + (width - first) / 2;
    return {first, second, static_cast<std::size_t>(second - first - 2)};
}

// The lines one row takes: the field, then the values on one line or, when the first is too
// long for its column, on two.
int rowHeight(const std::array<std::string, 3>& row, const Columns& columns) {
    return row[1].size() > columns.room ? 3 : 2;
}

PrintItems pageStart(const Listing& listing, const Columns& columns) {
    PrintItems items;
    items.push_back(textItem(kTitleX, 0, listing.title));
    items.push_back(textItem(kTitleX, kHeaderLine, listing.headers[0]));
    items.push_back(textItem(columns.first, kHeaderLine + 1, listing.headers[1]));
    items.push_back(textItem(columns.second, kHeaderLine + 1, listing.headers[2]));
    return items;
}

} // namespace

std::vector<PrintItems> listingBodies(const Listing& listing, bool landscape) {
    const Columns columns = columnsFor(landscape);
    const double lastLine = (landscape ? kLandscapeBodyLines : kPortraitBodyLines) - 1;
    std::vector<PrintItems> pages{pageStart(listing, columns)};
    double line = kFirstRowLine;
    for (const auto& row : listing.rows) {
        const int height = rowHeight(row, columns);
        if (line + height - 1 > lastLine) {
            pages.push_back(pageStart(listing, columns));
            line = kFirstRowLine;
        }
        PrintItems& items = pages.back();
        items.push_back(textItem(kTitleX, line, row[0]));
        items.push_back(textItem(columns.first, line + 1, row[1]));
        items.push_back(
            textItem(height == 3 ? columns.first : columns.second, line + height - 1, row[2]));
        line += height;
    }
    return pages;
}

std::vector<PrintItems> listingPages(const Listing& listing, bool landscape,
                                     const HeaderInfo& header, const RadioImage& image,
                                     const TextLookup& lookup) {
    std::vector<PrintItems> pages;
    int number = 0;
    for (PrintItems& body : listingBodies(listing, landscape)) {
        PrintItems items = headerItems(header, image, lookup);
        shiftDown(body, kBodyStartLine);
        items.insert(items.end(), body.begin(), body.end());
        const PrintItems footer = footerItems(++number);
        items.insert(items.end(), footer.begin(), footer.end());
        pages.push_back(std::move(items));
    }
    return pages;
}

} // namespace tsw::print
