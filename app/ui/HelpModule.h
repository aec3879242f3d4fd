#pragma once
// The help window lives in the help module (libtsw62m-help.so in the program directory), which
// links Qt Help and through it Qt SQL and Qt Network. The program loads the module with the
// first help request instead of at start-up.

#include <QString>
#include <memory>

#include "app/UserPrompt.h"
#include "app/ui/Help.h"

namespace tsw::ui {

// The module's file name, and its entry point: a new help service, owned by the caller.
inline constexpr char kHelpModuleFile[] = "libtsw62m-help.so";
inline constexpr char kHelpModuleEntry[] = "tsw62m_create_help_service";
using HelpServiceEntry = HelpService* (*)(UserPrompt* prompt, const HelpTextSource* texts);

// The program's help service: it keeps the book's path and loads the module from
// `moduleDirectory` on the first request. Without the module a request reports the module's
// file as missing (the message of a missing help book) and opens nothing.
std::unique_ptr<HelpService> makeHelpService(UserPrompt& prompt, const QString& moduleDirectory);

} // namespace tsw::ui
