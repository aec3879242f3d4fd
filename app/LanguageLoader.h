#pragma once
// The start-up and Language File Setup wrapper around LanguageTable::load: it loads every
// required id for a language code and says which literal message a failure shows (caption
// LanguageTable::kWrapperCaption, stop icon, then the program ends with exit code 1).

#include <optional>
#include <string_view>

#include "app/LanguageTable.h"

namespace tsw {

// Loads kRequiredStringIds for the code from the table's directory; the load's result.
int loadLanguage(LanguageTable& table, int languageCode);

// The message for a load result: none for 0, kCannotReadMessage for 1, kDamagedMessage for 2
// (and for any other failure).
std::optional<std::string_view> languageLoadMessage(int loadResult);

// The exit code after a failed load.
inline constexpr int kLanguageFailureExitCode = 1;

} // namespace tsw
