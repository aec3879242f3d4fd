#pragma once
// What the system says each present serial device is, for the port dialog: on Linux the
// attributes that sysfs keeps for the device behind /sys/class/tty/<name> (the USB vendor and
// product, their ids and the serial number of a USB adapter; the driver of any device).
//
//   /sys/class/tty/ttyUSB0/device -> .../1-1/1-1:1.0/ttyUSB0     (the port; "driver" ftdi_sio)
//   .../1-1/1-1:1.0                                              (the USB interface)
//   .../1-1     idVendor 0403  idProduct 6001  manufacturer FTDI  product FT232R USB UART
//               serial A50285BI                                  (the USB device)
//
// The attributes come from the device itself: they are cut to a sane length and any control
// character is replaced, so a strange adapter cannot upset the dialog.

#include <cstddef>
#include <string>
#include <vector>

namespace tsw {

struct SerialDeviceInfo {
    std::string path; // "/dev/ttyUSB0"
    bool usb = false;
    std::string vendorId;  // "0403" (USB only)
    std::string productId; // "6001"
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    std::string driver; // "ftdi_sio", "serial8250"; empty when unknown
    bool operator==(const SerialDeviceInfo&) const = default;
};

// One line for the device: "FTDI FT232R USB UART (0403:6001)" for a USB adapter (what it has
// of these), the driver's name otherwise; empty when nothing is known.
std::string deviceDescription(const SerialDeviceInfo& device);

// The present serial devices and what they are. The dialog asks this interface; tests give it
// a fixed list.
class SerialDeviceCatalogue {
public:
    virtual ~SerialDeviceCatalogue() = default;
    // In the order of listSerialDevices (USB adapters first).
    virtual std::vector<SerialDeviceInfo> devices() const = 0;
};

// The catalogue of the running system, read from sysfs. The roots are parameters so tests can
// point them at a fake tree.
class SysfsDeviceCatalogue : public SerialDeviceCatalogue {
public:
    explicit SysfsDeviceCatalogue(std::string sysClassTty = "/sys/class/tty",
                                  std::string devDir = "/dev");
    std::vector<SerialDeviceInfo> devices() const override;
    // What sysfs says about the device of a tty name ("ttyUSB0"); only `path` for an unknown one.
    SerialDeviceInfo describe(const std::string& ttyName) const;

private:
    std::string sysClassTty_;
    std::string devDir_;
};

// The longest attribute text kept.
inline constexpr std::size_t kMaxAttributeLength = 64;

} // namespace tsw
