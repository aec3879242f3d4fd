#include "app/Settings.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "app/LanguageTable.h"
#include "app/NumberText.h"

namespace tsw {

std::optional<int> parseDecimalInt(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9')
            return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> SettingsStore::readInt(std::string_view section, std::string_view key) const {
    const auto text = readString(section, key);
    return text ? parseDecimalInt(*text) : std::nullopt;
}

void SettingsStore::writeInt(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

const MemorySettingsStore::Section* MemorySettingsStore::findSection(std::string_view name) const {
    for (const auto& s : sections_)
        if (equalsNoCase(s.name, name))
            return &s;
    return nullptr;
}

MemorySettingsStore::Section* MemorySettingsStore::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<std::string> MemorySettingsStore::readString(std::string_view section,
                                                           std::string_view key) const {
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->values.find(key);
    if (it == s->values.end())
        return std::nullopt;
    return it->second;
}

void MemorySettingsStore::writeString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    Section* s = findSection(section);
    if (!s)
        s = &sections_.emplace_back(Section{std::string(section), {}});
    s->values.insert_or_assign(std::string(key), std::string(value));
}

std::vector<std::string> MemorySettingsStore::childKeys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = findSection(section))
        for (const auto& [key, value] : s->values)
            keys.push_back(key);
    return keys;
}

void MemorySettingsStore::remove(std::string_view section, std::string_view key) {
    if (Section* s = findSection(section)) {
        const auto it = s->values.find(key);
        if (it != s->values.end())
            s->values.erase(it);
    }
}

std::vector<std::string> MemorySettingsStore::sections() const {
    std::vector<std::string> names;
    for (const auto& s : sections_)
        names.push_back(s.name);
    return names;
}

namespace settings {

int readComPort(const SettingsStore& store) {
    const int port = store.readInt(kSection, kComPort).value_or(1);
    return port < 1 || port > 4 ? 1 : port;
}

void writeComPort(SettingsStore& store, int port) {
    store.writeInt(kSection, kComPort, port);
}

bool readVerifyAfterWrite(const SettingsStore& store) {
    return store.readInt(kTransferSection, kVerifyAfterWrite) != 0;
}

void writeVerifyAfterWrite(SettingsStore& store, bool on) {
    store.writeInt(kTransferSection, kVerifyAfterWrite, on ? 1 : 0);
}

int readLanguage(const SettingsStore& store) {
    const int code = store.readInt(kSection, kLanguage).value_or(1);
    return code < 1 || code > 6 ? 2 : code;
}

void writeLanguage(SettingsStore& store, int languageCode) {
    store.writeInt(kSection, kLanguage, languageCode);
}

std::string formatLastModel(const ModelIdentity& id) {
    char text[32];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%01X:%02X:%02X:%02X", id[0], id[1], id[2],
                  id[3], id[4], id[5], id[6], id[7]);
    return text;
}

void writeLastModel(SettingsStore& store, const ModelIdentity& identity) {
    store.writeString(kSection, kLastModel, formatLastModel(identity));
}

std::optional<WindowPlacement> parseWindowPlacement(std::string_view text) {
    int fields[10] = {};
    std::size_t count = 0;
    while (true) {
        const std::size_t colon = text.find(':');
        const auto value = parseDecimalInt(text.substr(0, colon));
        if (!value || count == 10)
            return std::nullopt;
        fields[count++] = *value;
        if (colon == std::string_view::npos)
            break;
        text.remove_prefix(colon + 1);
    }
    if (count != 10)
        return std::nullopt;
    return WindowPlacement{fields[0], fields[1], fields[2], fields[3], fields[4],
                           fields[5], fields[6], fields[7], fields[8], fields[9]};
}

std::string formatWindowPlacement(const WindowPlacement& p) {
    char text[160];
    std::snprintf(text, sizeof text, "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", p.flags, p.showState, p.minX,
                  p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
    return text;
}

std::optional<WindowPlacement> readLastWinPos(const SettingsStore& store) {
    const auto text = store.readString(kSection, kLastWinPos);
    return text ? parseWindowPlacement(*text) : std::nullopt;
}

void writeLastWinPos(SettingsStore& store, const WindowPlacement& placement) {
    store.writeString(kSection, kLastWinPos, formatWindowPlacement(placement));
}

std::string defaultDataDirectory(std::string_view programDirectory) {
    std::string dir(programDirectory);
    if (dir.empty() || dir.back() != kSeparator)
        dir += kSeparator;
    return dir + "DATA" + kSeparator;
}

std::string readDataDirectory(const SettingsStore& store, std::string_view programDirectory) {
    const auto dir = store.readString(kSection, kDirectory);
    if (!dir || dir->empty())
        return defaultDataDirectory(programDirectory);
    return *dir;
}

void writeDataDirectory(SettingsStore& store, std::string_view directory) {
    store.writeString(kSection, kDirectory, directory);
}

std::string rewriteHelpPath(std::string_view defaultHelpPath, int languageCode) {
    std::string path(defaultHelpPath.substr(
        0, defaultHelpPath.size() - std::min<std::size_t>(3, defaultHelpPath.size())));
    path += "qch";
    const std::size_t dot = path.rfind('.');
    const std::size_t at = dot == std::string::npos ? path.size() - 3 : dot;
    path.insert(at, {'_', LanguageTable::helpLetter(languageCode)});
    return path;
}

std::string helpFilePath(std::string_view programDirectory, int languageCode) {
    std::string base(programDirectory);
    if (base.empty() || base.back() != kSeparator)
        base += kSeparator;
    return rewriteHelpPath(base + std::string(kProgramBaseName) + ".HLP", languageCode);
}

std::string replaceHelpLetter(std::string_view helpPath, int languageCode) {
    std::string path(helpPath);
    if (path.size() >= 5)
        path[path.size() - 5] = LanguageTable::helpLetter(languageCode);
    return path;
}

void writeExitSettings(SettingsStore& store, const ExitSettings& values) {
    if (values.saveSettings) {
        writeLastModel(store, values.identity);
        writeComPort(store, values.portNumber);
        writeLanguage(store, values.languageCode);
    }
    writeDataDirectory(store, values.dataDirectory);
}

} // namespace settings
} // namespace tsw
