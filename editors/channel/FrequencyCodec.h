#pragma once
// Frequencies as the radio stores them: four bytes of packed BCD in 10 Hz units,
// little-endian (446.00625 MHz = 44 600 625 x 10 Hz is stored as 25 06 60 44). FF FF FF FF and
// 00 00 00 00 both mean "no frequency". Shown as nine characters DDD.DDDDD (MHz).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/AppGlobals.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"

namespace tsw {

using FrequencyBytes = std::array<std::uint8_t, 4>;

// Index of the channel step a parsed frequency fits.
enum FrequencyStep : int {
    kStep2500Hz = 0,
    kStep5000Hz = 1,
    kStep6250Hz = 2,
    kStepParseFailed = 3, // stored beside a frequency that did not parse
};
inline constexpr std::array<long, 3> kStepSizesHz = {2500, 5000, 6250};

inline constexpr std::size_t kFrequencyTextLength = 9;  // "446.00625"
inline constexpr std::size_t kNumberedPrefixLength = 8; // "(1)     "
inline constexpr int kFixedFrequencyCount = 8;

// The eight fixed channel frequencies, 446.00625 MHz to 446.09375 MHz, 12.5 kHz apart.
inline constexpr std::array<std::string_view, kFixedFrequencyCount> kFixedFrequencies = {
    "446.00625", "446.01875", "446.03125", "446.04375",
    "446.05625", "446.06875", "446.08125", "446.09375"};

FrequencyBytes readFrequencyBytes(const RadioImage& image, std::size_t offset);
void writeFrequencyBytes(RadioImage& image, std::size_t offset, const FrequencyBytes& bytes);
bool isNoFrequency(const FrequencyBytes& bytes); // all 0xFF or all 0x00
// The frequency in Hz, or nullopt when a nibble is no decimal digit (no frequency included).
std::optional<long> frequencyHz(const FrequencyBytes& bytes);
// Whether an editor could have stored `hz`: a multiple of one of the channel steps (6.25 and
// 5 kHz; 2.5 kHz only when narrowStepsOnly is false), as parseFrequency stores it.
bool onChannelStep(long hz, bool narrowStepsOnly);

// The nine-character text, or an empty text for no frequency. Each nibble gives one digit
// (a nibble above 9 shows as a hex letter), most significant first, the point after three.
std::string formatFrequency(const FrequencyBytes& bytes);

// Reads the text as MHz and stores the packed frequency in `out`. Returns the step index
// (kStep2500Hz .. kStep6250Hz), or -1 with `out` untouched for an empty text, zero, or a
// frequency outside 100 MHz .. 999.99999 MHz (the nine-character form holds no other).
// The Hz value is rounded to the nearest Hz; the steps 6250, 5000 and (unless
// narrowStepsOnly) 2500 Hz are tried in that order and the first that divides it is taken;
// when none does, it is truncated to a multiple of 6250 Hz (narrowStepsOnly) or 5000 Hz.
int parseFrequency(std::string_view text, FrequencyBytes& out, bool narrowStepsOnly);

// "(k)     446.0xxxx" for the k-th fixed frequency (k = 1..8); "(0)     " + the off text for
// an empty text; any other text unchanged.
std::string numberedFrequencyText(std::string_view text, const TextLookup& lookup = tr);
// The numbered form of fixed frequency k (1..8), or the off entry for k = 0.
std::string numberedFixedFrequency(int k, const TextLookup& lookup = tr);

} // namespace tsw
