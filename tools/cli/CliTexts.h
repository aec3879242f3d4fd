#pragma once
// The tool's own usage texts (built in, English) and its way to the language texts: a text
// the loaded language file lacks shows as "[string <id>]", so nothing is ever silently blank.

#include <string>
#include <string_view>

#include "app/StringIds.h"
#include "tools/cli/CliArgs.h"

namespace tsw::cli {

std::string_view usageText();
std::string_view verbHelpText(Verb verb);

// Loads the language file of `languageCode` from `programDirectory` into the global table.
// False when it is missing or damaged (the tool goes on with string numbers).
bool loadLanguageFile(const std::string& programDirectory, int languageCode);

// A message text of the loaded language.
std::string text(StringId id);
// A label: the text without its '&' mnemonic marks.
std::string label(StringId id);

} // namespace tsw::cli
