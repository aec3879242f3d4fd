// tsw62m-cli: reads, writes and shows the memory of an HX-5520 (UHF) radio from scripts.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/AtomicFile.h"
#include "link/PosixSerialDevice.h"
#include "tools/cli/CliCommands.h"
#include "tools/cli/IniFile.h"

namespace {

std::string programDirectory(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

tsw::PortMapping portMapping() {
    const std::string path = tsw::cli::settingsFilePath();
    if (path.empty())
        return {};
    const tsw::FileReadResult file = tsw::readFileContents(path, 1 << 20);
    if (!file)
        return {};
    tsw::MemorySettingsStore store;
    tsw::cli::parseIni(file.contents, store);
    return tsw::readPortMapping(store);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tsw::PosixSerialDevice device;
    tsw::RealClock clock;
    tsw::cli::CliEnvironment env{std::cout,    std::cerr, device, clock, programDirectory(argv[0]),
                                 portMapping()};
    const int code = tsw::cli::runCli(args, env);
    std::cout.flush();
    return code;
}
