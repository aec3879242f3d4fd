#pragma once
// Takes the user to a field: opens the window that owns it (the catalogue's place says which:
// the command, the tab, the grid cell or the control) and puts the focus on the field. Used by
// the Check Configuration window and the write check.
//
//   channel table cells     the channel table, current cell (channel row, column)
//   transmit, encode        the channel edit window on that channel, the field's list
//   form rows               the editor, its tab, the row's control
//   table cells             the editor or dialog, current cell of its grid
//   dialogs (QT/DQT table)  the dialog, whose cell is set once it runs

#include "fields/FieldCatalogue.h"

class QWidget;

namespace tsw::ui {

class Shell;

// Opens the window of `place` with the field focused. A field without window of its own (bytes
// no editor shows) opens nothing.
void showField(Shell& shell, const fields::FieldPlace& place);

// Within an open window: selects the tab, the grid cell or the control of `place` and gives it
// the focus. False when nothing of the place is found there.
bool focusFieldIn(QWidget* window, const fields::FieldPlace& place);

} // namespace tsw::ui
