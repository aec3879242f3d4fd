#pragma once
// Whole-file reads and writes with POSIX calls. A write leaves the target either as it was
// or replaced completely: the bytes go to a temporary file beside the target, which is
// flushed to the disk and then renamed over the target. On any failure the temporary file
// is removed and the target is untouched.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tsw {

struct FileWriteResult {
    int error = 0;       // errno of the failing step, 0 on success
    std::string message; // the system's text for that error (strerror)
    explicit operator bool() const { return error == 0; }
};

// The target's mode bits are kept when it exists; a new file gets 0666 less the umask.
// A symbolic link as target: the file it points to is replaced.
FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads a file's bytes, at most maxBytes of them; none when it cannot be opened or read
// (a folder, say).
std::optional<std::string> readFileContents(const std::string& path,
                                            std::size_t maxBytes = SIZE_MAX);

// The system's text for an error number (strerror).
std::string systemErrorText(int error);

} // namespace tsw
