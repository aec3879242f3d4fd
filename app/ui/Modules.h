#pragma once
// Parts of the program that need large libraries at run time (Qt Multimedia for the call tones,
// Qt Help for the help window) are built as modules beside the program and loaded when first
// used, so that start-up neither loads nor links those libraries.

#include <QString>
#include <QtGlobal>

namespace tsw::ui {

// The entry point `entry` of the module file `file` in `directory`, loading the module if it is
// not loaded yet (it then stays loaded); null when the module or its entry is missing.
QFunctionPointer moduleEntry(const QString& directory, const char* file, const char* entry);

} // namespace tsw::ui
