// Arbitrary text into the frequency and tone parsers, arbitrary bytes into the formatters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/channel/FrequencyCodec.h"
#include "editors/channel/ToneCodec.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::check;

std::string offText(tsw::StringId) {
    return "Off";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (const bool narrow : {false, true}) {
        tsw::FrequencyBytes out{0xFF, 0xFF, 0xFF, 0xFF};
        const int step = tsw::parseFrequency(text, out, narrow);
        check(step >= -1 && step <= tsw::kStep6250Hz);
        if (step >= 0) {
            const std::string shown = tsw::formatFrequency(out);
            check(shown.size() == tsw::kFrequencyTextLength);
            tsw::FrequencyBytes again{};
            check(tsw::parseFrequency(shown, again, narrow) >= 0 && again == out);
        }
    }

    std::string tone = text;
    tsw::normalizeToneText(tone);
    std::string twice = tone;
    tsw::normalizeToneText(twice);
    check(twice == tone);
    const tsw::ToneWord word = tsw::parseTone(text, &offText);
    check(tsw::parseTone(tsw::formatTone(word, &offText), &offText) == word);

    if (size >= 4) {
        const tsw::FrequencyBytes bytes{data[0], data[1], data[2], data[3]};
        const std::string shown = tsw::formatFrequency(bytes);
        check(shown.empty() || shown.size() == tsw::kFrequencyTextLength);
    }
    if (size >= 2)
        (void)tsw::formatTone(static_cast<tsw::ToneWord>(data[0] | data[1] << 8), &offText);
    return 0;
}
