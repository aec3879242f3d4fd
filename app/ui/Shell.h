#pragma once
// What windows of every part may ask of the main window. MainWindow implements it; without a
// main window (a widget test of one editor) shell() answers with a stand-in that does nothing
// and asks questions with message boxes.

#include <QString>

#include "app/UserPrompt.h"

class QWidget;

namespace tsw::ui {

class EditorForm;

class Shell {
public:
    virtual ~Shell() = default;

    // The parent for dialogs and message boxes (may be null).
    virtual QWidget* window() = 0;
    // Questions and error messages (message boxes in the program, scripts in tests).
    virtual UserPrompt& prompt() = 0;

    // Runs a menu command once the current event is done (the command table's ids,
    // app/CommandIds.h).
    virtual void postCommand(int command) = 0;
    // Runs a menu command now.
    virtual void runCommand(int command) = 0;

    // Opens the editor registered for `command`, or activates it when it is open already.
    virtual EditorForm* openEditor(int command) = 0;
    // The open editor of `command`, or null.
    virtual EditorForm* openEditorOf(int command) = 0;
    // Close All: every editor window and the tree window.
    virtual void closeAllEditors() = 0;

    // Redraws what depends on the image's identity, the port and the language.
    virtual void refreshModelDisplay() = 0;
    virtual void refreshPortPane() = 0;
    virtual void refreshMenus() = 0;

    // A short notice in the status bar (why a command did nothing, what Undo took back).
    virtual void showStatusMessage(const QString& text) { (void)text; }

    // Editor frames report their creation and destruction (the open-editor count).
    virtual void editorFrameCreated() = 0;
    virtual void editorFrameDestroyed() = 0;
};

void setShell(Shell* shell); // null restores the stand-in
Shell& shell();

} // namespace tsw::ui
