#pragma once
// What `show` and `hexdump` print for an image.

#include <ostream>
#include <string>
#include <vector>

#include "app/RadioImage.h"

namespace tsw::cli {

// The channel table (number, receive and transmit frequency, tone and flags as the channel
// table shows them), the test frequencies and the radio-wide settings, in language texts.
void printListing(std::ostream& out, const RadioImage& image);

// 16 bytes a line, the offset first: "000: 25 06 60 44 ...".
void printHexdump(std::ostream& out, const RadioImage& image);

// Rows of cells, each column padded to its widest cell (in characters), two spaces apart.
void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

} // namespace tsw::cli
