#pragma once
// Where a new editor window opens in the workspace, and how its last place is kept.
//
// A window that was open before opens again at its remembered size and place, moved and
// shrunk into the workspace when that got smaller. Otherwise (or when the remembered place
// would now cover the Close and Help buttons of a window already open) it cascades from the
// window opened last: one title bar lower and to the right, then another, until it covers no
// open window's buttons. Where no such place exists, it opens beside or below an open window
// (the last one first), or in the workspace's top left corner; on a workspace too small for any
// of these it takes the first cascade place (covering is then unavoidable). A window is never
// larger than the workspace: its form scrolls instead.
//
// Places are kept as "x,y,width,height" in workspace coordinates.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsw::place {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool intersects(const Rect& other) const;
    bool contains(const Rect& other) const;
    bool operator==(const Rect&) const = default;
};

// "x,y,width,height": four decimal integers (optional sign) and nothing else, width and height
// at least 1 and no coordinate beyond +-1000000; none for anything else.
std::optional<Rect> parseRect(std::string_view text);
std::string formatRect(const Rect& r);

// `r` moved (and, where it is larger, shrunk) as little as possible to lie inside `area`.
Rect keepInside(Rect r, const Rect& area);

struct NewWindow {
    Rect area{};   // the workspace
    int width = 0; // the window's own size
    int height = 0;
    std::optional<Rect> remembered{}; // where it was when last closed
    std::vector<Rect> open{};         // the windows open, the one opened last at the end
    std::vector<Rect> keepClear{};    // the buttons of the windows open
    int cascadeStep = 24;             // about a title bar
};

Rect placeNewWindow(const NewWindow& window);

} // namespace tsw::place
