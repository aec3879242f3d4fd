#pragma once
// Compares two radio images in the words of the editors: every difference as a field name and
// the texts the editors show for image A and image B.
//
//   channels        "Channel 3 / RX Frequency [MHz]"   by channel number and the channel
//                                                       editors' labels
//   settings        "Scan Information / Priority"      by the editor's title and row label
//   tables          "Test Frequency 5 / RX", "QT/DQT Table 12", "Embedded Message 1", ...
//   anything else   "Byte 0x1E3"                       one line per byte, the values in hex
//
// A byte (or bit) that differs is named by the field that shows it; when no field shows the
// difference (bytes no editor maps, bits an editor keeps but does not show, a value that two
// images show alike), the byte is listed by its offset, so no difference goes unreported.

#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

struct DiffLine {
    std::string field;
    std::string a; // "" where the field shows nothing (a field of an empty channel)
    std::string b;
    bool operator==(const DiffLine&) const = default;
};

// Channels first, then the settings editors, the tables and the model identity, then the
// bytes listed by offset in ascending order. Empty when the images are equal.
std::vector<DiffLine> diffImages(const RadioImage& a, const RadioImage& b, const TextLookup& text);

} // namespace tsw::feature
