// Arbitrary text as the stored place of an editor window: a place that reads back formats to
// the same place, and whatever is stored, a window opens inside the workspace with a size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/WindowPlace.h"
#include "tests/fuzz/FuzzSupport.h"

using tsw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tsw::place;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto stored = parseRect(text);
    if (stored) {
        check(stored->width >= 1 && stored->height >= 1);
        check(parseRect(formatRect(*stored)) == stored);
    }
    const Rect area{0, 0, 800, 500};
    const Rect open{10, 10, 600, 400};
    NewWindow w{.area = area,
                .width = 900,
                .height = 300,
                .remembered = stored,
                .open = {open},
                .keepClear = {Rect{440, 380, 160, 24}}};
    const Rect r = placeNewWindow(w);
    check(area.contains(r) && !r.empty());
    return 0;
}
