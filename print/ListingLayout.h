#pragma once
// Printed lists of three columns (the differences of the compare window: field, value here,
// value there), over as many pages as they need, each page with the common header and the
// page number.
//
//   line 0   Differences                                          (title, 15 w)
//   line 2   Field                                                 (column headers)
//   line 3        In the editors              backup.dat
//   line 5   Channel 3 / RX Frequency [MHz]                        (the field, 15 w)
//   line 6        446.00625                   446.01875            (the two values)
//
// A value too long for its column (a message line) moves the second value to a line of its
// own below it, so no text ever runs over another.

#include <array>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/TextLookup.h"
#include "print/PageHeader.h"
#include "print/PrintItem.h"

namespace tsw::print {

struct Listing {
    std::string title;
    std::array<std::string, 3> headers; // field, first value, second value
    std::vector<std::array<std::string, 3>> rows;
};

// The body lines of the listing, page by page (lines counted from the body start; at least one
// page, which says nothing more than its title and headers when there are no rows).
std::vector<PrintItems> listingBodies(const Listing& listing, bool landscape);

// Whole pages: header, body, page number.
std::vector<PrintItems> listingPages(const Listing& listing, bool landscape,
                                     const HeaderInfo& header, const RadioImage& image,
                                     const TextLookup& lookup);

} // namespace tsw::print
