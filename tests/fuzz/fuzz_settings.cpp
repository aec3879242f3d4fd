// Settings values as a user's hand-edited INI file may hold them: every reader must clamp or
// refuse, never crash, and a window placement it accepts must read back the same after writing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/Settings.h"

namespace {

// "key=value" lines into section "Backup"; a line without '=' names the section that follows.
tsw::MemorySettingsStore storeOf(std::string_view text) {
    tsw::MemorySettingsStore store;
    std::string section(tsw::settings::kSection);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            section = line;
        else
            store.writeString(section, line.substr(0, eq), line.substr(eq + 1));
    }
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace s = tsw::settings;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tsw::MemorySettingsStore store = storeOf(text);

    const int port = s::readComPort(store);
    if (port < 1 || port > 4)
        std::abort();
    const int language = s::readLanguage(store);
    if (language < 1 || language > 6)
        std::abort();
    if (s::readDataDirectory(store, "/opt/tsw62m").empty())
        std::abort();
    s::replaceHelpLetter(s::helpFilePath(text, language), language);
    s::rewriteHelpPath(text, language);

    if (const auto placement = s::parseWindowPlacement(text)) {
        const auto again = s::parseWindowPlacement(s::formatWindowPlacement(*placement));
        if (!again || !(*again == *placement))
            std::abort();
    }
    s::readLastWinPos(store);
    return 0;
}
