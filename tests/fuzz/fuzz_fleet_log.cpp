// Bytes from outside as a fleet log: the reader either refuses them naming a line within the
// text, or reads rows that it writes back to exactly the rows it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fleet/FleetLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tsw::fleet::LogReading r = tsw::fleet::parseLog(text);
    if (!r.summary) {
        if (r.line < 1 || r.damage == tsw::fleet::LogDamage::None)
            std::abort();
        return 0;
    }
    std::string again = text.empty() ? "" : std::string(tsw::fleet::kLogHeader) + "\n";
    int ok = 0;
    for (const auto& row : r.summary->rows) {
        again += tsw::fleet::formatRow(row) + "\n";
        ok += row.ok ? 1 : 0;
    }
    if (ok != r.summary->okCount)
        std::abort();
    const tsw::fleet::LogReading back = tsw::fleet::parseLog(again);
    if (!back.summary || back.summary->rows.size() != r.summary->rows.size())
        std::abort();
    for (std::size_t i = 0; i < back.summary->rows.size(); ++i)
        if (tsw::fleet::formatRow(back.summary->rows[i]) !=
            tsw::fleet::formatRow(r.summary->rows[i]))
            std::abort();
    return 0;
}
