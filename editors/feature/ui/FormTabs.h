#pragma once
// The tab keys of the tabbed feature forms.

class QTabWidget;
class QWidget;

namespace tsw::ui {

// Ctrl+Tab selects the next tab and Ctrl+Shift+Tab the previous one, both wrapping around,
// wherever the focus is inside `form`.
void installTabKeys(QWidget* form, QTabWidget* tabs);

} // namespace tsw::ui
