#pragma once
// Finds texts that a window cuts off: labels, buttons, check boxes, group box titles, drop-down
// entries, edit box contents, tab captions, table headers and cells, tree entries and the
// title bars of MDI children, each measured with the font the control draws it in. A cell of
// a table that wraps words fits when its lines fit the cell's height.

#include <QString>
#include <QStringList>

class QWidget;

namespace tsw::test {

// One line per text of `root` (visible controls only) that does not fit its control:
// "QLabel 'Squelch Level': needs 96 px, has 80".
QStringList cutTexts(const QWidget* root);

// A readable name of a widget for failure messages ("OptionalFeaturesView/QComboBox#1239").
QString describe(const QWidget* w);

} // namespace tsw::test
