#include "link/TestModeForm.h"

#include "app/ImageLayout.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

namespace {

constexpr std::array<std::pair<StringId, StringId>, kTestSignallingCount> kSignallingNames = {{
    {StrId::TestSignalling1Rx, StrId::TestSignalling1Tx},
    {StrId::TestSignalling2Rx, StrId::TestSignalling2Tx},
    {StrId::TestSignalling3Rx, StrId::TestSignalling3Tx},
    {StrId::TestSignalling4Rx, StrId::TestSignalling4Tx},
    {StrId::TestSignalling5Rx, StrId::TestSignalling5Tx},
    {StrId::TestSignalling6Rx, StrId::TestSignalling6Tx},
    {StrId::TestSignalling7Rx, StrId::TestSignalling7Tx},
}};

constexpr std::size_t kTxOffset = 4;

} // namespace

TestChannelFrequencies testChannelFrequencies(const RadioImage& image, int channel,
                                              const TextLookup& text) {
    if (channel < 1 || channel > layout::kTestFrequencyCount)
        return {};
    const std::size_t base = layout::testFrequencyOffset(channel - 1);
    TestChannelFrequencies out;
    out.rx = formatFrequency(readFrequencyBytes(image, base));
    if (image.byte(base + kTxOffset) == 0xFF)
        out.tx = text(StrId::ProgramMenuSecondText);
    else
        out.tx = formatFrequency(readFrequencyBytes(image, base + kTxOffset));
    return out;
}

std::vector<TestSignalling> testSignallings(const TextLookup& text) {
    std::vector<TestSignalling> out;
    for (const auto& [rx, tx] : kSignallingNames) {
        TestSignalling s{text(rx), text(tx), {}};
        s.entry = s.rxName == s.txName ? s.rxName : s.rxName + " / " + s.txName;
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<std::string> testChannelEntries() {
    std::vector<std::string> out;
    for (int ch = 1; ch <= layout::kTestFrequencyCount; ++ch)
        out.push_back(std::to_string(ch));
    return out;
}

TestModeSelection& testModeSelection() {
    static TestModeSelection selection;
    return selection;
}

} // namespace tsw
