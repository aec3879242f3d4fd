#include "link/ReadBackup.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <tuple>

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

namespace {

std::string kept(std::string_view text) {
    std::string out;
    for (char c : text)
        out.push_back(keptCharacter(c) ? c : '_');
    return out;
}

// "<code>[_<serial>]", the part of a backup's name before its time stamp.
std::string namePrefix(const RadioName& radio) {
    std::string prefix = radio.modelCode.empty() ? std::string("radio") : kept(radio.modelCode);
    if (!radio.serial.empty())
        prefix += "_" + kept(radio.serial);
    return prefix;
}

// "YYYY-MM-DD_HH-MM-SS", 19 characters.
constexpr std::size_t kStampLength = 19;

std::optional<int> digits(std::string_view text) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<LocalDateTime> parseStamp(std::string_view s) {
    if (s.size() != kStampLength || s[4] != '-' || s[7] != '-' || s[10] != '_' || s[13] != '-' ||
        s[16] != '-')
        return std::nullopt;
    const auto y = digits(s.substr(0, 4)), mo = digits(s.substr(5, 2)), d = digits(s.substr(8, 2));
    const auto h = digits(s.substr(11, 2)), mi = digits(s.substr(14, 2));
    const auto se = digits(s.substr(17, 2));
    if (!y || !mo || !d || !h || !mi || !se)
        return std::nullopt;
    return LocalDateTime{*y, *mo, *d, *h, *mi, *se};
}

auto sortKey(const BackupFileStamp& s) {
    return std::tuple(s.when.year, s.when.month, s.when.day, s.when.hour, s.when.minute,
                      s.when.second, s.n);
}

} // namespace

std::optional<BackupFileStamp> parseReadBackupFileName(std::string_view name,
                                                       const RadioName& radio) {
    const std::string prefix = namePrefix(radio) + "_";
    constexpr std::string_view kDat = ".dat";
    if (!name.starts_with(prefix) || !name.ends_with(kDat))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    name.remove_suffix(kDat.size());
    const auto when = parseStamp(name.substr(0, kStampLength));
    if (!when)
        return std::nullopt;
    BackupFileStamp stamp{*when, 1};
    if (name.size() > kStampLength) {
        // "_<n>" as the program writes it: n from 2, no leading zero.
        const std::string_view number = name.substr(kStampLength + 1);
        const auto n =
            name[kStampLength] == '_' && !number.starts_with('0') ? digits(number) : std::nullopt;
        if (!n || *n < 2)
            return std::nullopt;
        stamp.n = *n;
    }
    return stamp;
}

std::string readBackupFileName(const RadioName& radio, const LocalDateTime& when, int n) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d-%02d-%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    std::string name = namePrefix(radio) + stamp;
    if (n > 1)
        name += "_" + std::to_string(n);
    return name + ".dat";
}

std::string readBackupFolder(std::string_view dataDirectory, std::string_view folder) {
    return (fs::path(dataDirectory) / folder).string();
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
BackupAttempt saveInFolder(const fs::path& folder, const RadioName& radio, const RadioImage& image,
                           const LocalDateTime& when) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {folder.string(), {ec.value(), ec.message()}};
    for (int n = 1; n <= kMaxSameSecond; ++n) {
        const fs::path candidate = folder / readBackupFileName(radio, when, n);
        if (fs::exists(candidate, ec))
            continue;
        return {candidate.string(), datafile::writeDataFile(candidate.string(), image)};
    }
    return {(folder / readBackupFileName(radio, when)).string(),
            {EEXIST, std::generic_category().message(EEXIST)}};
}

} // namespace

ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view fallbackDirectory,
                                const RadioName& radio, const RadioImage& image,
                                const LocalDateTime& when, std::string_view folder) {
    ReadBackupResult out;
    std::vector<std::string_view> places{dataDirectory};
    if (!fallbackDirectory.empty()) // an empty one would be the working directory
        places.push_back(fallbackDirectory);
    for (std::size_t i = 0; i < places.size(); ++i) {
        BackupAttempt attempt =
            saveInFolder(readBackupFolder(places[i], folder), radio, image, when);
        if (attempt.result) {
            out.path = std::move(attempt.path);
            out.inFallback = i > 0;
            return out;
        }
        out.failures.push_back(std::move(attempt));
    }
    return out;
}

std::optional<FoundBackup> latestReadBackup(std::string_view dataDirectory,
                                            std::string_view fallbackDirectory,
                                            const RadioName& radio) {
    if (radio.serial.empty())
        return std::nullopt;
    std::optional<FoundBackup> best;
    std::optional<BackupFileStamp> bestStamp;
    for (std::string_view place : {dataDirectory, fallbackDirectory}) {
        if (place.empty())
            continue;
        std::error_code ec;
        for (fs::directory_iterator it(readBackupFolder(place), ec), end; !ec && it != end;
             it.increment(ec)) {
            const auto stamp = parseReadBackupFileName(it->path().filename().string(), radio);
            if (!stamp || (bestStamp && sortKey(*stamp) <= sortKey(*bestStamp)))
                continue;
            RadioImage image;
            if (!it->is_regular_file(ec) ||
                datafile::readDataFile(it->path().string(), image) != datafile::ReadResult::Ok)
                continue;
            best = FoundBackup{it->path().string(), stamp->when, image};
            bestStamp = stamp;
        }
    }
    return best;
}

} // namespace tsw
