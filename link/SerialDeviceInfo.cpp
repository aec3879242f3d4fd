#include "link/SerialDeviceInfo.h"

#include <filesystem>
#include <fstream>

#include "link/PortNames.h"

namespace tsw {

namespace {

namespace fs = std::filesystem;

// USB device attributes sit this many levels above the port's device at most (port, interface,
// device).
constexpr int kMaxLevelsUp = 4;

// The first line of a sysfs attribute, cut and cleaned; empty when there is none.
std::string readAttribute(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    std::string text(kMaxAttributeLength, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (const auto end = text.find('\n'); end != std::string::npos)
        text.resize(end);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    while (!text.empty() && (text.back() == ' ' || text.back() == '?'))
        text.pop_back();
    return text;
}

void readUsbAttributes(const fs::path& device, SerialDeviceInfo& info) {
    std::error_code ec;
    fs::path dir = device;
    for (int level = 0; level < kMaxLevelsUp && !dir.empty(); ++level, dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec))
            continue;
        info.usb = true;
        info.vendorId = readAttribute(dir / "idVendor");
        info.productId = readAttribute(dir / "idProduct");
        info.manufacturer = readAttribute(dir / "manufacturer");
        info.product = readAttribute(dir / "product");
        info.serialNumber = readAttribute(dir / "serial");
        return;
    }
}

} // namespace

std::string deviceDescription(const SerialDeviceInfo& device) {
    if (!device.usb)
        return device.driver;
    std::string text = device.manufacturer;
    if (!device.product.empty())
        text += (text.empty() ? "" : " ") + device.product;
    if (!device.vendorId.empty() || !device.productId.empty())
        text += (text.empty() ? "(" : " (") + device.vendorId + ":" + device.productId + ")";
    return text.empty() ? device.driver : text;
}

SysfsDeviceCatalogue::SysfsDeviceCatalogue(std::string sysClassTty, std::string devDir)
    : sysClassTty_(std::move(sysClassTty)), devDir_(std::move(devDir)) {}

SerialDeviceInfo SysfsDeviceCatalogue::describe(const std::string& ttyName) const {
    SerialDeviceInfo info;
    info.path = (fs::path(devDir_) / ttyName).string();
    std::error_code ec;
    const fs::path device = fs::canonical(fs::path(sysClassTty_) / ttyName / "device", ec);
    if (ec)
        return info;
    const fs::path driver = fs::canonical(device / "driver", ec);
    if (!ec)
        info.driver = driver.filename().string().substr(0, kMaxAttributeLength);
    readUsbAttributes(device, info);
    return info;
}

std::vector<SerialDeviceInfo> SysfsDeviceCatalogue::devices() const {
    std::vector<SerialDeviceInfo> out;
    for (const std::string& path : listSerialDevices(sysClassTty_, devDir_))
        out.push_back(describe(fs::path(path).filename().string()));
    return out;
}

} // namespace tsw
