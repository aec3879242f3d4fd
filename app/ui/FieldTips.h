#pragma once
// Tooltips on the fields of an editor, from the field catalogue (fields/FieldHint.h): each
// control that shows a field carries the field's label and the values it takes; a grid shows
// those of the cell under the pointer.

class QWidget;

namespace tsw::ui {

// For the editor opened by `command`, showing its fields in `form`: built when the first tip
// in the form is asked for.
void addFieldTips(QWidget* form, int command);
// The same at once.
void buildFieldTips(QWidget* form, int command);

} // namespace tsw::ui
