#pragma once
// The tuning values the print-out names: which of the 62 bytes of the tuning data belongs to
// which tuning item, where the program knows it.

#include <cstddef>
#include <vector>

#include "app/StringIds.h"

namespace tsw::print {

// A tuning value whose item is known: the item's name and the value's index in the block.
struct NamedTuningValue {
    StringId name = 0;
    std::size_t index = 0;
};

// The items with a single adjustment dialog (Battery Indicator Level, VOX1, VOX10), each at
// the tuning value its dialog starts from.
std::vector<NamedTuningValue> knownTuningValues();

} // namespace tsw::print
