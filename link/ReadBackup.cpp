#include "link/ReadBackup.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/DataFile.h"

namespace tsw {

namespace {

namespace fs = std::filesystem;

// Files of one second are numbered; this many are tried before giving up.
constexpr int kMaxSameSecond = 100;

bool keptCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

} // namespace

LocalDateTime localDateTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string readBackupFileName(std::string_view modelCode, const LocalDateTime& when, int n) {
    std::string code;
    for (char c : modelCode)
        code.push_back(keptCharacter(c) ? c : '_');
    if (code.empty())
        code = "radio";
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d-%02d-%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    std::string name = code + stamp;
    if (n > 1)
        name += "_" + std::to_string(n);
    return name + ".dat";
}

std::string readBackupFolder(std::string_view dataDirectory) {
    return (fs::path(dataDirectory) / kBackupFolder).string();
}

ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view modelCode,
                                const RadioImage& image, const LocalDateTime& when) {
    const fs::path folder = readBackupFolder(dataDirectory);
    ReadBackupResult out;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        out.path = folder.string();
        out.result.error = ec.value();
        out.result.message = ec.message();
        return out;
    }
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const fs::path candidate = folder / readBackupFileName(modelCode, when, n);
        if (fs::exists(candidate, ec))
            continue;
        out.path = candidate.string();
        out.result = datafile::writeDataFile(out.path, image);
        return out;
    }
    out.path = (folder / readBackupFileName(modelCode, when)).string();
    out.result.error = EEXIST;
    out.result.message = std::generic_category().message(EEXIST);
    return out;
}

} // namespace tsw
