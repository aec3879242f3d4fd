#pragma once
// Where an editor window opens in the main window's workspace (the rule is app/WindowPlace.h),
// and its size and place kept for the next time in the settings: section "EditorWindows", one
// value per editor named by the command that opens it, "x,y,width,height" in the workspace
// ("32780=24,24,640,480"). A value that cannot be read is ignored; one that no longer fits
// the workspace is moved and shrunk into it.

#include <string_view>

class QMdiArea;

namespace tsw {
class SettingsStore;
}

namespace tsw::ui {

class EditorFrame;

inline constexpr std::string_view kEditorWindowsSection = "EditorWindows";

// Gives `frame`, just added to `area` and not yet shown, its opening size and place. Nothing
// happens while the workspace itself is not shown (it has no size yet).
void placeNewEditor(QMdiArea& area, EditorFrame& frame, const SettingsStore& store);
// Keeps the size and place of `frame` (not while it is maximized or minimized).
void rememberEditorPlace(SettingsStore& store, const EditorFrame& frame);

} // namespace tsw::ui
