#pragma once
// What a printed page holds, independent of any printer: texts, rules and check boxes placed
// in the units of the section font. x counts average character widths (w) from the left
// margin, line counts line heights (h) from the top margin (or up from the bottom edge of the
// printable area). The painter turns these units into device coordinates.
//
// On A4 or Letter paper with 15 mm margins a portrait page is about 80 w wide and 57 h high,
// a landscape page about 120 w wide and 39 h high; the layouts keep within 80 w (portrait)
// and 120 w (landscape). A text that would still run past the right margin (a long file name)
// is shortened with an ellipsis.

#include <string>
#include <vector>

namespace tsw::print {

enum class FontRole : unsigned char {
    Title,   // the page title: "Times New Roman", bold, a little larger
    Section, // section pages: "Times New Roman"
    Fixed,   // texts the editors show in the fixed-pitch font
};

enum class ItemKind : unsigned char {
    Text,
    Rule,     // a horizontal line across the printable width at `line`
    CheckBox, // a check box of one line's height, ticked when `checked`
};

enum class Align : unsigned char {
    Left,       // starts at x
    Centre,     // centred on x
    Right,      // ends at x
    PageCentre, // centred on the printable width (x unused)
    PageRight,  // ends x widths before the right margin
};

struct PrintItem {
    ItemKind kind = ItemKind::Text;
    double x = 0;    // in average character widths of the section font
    double line = 0; // in lines; from the top margin, or from the bottom when fromBottom
    std::string text;
    FontRole font = FontRole::Section;
    Align align = Align::Left;
    bool fromBottom = false;
    bool checked = false; // CheckBox only
    bool dimmed = false;  // the editor shows the field disabled
    double width = 0;     // Text aligned left: shortened with an ellipsis to this many widths
                          // (a table's column); 0: up to the right margin

    bool operator==(const PrintItem&) const = default;
};

using PrintItems = std::vector<PrintItem>;

// The room a section's body has below the header and above the page number, in lines, and
// the width its texts may start within, in widths (A4 and Letter, 15 mm margins).
inline constexpr double kPortraitBodyLines = 41;
inline constexpr double kLandscapeBodyLines = 25;
inline constexpr double kPortraitWidth = 80;
inline constexpr double kLandscapeWidth = 120;

inline PrintItem textItem(double x, double line, std::string text, Align align = Align::Left,
                          FontRole font = FontRole::Section) {
    PrintItem item;
    item.x = x;
    item.line = line;
    item.text = std::move(text);
    item.align = align;
    item.font = font;
    return item;
}

inline PrintItem ruleItem(double line) {
    PrintItem item;
    item.kind = ItemKind::Rule;
    item.line = line;
    return item;
}

inline PrintItem checkBoxItem(double x, double line, bool checked) {
    PrintItem item;
    item.kind = ItemKind::CheckBox;
    item.x = x;
    item.line = line;
    item.checked = checked;
    return item;
}

// Moves every item `lines` down (a body laid out from line 0 placed below the header).
inline void shiftDown(PrintItems& items, double lines) {
    for (PrintItem& item : items)
        if (!item.fromBottom)
            item.line += lines;
}

} // namespace tsw::print
