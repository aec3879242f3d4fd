#pragma once
// The messages of a fleet run, from the language texts, shared by the program and the
// command-line tool.

#include <string>

#include "app/TextLookup.h"
#include "fleet/FleetLog.h"
#include "fleet/FleetNumbering.h"

namespace tsw::fleet {

// Why a run cannot start with these values (empty for a good plan).
std::string planProblemText(const PlanCheck& check, const TextLookup& text);
// Why a log cannot be continued, naming the file and, when damaged, the line.
std::string logOpenText(LogOpen open, const LogReading& reading, const std::string& path,
                        const TextLookup& text);

} // namespace tsw::fleet
