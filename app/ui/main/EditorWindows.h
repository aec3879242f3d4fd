#pragma once
// The windows behind the menu commands, in one list (EditorWindows.cpp).

namespace tsw::ui {

// Registers every editor window and every command handler with the main frame's command table
// (app/ui/EditorRegistry.h). The program calls it once before start-up; calling it again puts
// back what a test replaced.
void registerEditorWindows();

} // namespace tsw::ui
