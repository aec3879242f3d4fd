#pragma once
// Which window or action each menu command opens. Editors and dialogs of every part register
// here from their own .cpp file; the main frame looks the command up when it is chosen.
//
//   TSW_REGISTER_EDITOR(cmd::ScanInformation, [] { return new ScanView; });
//   TSW_REGISTER_COMMAND(cmd::ReadFromRadio, [](Shell& shell) { ... });
//
// An editor is an EditorForm shown in an MDI child (at most one per command, counted, closed
// by Close All). A command handler is anything else (a modal dialog, a transfer). The program
// links the UI library whole so that these registrations in otherwise unreferenced files run.

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

namespace detail {
struct Registrar {
    Registrar(int command, EditorFactory factory) { registerEditor(command, std::move(factory)); }
    Registrar(int command, CommandHandler handler) { registerCommand(command, std::move(handler)); }
};
} // namespace detail

} // namespace tsw::ui

#define TSW_REGISTRY_CONCAT2(a, b) a##b
#define TSW_REGISTRY_CONCAT(a, b) TSW_REGISTRY_CONCAT2(a, b)
#define TSW_REGISTER_EDITOR(command, factory)                                                      \
    static const ::tsw::ui::detail::Registrar TSW_REGISTRY_CONCAT(tswEditorRegistrar_, __LINE__)(  \
        command, ::tsw::ui::EditorFactory(factory))
#define TSW_REGISTER_COMMAND(command, handler)                                                     \
    static const ::tsw::ui::detail::Registrar TSW_REGISTRY_CONCAT(tswCommandRegistrar_, __LINE__)( \
        command, ::tsw::ui::CommandHandler(handler))
