#pragma once
// Images and texts shared by the channel editor form tests.

#include <set>
#include <string>
#include <vector>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "tests/support/TestSupport.h"

namespace tsw::test {

// "Off" for the off text (so that list texts read naturally), "#<id>" for any other id.
inline std::string channelText(StringId id) {
    return id == StrId::OffText ? std::string("Off") : "#" + std::to_string(id);
}

// The image of a fresh start: all 16 channels in use, channel 1 on 446.00625 MHz with
// 94.8 Hz from table entry 10.
inline RadioImage defaultChannelImage() {
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    RadioImage image;
    buildDefaultImage(image, identity);
    return image;
}

// The default image with channels from `firstEmpty` on emptied (records all 0xFF, their
// bitmap A bits cleared).
inline RadioImage imageWithUsedChannels(int firstEmpty) {
    RadioImage image = defaultChannelImage();
    for (int n = firstEmpty; n < layout::kChannelCount; ++n) {
        for (std::size_t i = 0; i < layout::kChannelSize; ++i)
            image.setByte(layout::channelOffset(n) + i, 0xFF);
        image.setFlag(layout::kBitmapA + static_cast<std::size_t>(n / 8),
                      static_cast<std::uint8_t>(1u << (n % 8)), false);
    }
    return image;
}

inline std::set<std::size_t> changedOffsets(const RadioImage& before, const RadioImage& after) {
    const auto diff = differingOffsets(before, after);
    return {diff.begin(), diff.end()};
}

// Offsets of record bytes `fields` of `channel`.
inline std::set<std::size_t> recordBytes(int channel, std::initializer_list<std::size_t> fields) {
    std::set<std::size_t> out;
    for (std::size_t f : fields)
        out.insert(layout::channelOffset(channel) + f);
    return out;
}

} // namespace tsw::test
