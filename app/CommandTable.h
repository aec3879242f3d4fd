#pragma once
// The main window's menus: every top-level menu with its title and fixed items (command, text,
// shortcut), the help contexts of commands, and the open-editor count that decides when the
// Window menu is shown. The Edit and Program menus are filled from the model table's lists.

#include <span>
#include <string_view>

#include "app/StringIds.h"

namespace tsw {

// One item of a menu: a command with its text and shortcut, or a separator (command 0).
struct CommandItem {
    int command = 0;
    StringId text = 0;
    std::string_view shortcut; // portable key text ("Ctrl+N"); empty for none
    constexpr bool isSeparator() const { return command == 0; }
};

enum class MenuId { File, Model, Edit, Program, Tools, Setup, View, Window, Help };

struct MenuDef {
    MenuId id;
    StringId title;
    std::span<const CommandItem> items; // empty for Edit and Program (built from the model table)
};

// The top-level menus in menu-bar order. The Window menu is present only while an editor is open.
std::span<const MenuDef> mainMenus();
const MenuDef& menuDef(MenuId id);

// The shortcut of a command from the tables above (Read, Write, Test Mode and Memory Map
// included), or empty.
std::string_view commandShortcut(int command);

// The help context of a command: its own id, except for the commands that share another topic.
int commandHelpContext(int command);

// Commands that change the configuration as a whole run as one undo step with a name of their
// own. Those that replace it (Open, New, Read from Radio, the channel list import) first ask
// whether unsaved changes are to be saved, as closing the program does.
struct CommandUndoStep {
    int command = 0;
    StringId name = 0;
    bool asksToSave = false;
};
const CommandUndoStep* commandUndoStep(int command); // null: the command is no such step

// The Edit menu's own items around the model table's list: Undo, Redo and Clear Undo History
// above it, the channel commands below it (each list ends with a separator after or before).
std::span<const CommandItem> editMenuHead();
std::span<const CommandItem> editMenuTail();

// Help contexts of windows without a command of their own.
namespace helpctx {
inline constexpr int ModelInformation = 130;
inline constexpr int LanguageFileSetup = 186;
inline constexpr int TreeWindow = 194;
inline constexpr int WriteCheck = 32853; // the findings shown before Write to Radio
} // namespace helpctx

// The main frame's count of open editor windows, 0..8. A change is applied while the count
// stands at 0..8 (so it can reach 9); a count found below 0 is set to 0 and one above 8 is set
// to 8, and the change is then ignored.
class OpenEditorCount {
public:
    // Both return true when the menu must be refreshed: the count reached 0, or reached 1 by
    // an addition (the Window menu comes with the first editor and goes with the last).
    bool add() { return change(+1); }
    bool remove() { return change(-1); }
    int value() const { return count_; }
    void set(int value) { count_ = value; } // tests

private:
    bool change(int delta);
    int count_ = 0;
};

} // namespace tsw
