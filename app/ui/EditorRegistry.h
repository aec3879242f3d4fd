#pragma once
// Which window or action each menu command opens. The program fills it once at start-up from
// one list, app/ui/main/EditorWindows.cpp (read it to see what each command opens); the main
// frame looks the command up when it is chosen.
//
// An editor is an EditorForm shown in an MDI child (at most one per command, counted, closed
// by Close All). A command handler is anything else (a modal dialog, a transfer).

#include <functional>

namespace tsw::ui {

class EditorForm;
class Shell;

using EditorFactory = std::function<EditorForm*()>;
using CommandHandler = std::function<void(Shell&)>;

// A later registration for the same command replaces the earlier one (tests use this).
void registerEditor(int command, EditorFactory factory);
void registerCommand(int command, CommandHandler handler);
void unregisterCommand(int command); // removes editor and handler registrations

const EditorFactory* findEditorFactory(int command);
const CommandHandler* findCommandHandler(int command);

} // namespace tsw::ui
