#pragma once
// Dialogs that fit the screen. A dialog of the program whose controls cannot all be shown on
// its screen (a small screen, a large scale) gets its contents put into a scroll area as it is
// first shown, and opens no larger than the screen's free area; one that fits is left exactly
// as it is. Installed once for the whole program.

class QDialog;

namespace tsw::ui {

void installDialogFit();
// What the filter does to one dialog (tests): true when its contents now scroll.
bool fitDialogToScreen(QDialog* dialog);

} // namespace tsw::ui
