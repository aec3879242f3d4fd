#pragma once
// The pieces every window of the program builds the same way: its buttons, the row they
// stand in, and the set-up of a dialog that handles F1 itself.

#include <initializer_list>

#include "app/StringIds.h"

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tsw::ui {

// A button with the language text `text` and control id `id`. It never becomes the default
// button by taking the focus: Enter belongs to whatever control has it.
QPushButton* makeButton(QWidget* parent, int id, StringId text);

// A row of widgets at the right-hand end (after a stretch), in the order given.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> widgets);

// A dialog that opens its own help: the program's key conventions (F1) are installed, the
// dialog's topic is `helpContext`, and the title bar shows no "?" button.
void setUpDialog(QDialog* dialog, int helpContext);

} // namespace tsw::ui
