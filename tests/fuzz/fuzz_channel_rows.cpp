// Arbitrary text pasted into the channel table: a refused paste leaves the image as it was; an
// accepted one changes only the channel records and bitmaps, and the rows it filled, copied and
// pasted back over themselves, change nothing more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "editors/channel/ChannelRows.h"
#include "tests/fuzz/FuzzSupport.h"

using tsw::fuzz::channelData;
using tsw::fuzz::check;
using tsw::fuzz::defaultImage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tsw::RadioImage original = defaultImage();
    if (size == 0)
        return 0;
    const int first = data[0] % tsw::layout::kChannelCount;
    const bool narrow = (data[0] & 0x10) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    tsw::RadioImage image = original;
    const auto result = tsw::pasteChannelRows(text, image, first, narrow);
    if (!result.pasted()) {
        check(image == original);
        return 0;
    }
    for (std::size_t offset = 0; offset < tsw::kImageSize; ++offset)
        check(channelData(offset) || image.byte(offset) == original.byte(offset));
    if (result.lastChannel < result.firstChannel)
        return 0;
    const std::string copied = tsw::copyChannelRows(image, result.firstChannel, result.lastChannel);
    tsw::RadioImage again = image;
    check(tsw::pasteChannelRows(copied, again, result.firstChannel, narrow).pasted());
    check(again == image);
    return 0;
}
