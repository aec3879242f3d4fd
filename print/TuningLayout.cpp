#include "print/TuningLayout.h"

#include <string>

#include "app/ImageLayout.h"
#include "editors/channel/TestFrequencyForm.h"
#include "print/SectionLayout.h"

namespace tsw::print {

namespace {

constexpr int kBytesPerRow = 8;
constexpr double kTableLine = 2;
constexpr double kRowNumberRight = 23;  // byte numbers of the rows end here
constexpr double kFirstValueRight = 28; // values end here, then every 5 widths
constexpr double kValueStep = 5;
constexpr int kTestChannels = 16;
// Columns of the test channel table, relative to its left edge.
constexpr double kChannelColumns[3] = {0, 10, 28};
constexpr double kLandscapeChannelsX = 70;

std::string withoutMnemonic(std::string text) {
    std::erase(text, '&');
    return text;
}

void addByteTable(PrintItems& items, std::span<const std::uint8_t> tuning,
                  const TextLookup& lookup) {
    items.push_back(textItem(kLabelX, kTableLine, lookup(StrId::QtDqtNumberHeader)));
    for (int c = 0; c < kBytesPerRow; ++c)
        items.push_back(textItem(kFirstValueRight + kValueStep * c, kTableLine, std::to_string(c),
                                 Align::Right));
    const int rows = static_cast<int>((kTuningDataSize + kBytesPerRow - 1) / kBytesPerRow);
    for (int r = 0; r < rows; ++r) {
        const double line = kTableLine + 1 + r;
        items.push_back(
            textItem(kRowNumberRight, line, std::to_string(r * kBytesPerRow), Align::Right));
        for (int c = 0; c < kBytesPerRow; ++c) {
            const std::size_t index = static_cast<std::size_t>(r * kBytesPerRow + c);
            if (index >= kTuningDataSize || index >= tuning.size())
                continue;
            items.push_back(textItem(kFirstValueRight + kValueStep * c, line,
                                     std::to_string(tuning[index]), Align::Right));
        }
    }
}

double addNamedValues(PrintItems& items, double line, std::span<const std::uint8_t> tuning,
                      std::span<const NamedTuningValue> named, const TextLookup& lookup) {
    for (const NamedTuningValue& value : named) {
        const std::string text = value.index < tuning.size() && value.index < kTuningDataSize
                                     ? std::to_string(tuning[value.index])
                                     : std::string{};
        addLabelValue(items, line, lookup(value.name), text);
        line += 1;
    }
    return line;
}

void addTestChannels(PrintItems& items, double x, double line,
                     std::span<const std::uint8_t> testChannels, const TextLookup& lookup) {
    RadioImage copy;
    copy.copyFrom(testChannels.first(std::min(testChannels.size(), kTestChannelTableSize)),
                  layout::kTestFrequencies);
    const TestFrequencyForm form(copy, false, lookup);
    for (int c = 0; c < TestFrequencyForm::kColumns; ++c)
        items.push_back(textItem(x + kChannelColumns[c], line, form.cellText(0, c)));
    for (int t = 0; t < kTestChannels; ++t) {
        const double at = line + 1 + t;
        const std::size_t offset = layout::testFrequencyOffset(t);
        items.push_back(textItem(x + kChannelColumns[0], at, std::to_string(t + 1)));
        items.push_back(textItem(x + kChannelColumns[1], at,
                                 formatFrequency(readFrequencyBytes(copy, offset))));
        items.push_back(textItem(x + kChannelColumns[2], at,
                                 formatFrequency(readFrequencyBytes(copy, offset + 4))));
    }
}

} // namespace

PrintItems tuningItems(std::span<const std::uint8_t> tuning,
                       std::span<const std::uint8_t> testChannels,
                       std::span<const NamedTuningValue> named, bool landscape,
                       const TextLookup& lookup) {
    PrintItems items{textItem(kTitleX, 0, withoutMnemonic(lookup(StrId::MenuTestMode)))};
    addByteTable(items, tuning, lookup);
    const double tableEnd = kTableLine + 1 + (kTuningDataSize + kBytesPerRow - 1) / kBytesPerRow;
    double line = addNamedValues(items, tableEnd + 1, tuning, named, lookup);
    if (landscape)
        addTestChannels(items, kLandscapeChannelsX, kTableLine, testChannels, lookup);
    else
        addTestChannels(items, kLabelX, line + (named.empty() ? 0 : 1), testChannels, lookup);
    return items;
}

PrintItems tuningPageItems(std::span<const std::uint8_t> tuning,
                           std::span<const std::uint8_t> testChannels,
                           std::span<const NamedTuningValue> named, bool landscape,
                           const HeaderInfo& header, const RadioImage& image,
                           const TextLookup& lookup) {
    PrintItems items = headerItems(header, image, lookup);
    PrintItems body = tuningItems(tuning, testChannels, named, landscape, lookup);
    shiftDown(body, kBodyStartLine);
    items.insert(items.end(), body.begin(), body.end());
    const PrintItems footer = footerItems(1);
    items.insert(items.end(), footer.begin(), footer.end());
    return items;
}

} // namespace tsw::print
