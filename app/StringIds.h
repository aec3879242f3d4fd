#pragma once
// Named constants for every string id the program shows, and the list of them that the
// language file loader requires. The ids themselves live in StringIds.def.

#include <array>
#include <cstdint>

namespace tsw {

using StringId = std::int32_t;

namespace StrId {
#define TSW_STRING(name, id) inline constexpr StringId name = id;
#include "app/StringIds.def"
#undef TSW_STRING
} // namespace StrId

inline constexpr auto kRequiredStringIds = std::to_array<StringId>({
#define TSW_STRING(name, id) id,
#include "app/StringIds.def"
#undef TSW_STRING
});

} // namespace tsw

namespace tsw::detail {
constexpr bool stringIdsAscending() {
    for (std::size_t i = 1; i < kRequiredStringIds.size(); ++i)
        if (kRequiredStringIds[i - 1] >= kRequiredStringIds[i])
            return false;
    return true;
}
static_assert(stringIdsAscending(), "StringIds.def must list each id once, in ascending order");
} // namespace tsw::detail
