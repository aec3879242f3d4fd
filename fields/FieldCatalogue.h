#pragma once
// The field catalogue: one entry for every field of the radio image that a window shows, so
// that everything speaking about fields (diff, show, printing, compare, undo texts, tooltips,
// the configuration check) names and shows them the one way the editors do.
//
// An entry (Field) knows
//   bytes   offset, size, and for a bit field the mask within its one byte;
//   name    in the editors' words, in the user's language: name(tr) gives
//           "Channel 3 / RX Frequency [MHz]", "Scan Information / Priority", "DTMF / ID Code";
//   text    text(image, tr) is what the owning editor shows for the image, computed by that
//           editor's own form code (never a rendering of our own); kind tells a value from a
//           free text (message line, DTMF code) and from raw bytes shown in hex; hidden marks
//           what an editor keeps but no window shows (PTT ID rows, test frequencies 9..16);
//   place   the command that opens the owning editor and the tab, row, column and control
//           there, so a window can be opened with the field focused;
//   range   where the editor has one: min, max and step of the shown value, its decimals and
//           unit ("1000-4999", "0.50-5.00 s in steps of 0.05 s").
//
// Use it like this:
//
//   for (const fields::Field& f : fields::fieldCatalogue()) {   // built on demand, cheap
//       if (f.text(a, tr) != f.text(b, tr))
//           report(f.name(tr), fields::displayText(f, f.text(a, tr), tr));
//   }
//   const auto all = fields::fieldCatalogue();
//   const fields::Field* f = fields::findField(all, 0x161);        // the field holding a byte
//
// Order: channels 1..16 (receive, transmit, decode, encode, table number, compander, scan
// add, beat shift), Optional Features, Key Assignment, Scan, DTMF, CrewLink and its fleet/ID
// table, test frequencies 1..16, the QT/DQT table, the embedded message, the model identity.
// Bytes no entry holds (bitmap A, the steps, areas no editor maps) are not fields: a caller
// that must account for every byte lists those by offset.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"

namespace tsw::fields {

enum class TextKind : std::uint8_t {
    Value,    // a number, list entry, tick word, frequency or tone; "" when the editor shows none
    FreeText, // characters as the image holds them (message lines, DTMF codes, model code)
    Raw,      // bytes an editor keeps but shows in no box: two hex digits a byte, as the memory
              // map shows them
};

enum class Unit : std::uint8_t { None, Seconds, Milliseconds, MegaHertz, DigitsPerSecond };

// The values an editor accepts, in units of 10^-decimals of the field's unit: look-back time
// is {50, 500, 5, 2} (0.50 to 5.00 s in steps of 0.05 s).
struct FieldRange {
    int min = 0;
    int max = 0;
    int step = 1;
    int decimals = 0;
    bool wordAtZero = false; // 0 is allowed too and shows a word (Off, None, All), not a number
};

// Where the field sits in its editor.
struct FieldPlace {
    int command = 0; // the main window command that opens the editor (cmd::ScanInformation ...)
    int tab = 0;     // the page of a tabbed editor
    int row = -1;    // a grid row (1-based, below the header) or the editor's form row index
    int column = -1; // the grid column of a cell; -1 for a field with a control of its own
    int control = 0; // the control that shows it (the grid for a cell), 0 where none has an id
};

// A name built from language texts: window [part] [number] [/ label].
struct FieldName {
    StringId window = 0; // a window title, or the word for one channel ("Channel")
    StringId part = 0;   // a part of the window ("Fleet/ID Table"), joined by " / "; 0 = none
    int number = 0;      // appended with a space ("Channel 3"); 0 = none
    StringId label = 0;  // the field's label, joined by " / "; 0 = none
};

// The text of field `item` (a channel, row, entry or line, as the entry says) for an image.
using ShowText = std::string (*)(const RadioImage& image, int item, const TextLookup& text);

struct Field {
    std::size_t offset = 0;
    std::size_t size = 1;
    std::uint8_t mask = 0xFF; // the bits of the field's byte (size 1); 0xFF for whole bytes
    FieldName naming;
    TextKind kind = TextKind::Value;
    bool hidden = false; // its editor keeps it but no window shows it (memory map aside)
    FieldPlace place;
    Unit unit = Unit::None;
    std::optional<FieldRange> range;
    ShowText show = nullptr;
    int item = 0;

    // "Channel 3 / RX Frequency [MHz]": language texts without their mnemonic marks.
    std::string name(const TextLookup& text) const;
    // The label alone ("RX Frequency [MHz]"); the name when the field has no label of its own.
    std::string label(const TextLookup& text) const;
    // What the owning editor shows for `image`.
    std::string text(const RadioImage& image, const TextLookup& text) const;
    // Whether the field holds any of the bits `bits` of image byte `at`.
    bool holds(std::size_t at, std::uint8_t bits = 0xFF) const;
};

// Every field, in the order above. Built anew on each call from constant tables (a few
// hundred entries, no language texts looked up until asked for).
std::vector<Field> fieldCatalogue();

// The first field holding any bit of image byte `at`, or nullptr. The pointer is into `fields`.
const Field* findField(const std::vector<Field>& fields, std::size_t at, std::uint8_t bits = 0xFF);

// A shown text as it reads outside its editor, so that two different texts never read alike:
// a free text in double quotes with '"' and '\' escaped and other bytes outside 0x20..0x7E as
// \xNN ("AB " stays visibly apart from "AB"); a value the editor shows empty as the empty
// marker (a language text in parentheses, never a value of any field); other values as they
// are.
std::string displayText(const Field& field, std::string_view shown, const TextLookup& text);

// Shown texts shared with other readers of the image (the printed page header).
std::string modelCodeText(const RadioImage& image); // printable characters up to the first other
std::string bandCodeText(const RadioImage& image);  // "%02X", empty for 0xFF

} // namespace tsw::fields
