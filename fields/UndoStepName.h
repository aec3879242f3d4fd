#pragma once
// The name of an undo step in the editors' words: the language text the step was given, else
// the field it changed as the compare texts name it ("Channel 3 / RX Frequency [MHz]"). When a
// step changed several fields the first in the compare order names it, unless the step says
// which bytes the user edited (a QT/DQT table entry that also went into the channels using it):
// then the field of those bytes names it.

#include <string>

#include "app/TextLookup.h"
#include "app/UndoHistory.h"

namespace tsw::fields {

std::string undoStepName(const StepLabel& label, const EditState& before, const EditState& after,
                         const TextLookup& text = tr);

} // namespace tsw::fields
