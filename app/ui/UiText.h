#pragma once
// Language texts as QStrings: with their '&' mnemonics (menus, buttons, labels with a buddy)
// or without them (window titles, list entries, tree items).

#include <QString>
#include <string>
#include <string_view>

#include "app/StringIds.h"

namespace tsw::ui {

QString uiText(StringId id);         // as stored
QString plainText(StringId id);      // every '&' removed
QString fromStd(std::string_view s); // UTF-8
std::string toStd(const QString& s);

// Registers the pictures compiled into the UI library (icons, splash). Safe to call often.
void ensureResources();

// The program's window icon and other pictures of res/ (resource paths).
inline constexpr char kAppIcon[] = ":/icons/app.svg";       // icon 128
inline constexpr char kEditorIcon[] = ":/icons/editor.svg"; // icon 195 (tree items)

} // namespace tsw::ui
