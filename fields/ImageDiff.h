#pragma once
// Compares two radio images in the words of the editors: every difference as a field name and
// the texts the editors show for image A and image B, taken from the field catalogue.
//
//   channels        "Channel 3 / RX Frequency [MHz]"   by channel number and the channel
//                                                       editors' labels
//   settings        "Scan Information / Priority"      by the editor's title and row label
//   tables          "Test Frequency 5 / RX", "QT/DQT Table 12", "Embedded Message 1", ...
//   anything else   "Byte 0x1E3"                       one line per byte, the values in hex
//
// A field whose shown text differs is a line. A byte (or bit) that differs and that no such
// line accounts for (bytes no editor maps, bits an editor keeps but does not show, a value
// that two images show alike) is listed by its offset, so no difference goes unreported.
// When a channel is in use on one side only, its record's other bytes say nothing more.

#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/TextLookup.h"

namespace tsw::fields {

struct DiffLine {
    std::string field;
    // The values as displayText gives them: free texts quoted, a field its editor shows empty
    // as the empty marker, so that two different values never read alike.
    std::string a;
    std::string b;
    bool operator==(const DiffLine&) const = default;
};

// The catalogue's fields in its order, then the bytes listed by offset in ascending order.
// Empty when the images are equal.
std::vector<DiffLine> diffImages(const RadioImage& a, const RadioImage& b, const TextLookup& text);

} // namespace tsw::fields
