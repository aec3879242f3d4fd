#pragma once
// Looks up a language text by its id. Everything that shows a text takes one, so that tests
// and the command-line tool can pass their own; the program's lookup, and every default, is
// tr: the global language table.

#include <functional>
#include <string>

#include "app/StringIds.h"

namespace tsw {

using TextLookup = std::function<std::string(StringId)>;

// Looks the text up in the global language table (empty for an id that is not loaded).
std::string tr(StringId id);

// Knows no text: for a codec's words where only its digits are wanted.
inline std::string noText(StringId) {
    return {};
}

} // namespace tsw
