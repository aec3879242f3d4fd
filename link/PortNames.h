#pragma once
// The user's port names. "COM<n>" maps to a device path: an explicit mapping (settings
// section "Ports", value "COM<n>" = device path) wins; otherwise the n-th present serial
// device, USB adapters first, so that one plugged-in cable is COM1 with no set-up. A full
// device path is accepted wherever a port is named.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsw {

// Explicit "COM<n>" -> device path mappings, by n.
using PortMapping = std::map<int, std::string>;

inline constexpr int kMaxPortNumber = 255;

// "COM<n>" (any letter case) with n from 1 to 255; anything else gives nothing.
std::optional<int> parseComName(std::string_view name);
// "COM" followed by n in decimal.
std::string comName(int n);
// True for a name that is a device path rather than a COM name.
bool isDevicePath(std::string_view name);

// The present serial devices as device paths: USB adapters first, then built-in ports and
// other serial hardware, each group in natural name order (ttyUSB2 before ttyUSB10).
// The roots are parameters so tests can point them at a fake tree.
std::vector<std::string> listSerialDevices(const std::string& sysClassTty = "/sys/class/tty",
                                           const std::string& devDir = "/dev");

// The device path behind COM<n>: the mapping, else the n-th of `devices`; empty when neither
// has one.
std::string resolveComPort(int n, const PortMapping& mapping,
                           const std::vector<std::string>& devices);

// The "Ports" section of the settings: each value "COM<n>" = device path.
inline constexpr std::string_view kPortsSection = "Ports";
class SettingsStore;
PortMapping readPortMapping(const SettingsStore& store);
// Maps COM<n> to `path` ("COM<n>" = path), or takes its mapping away when `path` is empty;
// another spelling of the same name ("com1") is replaced.
void writePortMapping(SettingsStore& store, int n, std::string_view path);

// The device path behind a port name (COM<n> or a path); empty when it names nothing.
std::string resolvePortName(std::string_view name, const PortMapping& mapping,
                            const std::vector<std::string>& devices);

} // namespace tsw
