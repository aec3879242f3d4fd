#include "fields/ImageDiff.h"

#include <array>
#include <cstdio>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "app/TextTemplate.h"
#include "editors/channel/ChannelRecord.h"
#include "fields/FieldCatalogue.h"

namespace tsw::fields {

namespace {

using Accounted = std::array<std::uint8_t, kImageSize>; // bits some line accounts for

void account(Accounted& accounted, const Field& f) {
    for (std::size_t i = 0; i < f.size && f.offset + i < kImageSize; ++i)
        accounted[f.offset + i] |= f.mask;
}

// A channel in use on one side only: its record's bytes are all told by its field lines.
void accountChannelRecords(Accounted& accounted, const RadioImage& a, const RadioImage& b) {
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        if (isChannelEmpty(a, ch) != isChannelEmpty(b, ch))
            for (std::size_t i = 0; i < layout::kChannelSize; ++i)
                accounted[layout::channelField(ch, i)] = 0xFF;
}

std::string byteText(const RadioImage& image, std::size_t at) {
    return hexBytes(image.bytes().subspan(at, 1));
}

void addByteLines(std::vector<DiffLine>& lines, const Accounted& accounted, const RadioImage& a,
                  const RadioImage& b, const TextLookup& text) {
    std::string pattern = text(StrId::DiffByteOffset);
    std::erase(pattern, '&');
    char offset[8];
    for (std::size_t at = 0; at < kImageSize; ++at) {
        const auto differs = static_cast<std::uint8_t>(a.byte(at) ^ b.byte(at));
        if ((differs & ~accounted[at]) == 0)
            continue;
        std::snprintf(offset, sizeof offset, "0x%03zX", at);
        lines.push_back({fillTemplate(pattern, {offset}), byteText(a, at), byteText(b, at)});
    }
}

} // namespace

std::vector<DiffLine> diffImages(const RadioImage& a, const RadioImage& b, const TextLookup& text) {
    std::vector<DiffLine> lines;
    if (a == b)
        return lines;
    Accounted accounted{};
    for (const Field& f : fieldCatalogue()) {
        const std::string shownA = f.text(a, text);
        const std::string shownB = f.text(b, text);
        if (shownA == shownB)
            continue;
        lines.push_back({f.name(text), displayText(f, shownA, text), displayText(f, shownB, text)});
        account(accounted, f);
    }
    accountChannelRecords(accounted, a, b);
    addByteLines(lines, accounted, a, b, text);
    return lines;
}

} // namespace tsw::fields
