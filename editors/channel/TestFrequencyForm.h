#pragma once
// The test frequency table: the first eight of the sixteen test channels the radio uses in
// its test mode, each with a receive (column 1) and a transmit (column 2) frequency.
//
//   test channel t (0..15) at 0x280 + 8t:  +0..3 receive frequency   +4..7 transmit frequency
//
// A frequency typed over a cell is stored at once in the same four bytes; the cell then shows
// what the image holds.

#include <cstddef>
#include <string>
#include <string_view>

#include "app/RadioImage.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

enum class TestSide { Receive, Transmit };

// Image offset of the receive or transmit frequency of test channel `index` (0..15).
std::size_t testFrequencyOffset(int index, TestSide side);
// What the window shows for it: the nine-character frequency, empty when none.
std::string testFrequencyText(const RadioImage& image, int index, TestSide side);

class TestFrequencyForm {
public:
    static constexpr int kShownChannels = 8;
    static constexpr int kRows = kShownChannels + 1;
    static constexpr int kColumns = 3;
    static constexpr int kLastColumn = 2;
    static constexpr int kColumnWidths[kColumns] = {900, 1650, 1650}; // twips
    static constexpr int kWindowWidth = 287;                          // pixels
    static constexpr int kEditTextMax = 9;                            // "446.00625"
    static constexpr int kHelpTopic = 157;
    static constexpr int kGridId = 1130;

    TestFrequencyForm(RadioImage& image, bool narrowStepsOnly, TextLookup lookup = tr);

    std::string cellText(int row, int column) const;
    static bool isDataCell(int row, int column);
    // Image offset of the four bytes a data cell shows.
    static std::size_t offsetOf(int row, int column);

    // Stores a typed text: an empty text clears the frequency (FF FF FF FF); a text that
    // reads as a frequency is stored in the radio's coding; any other text changes nothing.
    // Returns the cell's text afterwards, as read back from the image.
    std::string commitCell(int row, int column, std::string_view typed);

private:
    RadioImage& image_;
    bool narrowStepsOnly_;
    TextLookup lookup_;
};

} // namespace tsw
