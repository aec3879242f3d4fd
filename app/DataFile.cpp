#include "app/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/statvfs.h>

#include "app/ImageLayout.h"

namespace tsw::datafile {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view prefix) {
    if (bytes.size() < prefix.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

std::span<const std::uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// One message line from its field at file offset `at`; missing bytes count as 0xFF.
std::string previewLine(std::span<const std::uint8_t> bytes, std::size_t at) {
    auto byteAt = [&](std::size_t i) { return i < bytes.size() ? bytes[i] : kFiller; };
    std::string line;
    if (byteAt(at) == kFiller)
        return line;
    for (std::size_t i = at; i < at + layout::kMessageLineLength; ++i) {
        const std::uint8_t b = byteAt(i);
        if (b == 0)
            break;
        if (b != kFiller)
            line += static_cast<char>(b);
    }
    return line;
}

} // namespace

ReadResult parseDataFile(std::span<const std::uint8_t> bytes, RadioImage& image) {
    if (bytes.size() < kFileSize || !startsWith(bytes, kMagic))
        return ReadResult::WrongFormat;
    image.copyFrom(bytes.subspan(kHeaderSize, kImageSize));
    return ReadResult::Ok;
}

ReadResult readDataFile(const std::string& path, RadioImage& image) {
    FileStatus why;
    return readDataFile(path, image, why);
}

ReadResult readDataFile(const std::string& path, RadioImage& image, FileStatus& why) {
    const FileReadResult file = readFileContents(path, kFileSize);
    why = file.status;
    if (!file)
        return ReadResult::CannotOpen;
    return parseDataFile(asBytes(file.contents), image);
}

std::vector<std::uint8_t> dataFileBytes(const RadioImage& image) {
    std::vector<std::uint8_t> bytes(kHeaderSize, kFiller);
    std::copy(kMagic.begin(), kMagic.end(), bytes.begin());
    bytes.insert(bytes.end(), image.raw().begin(), image.raw().end());
    return bytes;
}

FileWriteResult writeDataFile(const std::string& path, const RadioImage& image) {
    return writeFileAtomically(path, dataFileBytes(image));
}

MessagePreview previewDataFileBytes(std::span<const std::uint8_t> bytes) {
    if (!startsWith(bytes, kPreviewMagic))
        return {};
    return {previewLine(bytes, kHeaderSize + layout::kMessageLine1),
            previewLine(bytes, kHeaderSize + layout::kMessageLine2)};
}

std::optional<MessagePreview> previewDataFile(const std::string& path) {
    const FileReadResult file = readFileContents(path, kFileSize);
    if (!file)
        return std::nullopt;
    return previewDataFileBytes(asBytes(file.contents));
}

bool hasDataFileExtension(std::string_view path) {
    if (path.size() < kExtension.size() + 1 || path[path.size() - kExtension.size() - 1] != '.')
        return false;
    const std::string_view ext = path.substr(path.size() - kExtension.size());
    return std::equal(ext.begin(), ext.end(), kExtension.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

bool targetNearlyFull(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0)
        return false;
    const std::uint64_t freeBytes =
        static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
    return freeBytes <= kMinimumFreeSpace;
}

std::string diskFullText() {
    return systemErrorText(ENOSPC);
}

} // namespace tsw::datafile
