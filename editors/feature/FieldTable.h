#pragma once
// The declarative row tables behind the radio-wide settings forms, and the small interface
// that every such form model offers to its view (and to the printing code).
//
// A row binds one field to its controls: a label, a value control, maybe a spin button, the
// label's string id, the kind of control and the image bytes it holds. A view lays the rows
// out from the table alone; every rule about what a row shows or stores lives in the form.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/CharacterFilter.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"
#include "app/UserPrompt.h"

namespace tsw::feature {

enum class FieldKind : std::uint8_t {
    Hidden = 0, // not shown; the form keeps its bytes unchanged
    Text = 1,   // edit box
    Number = 2, // edit box with a spin button
    List = 3,   // drop-down list
    Check = 4,  // check box (label and value are the same control)
    Grid = 6,   // table of cells
    Group = 7,  // group box around the rows below it
};

inline constexpr std::size_t kNoBytes = static_cast<std::size_t>(-1);

struct FieldRow {
    int index = -1;  // the row's own index in its table (checked by rowsAtTheirIndex)
    int labelId = 0; // control ids: they double as help context numbers
    int valueId = 0; // 0 = none
    int spinId = 0;  // 0 = none
    StringId label = 0;
    FieldKind kind = FieldKind::Hidden;
    std::size_t offset = kNoBytes; // first image byte held by the row
    std::size_t size = 0;          // bytes held (0 = none)
    std::uint8_t editMode = 0;     // character filter of the edit box
    std::uint8_t textLimit = 0;    // characters the edit box accepts (0 = no box)
    bool fixedPitch = false;       // the edit box uses the fixed-pitch font
    std::uint8_t tab = 0;          // page of a tabbed form
};

// One entry of a drop-down list: its text and the code it stores.
struct ListEntry {
    StringId text = 0;
    std::uint8_t code = 0;
};

// Index of the entry whose code equals `code`, or -1 (no selection).
int listIndexOf(std::span<const ListEntry> entries, int code);

// ---- Compile-time checks of a table -------------------------------------------------------

// Every row names the index it sits at, so a row moved in the table without its enum (or the
// other way round) fails to compile.
constexpr bool rowsAtTheirIndex(std::span<const FieldRow> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].index != static_cast<int>(i))
            return false;
    return true;
}

constexpr bool fieldsInsideImage(std::span<const FieldRow> rows) {
    for (const FieldRow& r : rows)
        if (r.size != 0 && (r.offset == kNoBytes || r.offset + r.size > kImageSize))
            return false;
    return true;
}

// No two rows share a byte, except rows listed as meant to (pairs of row indices).
constexpr bool fieldsDisjoint(std::span<const FieldRow> rows,
                              std::span<const std::pair<int, int>> sharing = {}) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const FieldRow& a = rows[i];
            const FieldRow& b = rows[j];
            if (a.size == 0 || b.size == 0)
                continue;
            const bool overlap = a.offset < b.offset + b.size && b.offset < a.offset + a.size;
            bool allowed = false;
            for (const auto& [x, y] : sharing)
                allowed = allowed ||
                          (static_cast<std::size_t>(x) == i && static_cast<std::size_t>(y) == j);
            if (overlap && !allowed)
                return false;
        }
    return true;
}

// The bytes [first, end) hold every byte of every row, and each of them belongs to a row.
constexpr bool fieldsCover(std::span<const FieldRow> rows, std::size_t first, std::size_t end) {
    for (std::size_t at = first; at < end; ++at) {
        bool held = false;
        for (const FieldRow& r : rows)
            held = held || (r.size != 0 && r.offset <= at && at < r.offset + r.size);
        if (!held)
            return false;
    }
    return true;
}

// ---- What a form tells its view after a commit -------------------------------------------

inline constexpr std::size_t kMaxFormRows = 32; // rows a Commit can name

struct Commit {
    std::uint32_t refresh = 0; // bit r set: row r shows anew (text, selection or tick)
    StringId message = 0;      // an error to show first (0 = none)
    bool keepFocus = false;    // the committed box takes the focus back
    bool focusClose = false;   // the focus moves on to the Close button

    Commit& show(int row) {
        if (row < 0 || row >= static_cast<int>(kMaxFormRows))
            return *this;
        refresh |= 1u << row;
        return *this;
    }
    bool shows(int row) const {
        return row >= 0 && row < static_cast<int>(kMaxFormRows) && ((refresh >> row) & 1u);
    }
};

// A form built on a row table. Rows are addressed by their index in rows().
class FieldForm {
public:
    virtual ~FieldForm() = default;

    virtual std::span<const FieldRow> rows() const = 0;

    // Edit boxes: the text to show; nullopt leaves whatever the box holds.
    virtual std::optional<std::string> text(int row) const = 0;
    // Lists: the entries, and the index of the one selected (-1 = none).
    virtual std::span<const ListEntry> listEntries(int /*row*/) const { return {}; }
    virtual int listIndex(int /*row*/) const { return -1; }
    // Check boxes.
    virtual bool checked(int /*row*/) const { return false; }
    // Whether the row's value control (and spin button) accepts input.
    virtual bool enabled(int /*row*/) const { return true; }

    // An edit box lost the focus holding `typed`.
    virtual Commit commitText(int row, std::string_view typed) = 0;
    // A spin button was clicked (direction +1 up, -1 down) while the box held `typed`.
    virtual Commit step(int row, int direction, std::string_view typed) = 0;
    virtual Commit commitList(int /*row*/, int /*index*/) { return {}; }
    virtual Commit commitCheck(int /*row*/, bool /*on*/) { return {}; }
};

// What row `row` of a form shows, as one text: a check box's On or Off word, the selected
// list entry (empty without a selection), an edit box's text (empty where the form leaves the
// box as it is). Mnemonic marks are dropped, as in the window. The command-line listing,
// printing and the field catalogue all show rows with it.
std::string rowText(const FieldForm& form, int row, const TextLookup& text);

// ---- Small rules shared by the forms ------------------------------------------------------

// Reads a typed text as a non-negative decimal number (no digits read as 0; no overflow).
int readNumber(std::string_view text);
// One spin click within [min, max] with wrap. A value outside the range (a byte from another
// program or a damaged file) enters it as if it stood at the far end: up gives min, down max.
int stepWrapped(int value, int min, int max, int step, int direction);
// The text of a byte field that holds characters up to its first 0xFF (or 0x00).
std::string readCharacters(const RadioImage& image, std::size_t offset, std::size_t length);
// Writes up to `length` characters and fills the rest of the field with 0xFF.
void writeCharacters(RadioImage& image, std::size_t offset, std::size_t length,
                     std::string_view text);

} // namespace tsw::feature
