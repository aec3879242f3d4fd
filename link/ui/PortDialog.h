#pragma once
// Communication Port (dialog 140): COM1..COM20 as radio buttons (ids 1133..1148 and
// 1344..1347 in port order, in group box 1132), each with the device it maps to beside it.
// Opening the dialog tries every port: one that cannot be opened, or that is no serial line,
// is disabled; the port in use is checked when it is usable. OK takes the first checked port.

#include <QDialog>
#include <array>

#include "link/SerialLink.h"

class QLabel;
class QRadioButton;

namespace tsw::ui {

inline constexpr int kPortDialogPorts = 20;

class PortDialog : public QDialog {
    Q_OBJECT
public:
    // Probes the ports through `link` (whose port number is the one in use, and is set back
    // after the probing).
    explicit PortDialog(SerialLink& link, QWidget* parent = nullptr);

    QRadioButton* portButton(int n) const { return buttons_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* deviceLabel(int n) const { return devices_.at(static_cast<std::size_t>(n - 1)); }
    // The first checked port, 1..20, or 0 when none is checked.
    int checkedPort() const;

    static int controlIdOf(int n);

private:
    void createControls();
    void probe(SerialLink& link);

    std::array<QRadioButton*, kPortDialogPorts> buttons_{};
    std::array<QLabel*, kPortDialogPorts> devices_{};
};

} // namespace tsw::ui
