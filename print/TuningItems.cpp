#include "print/TuningItems.h"

#include <cstdint>

#include "link/Tuning.h"

namespace tsw::print {

std::vector<NamedTuningValue> knownTuningValues() {
    struct Item {
        StringId name;
        std::uint8_t code;
    };
    constexpr Item kItems[] = {{StrId::TuningBatteryIndicatorLevel, kBatteryLevelItem},
                               {StrId::TuningVox1, kVox1Item},
                               {StrId::TuningVox10, kVox10Item}};
    std::vector<NamedTuningValue> named;
    for (const Item& item : kItems)
        if (const auto index = initialTuningIndex(item.code))
            named.push_back({item.name, *index});
    return named;
}

} // namespace tsw::print
