#include "app/ui/EditorRegistry.h"

#include <map>

namespace tsw::ui {
namespace {

// Function-local statics: filled once at start-up (app/ui/main/EditorWindows.cpp).
std::map<int, EditorFactory>& editors() {
    static std::map<int, EditorFactory> m;
    return m;
}
std::map<int, CommandHandler>& handlers() {
    static std::map<int, CommandHandler> m;
    return m;
}

} // namespace

void registerEditor(int command, EditorFactory factory) {
    handlers().erase(command);
    editors()[command] = std::move(factory);
}

void registerCommand(int command, CommandHandler handler) {
    editors().erase(command);
    handlers()[command] = std::move(handler);
}

void unregisterCommand(int command) {
    editors().erase(command);
    handlers().erase(command);
}

const EditorFactory* findEditorFactory(int command) {
    auto it = editors().find(command);
    return it == editors().end() ? nullptr : &it->second;
}

const CommandHandler* findCommandHandler(int command) {
    auto it = handlers().find(command);
    return it == handlers().end() ? nullptr : &it->second;
}

} // namespace tsw::ui
