#pragma once
// Qt's own texts in the language of the program's language file: the buttons of message boxes
// (Yes, No, Retry, Cancel), the file dialogs, key names in menus ("Strg+N"), the print dialogs
// and the help window's search page, from Qt's translation catalogues (qtbase_<language>.qm,
// qt_help_<language>.qm; Debian package qt6-translations-l10n). The system does this for a
// native program; a Qt program has to ask. The default locale follows too, so the dates in the
// file dialogs read as the user expects.

namespace tsw::ui {

// Switches Qt's texts and the default locale to language code 1..6 (Dutch, English, French,
// German, Italian, Spanish). False when Qt's catalogue of its widgets (qtbase) for the language
// is not installed; Qt's English texts stay then. Safe to call again on a language change.
bool applyQtLanguage(int languageCode);

} // namespace tsw::ui
