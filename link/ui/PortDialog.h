#pragma once
// Communication Port (dialog 140): COM1..COM20 as radio buttons (ids 1133..1148 and
// 1344..1347 in port order, in group box 1132), each with the device it maps to beside it.
// Opening the dialog tries every port: one that cannot be opened, or that is no serial line,
// is disabled; the port in use is checked when it is usable. OK takes the first checked port.
//
// Below the ports: the device of the selected port (the checked one, else the port in use) as
// a path that can be typed or taken from the list of the serial devices present, each shown
// with what the system says it is. An empty field leaves the port to the automatic order (the
// n-th device present); a path ties the port to that device, as the settings' "Ports" section
// does, so a cable that came back under another ttyUSB number is found again without a
// restart. Rescan reads the devices present again and tries every port anew.

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "link/PortNames.h"
#include "link/SerialDeviceInfo.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace tsw::ui {

inline constexpr int kPortDialogPorts = 20;

class PortDialog : public QDialog {
    Q_OBJECT
public:
    // Whether a device path opens as a serial line.
    using Probe = std::function<bool(const std::string& path)>;

    // `portInUse` is the program's port number; `mapping` the "Ports" section's mappings.
    PortDialog(int portInUse, PortMapping mapping, const SerialDeviceCatalogue& catalogue,
               Probe probe, QWidget* parent = nullptr);

    QRadioButton* portButton(int n) const { return buttons_.at(static_cast<std::size_t>(n - 1)); }
    QLabel* deviceLabel(int n) const { return devices_.at(static_cast<std::size_t>(n - 1)); }
    QLineEdit* deviceField() const { return path_; }
    QPushButton* rescanButton() const { return rescan_; }
    QTreeWidget* deviceList() const { return list_; }
    // The first checked port, 1..20, or 0 when none is checked.
    int checkedPort() const;
    // The port the device field belongs to: the checked one, else the port in use.
    int selectedPort() const;
    // The mappings as the dialog leaves them.
    const PortMapping& mapping() const { return mapping_; }
    // The device path the dialog resolves port n to (mapping, else the n-th device present).
    std::string devicePathOf(int n) const;

    // Reads the devices present again and tries every port.
    void rescan();
    // Takes a device of the list for the selected port.
    void useDevice(const std::string& path);

    static int controlIdOf(int n);

public slots:
    void accept() override;

private:
    void createControls();
    QWidget* createDeviceRow();
    void fillDeviceList();
    void probePort(int n);
    void showSelectedPort();
    void takeFieldText();

    int portInUse_;
    PortMapping mapping_;
    const SerialDeviceCatalogue& catalogue_;
    Probe probe_;
    std::vector<SerialDeviceInfo> present_;
    int shownPort_ = 0; // the port whose device the field shows
    std::array<QRadioButton*, kPortDialogPorts> buttons_{};
    std::array<QLabel*, kPortDialogPorts> devices_{};
    QLineEdit* path_ = nullptr;
    QPushButton* rescan_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

} // namespace tsw::ui
