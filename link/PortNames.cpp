#include "link/PortNames.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/Settings.h"

namespace tsw {

namespace {

namespace fs = std::filesystem;

// Natural order: the trailing number compares as a number.
bool naturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && s[i - 1] >= '0' && s[i - 1] <= '9')
            --i;
        const std::string digits = s.substr(i);
        const unsigned long n = digits.empty() || digits.size() > 9 ? 0 : std::stoul(digits);
        return std::make_pair(s.substr(0, i), n);
    };
    const auto sa = split(a);
    const auto sb = split(b);
    if (sa != sb)
        return sa < sb;
    return a < b;
}

std::string readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

enum class Kind { NotSerial, Usb, Builtin };

Kind classify(const fs::path& entry, const std::string& name) {
    std::error_code ec;
    const fs::path device = entry / "device";
    if (!fs::exists(device, ec))
        return Kind::NotSerial; // virtual terminals, pseudo-terminals, consoles
    const std::string target = fs::weakly_canonical(device, ec).string();
    if (name.starts_with("ttyUSB") || name.starts_with("ttyACM") ||
        target.find("/usb") != std::string::npos)
        return Kind::Usb;
    // Serial-core ports report their UART type; 0 is a placeholder without hardware.
    const fs::path type = entry / "type";
    if (fs::exists(type, ec)) {
        const std::string t = readFirstLine(type);
        if (t.empty() || t == "0")
            return Kind::NotSerial;
    }
    return Kind::Builtin;
}

} // namespace

std::optional<int> parseComName(std::string_view name) {
    if (name.size() < 4 || name.size() > 6)
        return std::nullopt;
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (upper(name[0]) != 'C' || upper(name[1]) != 'O' || upper(name[2]) != 'M')
        return std::nullopt;
    if (name[3] == '0')
        return std::nullopt;
    int n = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > kMaxPortNumber)
        return std::nullopt;
    return n;
}

std::string comName(int n) {
    return "COM" + std::to_string(n);
}

bool isDevicePath(std::string_view name) {
    return !name.empty() && name.front() == '/';
}

std::vector<std::string> listSerialDevices(const std::string& sysClassTty,
                                           const std::string& devDir) {
    std::vector<std::string> usb;
    std::vector<std::string> builtin;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysClassTty, ec)) {
        const std::string name = entry.path().filename().string();
        const Kind kind = classify(entry.path(), name);
        if (kind == Kind::NotSerial)
            continue;
        if (!fs::exists(fs::path(devDir) / name, ec))
            continue;
        (kind == Kind::Usb ? usb : builtin).push_back(name);
    }
    std::sort(usb.begin(), usb.end(), naturalLess);
    std::sort(builtin.begin(), builtin.end(), naturalLess);
    std::vector<std::string> out;
    for (const auto* group : {&usb, &builtin})
        for (const auto& name : *group)
            out.push_back((fs::path(devDir) / name).string());
    return out;
}

PortMapping readPortMapping(const SettingsStore& store) {
    PortMapping mapping;
    for (const std::string& key : store.childKeys(kPortsSection)) {
        const auto n = parseComName(key);
        const auto path = store.readString(kPortsSection, key);
        if (n && path && !path->empty())
            mapping[*n] = *path;
    }
    return mapping;
}

void writePortMapping(SettingsStore& store, int n, std::string_view path) {
    for (const std::string& key : store.childKeys(kPortsSection))
        if (parseComName(key) == n)
            store.remove(kPortsSection, key);
    if (!path.empty())
        store.writeString(kPortsSection, comName(n), path);
}

std::string resolveComPort(int n, const PortMapping& mapping,
                           const std::vector<std::string>& devices) {
    if (const auto it = mapping.find(n); it != mapping.end() && !it->second.empty())
        return it->second;
    if (n >= 1 && static_cast<std::size_t>(n) <= devices.size())
        return devices[static_cast<std::size_t>(n) - 1];
    return {};
}

std::string resolvePortName(std::string_view name, const PortMapping& mapping,
                            const std::vector<std::string>& devices) {
    if (isDevicePath(name))
        return std::string(name);
    if (const auto n = parseComName(name))
        return resolveComPort(*n, mapping, devices);
    return {};
}

} // namespace tsw
