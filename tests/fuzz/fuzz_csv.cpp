// Arbitrary text as a channel list file: a refused file leaves the image as it was; an
// accepted one changes only the channel records and bitmaps, and exporting the result and
// importing that again changes nothing more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "editors/channel/ChannelCsv.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::channelData;
using tsw::fuzz::check;
using tsw::fuzz::defaultImage;

std::string noText(tsw::StringId) {
    return "%d %s";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tsw::RadioImage original = defaultImage();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool narrow = size > 0 && (data[0] & 1) != 0;

    tsw::RadioImage image = original;
    const auto result = tsw::importChannelsCsv(text, image, narrow);
    if (!result.imported()) {
        check(image == original);
        check(result.problems.size() <= tsw::kMaxCsvProblems + 1);
        for (const auto& problem : result.problems)
            check(!tsw::formatCsvProblem(problem, &noText).empty());
        return 0;
    }
    for (std::size_t offset = 0; offset < tsw::kImageSize; ++offset)
        check(channelData(offset) || image.byte(offset) == original.byte(offset));

    const std::string exported = tsw::exportChannelsCsv(image);
    tsw::RadioImage again = image;
    check(tsw::importChannelsCsv(exported, again, narrow).imported());
    check(again == image);
    return 0;
}
