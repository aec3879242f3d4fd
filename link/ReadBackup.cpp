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

std::string ReadBackupResult::failureText() const {
    std::string text;
    for (const BackupAttempt& f : failures) {
        if (!text.empty())
            text += '\n';
        text += f.path + ": " + f.result.message;
    }
    return text;
}

namespace {

// One attempt in one folder: the file written, or the place that failed and why.
BackupAttempt saveInFolder(const fs::path& folder, std::string_view modelCode,
                           const RadioImage& image, const LocalDateTime& when) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {folder.string(), {ec.value(), ec.message()}};
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const fs::path candidate = folder / readBackupFileName(modelCode, when, n);
        if (fs::exists(candidate, ec))
            continue;
        return {candidate.string(), datafile::writeDataFile(candidate.string(), image)};
    }
    return {(folder / readBackupFileName(modelCode, when)).string(),
            {EEXIST, std::generic_category().message(EEXIST)}};
}

} // namespace

ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view fallbackDirectory,
                                std::string_view modelCode, const RadioImage& image,
                                const LocalDateTime& when) {
    ReadBackupResult out;
    std::vector<std::string_view> places{dataDirectory};
    if (!fallbackDirectory.empty()) // an empty one would be the working directory
        places.push_back(fallbackDirectory);
    for (std::size_t i = 0; i < places.size(); ++i) {
        BackupAttempt attempt = saveInFolder(readBackupFolder(places[i]), modelCode, image, when);
        if (attempt.result) {
            out.path = std::move(attempt.path);
            out.inFallback = i > 0;
            return out;
        }
        out.failures.push_back(std::move(attempt));
    }
    return out;
}

} // namespace tsw
