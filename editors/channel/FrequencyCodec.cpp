#include "editors/channel/FrequencyCodec.h"

#include <algorithm>

#include "app/NumberText.h"

namespace tsw {

namespace {

// 100 MHz .. 999.99999 MHz: the Hz values whose ten-Hz count has exactly eight digits.
constexpr long kLowestHz = 100'000'000;
constexpr long kHighestHz = 999'999'999;

// The text read as MHz and rounded to whole Hz, like floor(MHz * 1e6 + 0.5) but without
// binary fractions: the digits are taken one by one. Returns -1 when the value cannot be a
// frequency of the nine-character form (empty, zero, negative or too large).
long parseHz(std::string_view text) {
    const LeadingInteger read = readLeadingInteger(text, 1001);
    if (read.saturated) // above 1000 MHz: out of range
        return -1;
    const bool negative = read.negative;
    const long whole = static_cast<long>(read.magnitude);
    std::size_t i = read.end;
    long micro = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDecimalDigit(text[i]); ++i, ++fractionDigits) {
            if (fractionDigits < 6)
                micro = micro * 10 + (text[i] - '0');
            else if (fractionDigits == 6)
                roundUp = text[i] >= '5';
        }
    }
    for (int d = std::min(fractionDigits, 6); d < 6; ++d)
        micro *= 10;
    const long hz = whole * 1'000'000 + micro + (roundUp ? 1 : 0);
    if (negative && hz != 0)
        return -1;
    return hz;
}

int stepFor(long& hz, bool narrowStepsOnly) {
    const int smallest = narrowStepsOnly ? kStep5000Hz : kStep2500Hz;
    for (int step = kStep6250Hz; step >= smallest; --step)
        if (hz % kStepSizesHz[step] == 0)
            return step;
    const int fallback = narrowStepsOnly ? kStep6250Hz : kStep5000Hz;
    hz -= hz % kStepSizesHz[fallback];
    return fallback;
}

char nibbleChar(unsigned nibble) {
    return "0123456789ABCDEF"[nibble & 0x0F];
}

} // namespace

FrequencyBytes readFrequencyBytes(const RadioImage& image, std::size_t offset) {
    FrequencyBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = image.byte(offset + i);
    return bytes;
}

void writeFrequencyBytes(RadioImage& image, std::size_t offset, const FrequencyBytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image.setByte(offset + i, bytes[i]);
}

bool isNoFrequency(const FrequencyBytes& bytes) {
    const auto all = [&](std::uint8_t v) {
        return std::all_of(bytes.begin(), bytes.end(), [v](std::uint8_t b) { return b == v; });
    };
    return all(0xFF) || all(0x00);
}

std::optional<long> frequencyHz(const FrequencyBytes& bytes) {
    long tenHz = 0;
    for (int i = 3; i >= 0; --i)
        for (const int nibble : {bytes[i] >> 4, bytes[i] & 0x0F}) {
            if (nibble > 9)
                return std::nullopt;
            tenHz = tenHz * 10 + nibble;
        }
    return tenHz * 10;
}

bool onChannelStep(long hz, bool narrowStepsOnly) {
    for (std::size_t i = 0; i < kStepSizesHz.size(); ++i) {
        if (narrowStepsOnly && kStepSizesHz[i] == 2500)
            continue;
        if (hz % kStepSizesHz[i] == 0)
            return true;
    }
    return false;
}

std::string formatFrequency(const FrequencyBytes& bytes) {
    if (isNoFrequency(bytes))
        return {};
    std::string text;
    text.reserve(kFrequencyTextLength);
    for (int i = 3; i >= 0; --i) {
        text += nibbleChar(bytes[i] >> 4);
        if (i == 2)
            text += '.';
        text += nibbleChar(bytes[i]);
    }
    return text;
}

int parseFrequency(std::string_view text, FrequencyBytes& out, bool narrowStepsOnly) {
    long hz = parseHz(text);
    if (hz < kLowestHz || hz > kHighestHz)
        return -1; // covers empty and zero (no frequency) as well as what no nine digits hold
    const int step = stepFor(hz, narrowStepsOnly);
    long tens = hz / 10; // eight BCD digits, the 1 Hz digit dropped
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(tens % 10);
        tens /= 10;
        const auto high = static_cast<std::uint8_t>(tens % 10);
        tens /= 10;
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return step;
}

std::string numberedFixedFrequency(int k, const TextLookup& lookup) {
    if (k < 1 || k > kFixedFrequencyCount)
        return "(0)     " + lookup(StrId::OffText);
    return "(" + std::to_string(k) + ")     " + std::string(kFixedFrequencies[k - 1]);
}

std::string numberedFrequencyText(std::string_view text, const TextLookup& lookup) {
    if (text.empty())
        return numberedFixedFrequency(0, lookup);
    const auto found = std::find(kFixedFrequencies.begin(), kFixedFrequencies.end(), text);
    if (found != kFixedFrequencies.end())
        return numberedFixedFrequency(static_cast<int>(found - kFixedFrequencies.begin()) + 1,
                                      lookup);
    return std::string(text);
}

} // namespace tsw
