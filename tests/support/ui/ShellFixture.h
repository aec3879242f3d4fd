#pragma once
// Set-up shared by the desktop shell's widget tests: the program's language files, fresh
// globals, and small editors that stand in for the real ones.

#include <QString>

#include "app/ui/EditorForm.h"

namespace tsw::test {

// Loads the language file of `code` from the build's program directory; false on failure.
bool loadTestLanguage(int code);
// The globals as a fresh start leaves them: default identity and image (saved), the default
// file name, port 1, `dataDirectory` (with a trailing separator), flags cleared.
void resetGlobals(const QString& dataDirectory);

// An editor that stands in for a real one in main-frame tests.
class StandInEditor : public ui::EditorForm {
public:
    explicit StandInEditor(int helpContext, const QString& title);
};

// Registers stand-in editors for the commands of the Edit menu, command 1 and the two editors
// without a menu entry.
void registerStandInEditors();

} // namespace tsw::test
