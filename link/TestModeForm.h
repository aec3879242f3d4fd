#pragma once
// What the Test Mode dialog and the adjustment dialogs show, apart from the radio traffic:
// the test channel list, a test channel's frequencies from the image, and the test
// signallings with their receive and transmit names.
//
// Signalling n (1..7) takes its names from a pair of strings: receive 3004001 + 4(n-1),
// transmit 3004003 + 4(n-1).

#include <array>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"

namespace tsw {

inline constexpr int kTestSignallingCount = 7;

struct TestChannelFrequencies {
    std::string rx; // empty when the channel has none
    std::string tx; // string 1001023 when the channel has none (first transmit byte 0xFF)
};
// Test channel 1..16 from the image's test channel table.
TestChannelFrequencies testChannelFrequencies(const RadioImage& image, int channel,
                                              const TextLookup& text);

struct TestSignalling {
    std::string rxName;
    std::string txName;
    // The list entry: the receive name, or "receive / transmit" when the two differ.
    std::string entry;
};
std::vector<TestSignalling> testSignallings(const TextLookup& text);

// The list of test channel numbers, "1" to "16".
std::vector<std::string> testChannelEntries();

// The remembered selections of the Test Mode dialog (1-based), kept between runs.
struct TestModeSelection {
    int testChannel = 1;
    int signalling = 1;
};
TestModeSelection& testModeSelection();

} // namespace tsw
