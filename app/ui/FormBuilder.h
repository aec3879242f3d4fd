#pragma once
// Lays out an editor form from a declarative row table: one row per field, each with its
// label, value control and spin buttons, grouped into group boxes and form columns.
//
//   constexpr FormRow kRows[] = {
//       // label id, value id, spin id, label string, kind, group (label id), column
//       {1017, 0, 0, StrId::VoxGroup, RowKind::Group},
//       {1020, 1021, 1022, StrId::VoxGain, RowKind::Number, 1017},
//       {1231, 1267, 0, StrId::VoxDelay, RowKind::List, 1017},
//       {1268, 1268, 0, StrId::CancelledByPtt, RowKind::Check, 1017},
//   };
//   std::vector<BuiltRow> built = buildFormRows(body(), kRows);
//   built[1].edit->setMaxLength(2);   // the rest of each field's set-up is the view's
//
// What each kind creates (every control is tagged with its id, see setControlId):
//   Hidden (0)  nothing: the view handles the field itself
//   Number (2)  a label, a FilterEdit (mode 2, digits) as value, SpinButtons when spin id != 0
//               (their buddy is the box: Up and Down in it are clicks on them)
//   List   (3)  a label and a non-editable QComboBox
//   Check  (4)  a QCheckBox carrying the label text (tagged with the value id, else the label id)
//   Group  (7)  a QGroupBox titled with the label text; rows naming it as group go inside
// A row whose value id is 0 gets only its label. Rows go in table order into their column
// (column 0, 1, ... side by side); a group's rows go into the group's box.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <span>
#include <vector>

#include "app/StringIds.h"
#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"

namespace tsw::ui {

enum class RowKind : int { Hidden = 0, Number = 2, List = 3, Check = 4, Group = 7 };

struct FormRow {
    int labelId = 0;        // the label; the check box (Check); the group box (Group)
    int valueId = 0;        // the edit box (Number) or drop-down list (List); 0 = none
    int spinId = 0;         // the spin buttons beside the edit box; 0 = none
    StringId labelText = 0; // language string of the label, check box or group title
    RowKind kind = RowKind::Hidden;
    int groupId = 0; // label id of the Group row this row sits in; 0 = none
    int column = 0;  // form column for rows outside groups (and for groups)
};

// What one row created; null where the row has no such control.
struct BuiltRow {
    QLabel* label = nullptr;
    QWidget* value = nullptr; // the FilterEdit, QComboBox or QCheckBox
    FilterEdit* edit = nullptr;
    QComboBox* list = nullptr;
    QCheckBox* check = nullptr;
    SpinButtons* spin = nullptr;
    QGroupBox* group = nullptr;
};

// Creates the rows' controls inside `container` (which must not have a layout yet) and returns
// them, one BuiltRow per table row in table order.
std::vector<BuiltRow> buildFormRows(QWidget* container, std::span<const FormRow> rows);

// The same for a table of richer rows: `toFormRow` picks each row's FormRow.
template <class Row, class Projection>
std::vector<BuiltRow> buildFormRows(QWidget* container, std::span<const Row> rows,
                                    Projection toFormRow) {
    std::vector<FormRow> formRows;
    formRows.reserve(rows.size());
    for (const Row& r : rows)
        formRows.push_back(toFormRow(r));
    return buildFormRows(container, std::span<const FormRow>(formRows));
}

} // namespace tsw::ui
