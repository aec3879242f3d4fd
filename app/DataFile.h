#pragma once
// The data file (".dat"): a 16-byte header, "QB5812C" and nine 0xFF bytes, then the
// 1024-byte radio image byte for byte (image offset n at file offset 16 + n).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/AtomicFile.h"
#include "app/RadioImage.h"

namespace tsw::datafile {

inline constexpr std::string_view kMagic = "QB5812C";       // tested on open
inline constexpr std::string_view kPreviewMagic = "QB5812"; // tested by the open preview
inline constexpr std::size_t kHeaderSize = 16;
inline constexpr std::size_t kFileSize = kHeaderSize + kImageSize; // 1040
inline constexpr std::uint8_t kFiller = 0xFF;
inline constexpr std::string_view kExtension = "dat";
inline constexpr std::string_view kPattern = "*.dat";

enum class ReadResult {
    Ok,
    CannotOpen,  // the file could not be opened or read, or is not a regular file
    WrongFormat, // wrong magic, or fewer than 1040 bytes: string 3003013
};

// Reads the file into `image`. The image is changed only when the result is Ok. Bytes 7..15
// of the header are not tested; bytes after the 1040th are ignored.
ReadResult readDataFile(const std::string& path, RadioImage& image);
// The same; `why` says what went wrong on CannotOpen (not a regular file, the system's error).
ReadResult readDataFile(const std::string& path, RadioImage& image, FileStatus& why);
// The same from the file's bytes (Ok or WrongFormat).
ReadResult parseDataFile(std::span<const std::uint8_t> bytes, RadioImage& image);

// The file's 1040 bytes for an image.
std::vector<std::uint8_t> dataFileBytes(const RadioImage& image);
// Writes header and image atomically; on failure the target is as it was.
FileWriteResult writeDataFile(const std::string& path, const RadioImage& image);

// The open dialog's preview of a file's embedded message. Each line holds the bytes of its
// 32-byte field with every 0xFF skipped (raw bytes, up to a zero byte); a line whose first
// byte is 0xFF is empty. A file that fails the six-byte "QB5812" test gives two empty lines.
struct MessagePreview {
    std::string line1;
    std::string line2;
    bool operator==(const MessagePreview&) const = default;
};
// None when the file cannot be opened or read, or is not a regular file (a pipe is not waited
// on; the preview is left as it is).
std::optional<MessagePreview> previewDataFile(const std::string& path);
MessagePreview previewDataFileBytes(std::span<const std::uint8_t> bytes);

// True when a name ends in ".dat" (any case), the files the preview looks at.
bool hasDataFileExtension(std::string_view path);

// Save As refuses a target whose file system has this many bytes free or fewer.
inline constexpr std::uint64_t kMinimumFreeSpace = 9 * 1024;
// True when the file system of the target's folder has kMinimumFreeSpace bytes free or
// fewer. False when the free space cannot be found out (the write itself then reports).
bool targetNearlyFull(const std::string& path);
// The system's text for "no space left on device", shown when targetNearlyFull is true.
std::string diskFullText();

} // namespace tsw::datafile
