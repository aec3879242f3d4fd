#pragma once
// Reads the desktop program's settings file (an INI file: "[Section]" lines and "key=value"
// lines) into a settings store, so the tool sees the same "Ports" mapping as the program.

#include <string>
#include <string_view>

#include "app/Settings.h"

namespace tsw::cli {

// $XDG_CONFIG_HOME/TALVERN/TSW62M.ini, else ~/.config/TALVERN/TSW62M.ini; empty when neither
// variable is set.
std::string settingsFilePath();

// Values of `text` into `store`; lines that are neither are ignored. Double-quoted values lose
// their quotes.
void parseIni(std::string_view text, SettingsStore& store);

} // namespace tsw::cli
