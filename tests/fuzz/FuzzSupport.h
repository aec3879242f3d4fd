#pragma once
// What the fuzz targets share: a failed expectation aborts (libFuzzer reports it with the
// input), the program's default image, and the bytes that hold the channels.
#include <cstddef>
#include <cstdlib>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"

namespace tsw::fuzz {

inline void check(bool condition) {
    if (!condition)
        std::abort();
}

inline RadioImage defaultImage() {
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    RadioImage image;
    buildDefaultImage(image, identity);
    return image;
}

// The channel records and the two channel bitmaps.
inline bool channelData(std::size_t offset) {
    using namespace layout;
    return (offset >= kChannelBase && offset < kChannelEnd) ||
           (offset >= kBitmapA && offset < kBitmapB + 2);
}

} // namespace tsw::fuzz
