#pragma once
// Whole-file reads and writes with POSIX calls, for the files the user names (data files,
// channel lists, language files).
//
// A read takes a regular file only: a folder, a device, a pipe or a socket is refused without
// waiting on it (the path is looked at first, and opened without blocking).
//
// A write leaves the target either as it was or replaced completely: the bytes go to a
// temporary file beside the target, which is flushed to the disk and then renamed over the
// target. On any failure the temporary file is removed and the target is untouched. The target
// is a regular file or does not exist yet: a folder, a device, a pipe or a socket is refused,
// and so is a file without write permission (it is not replaced behind the user's back, not
// even by root). A symbolic link is written through: the file it points to is replaced, the
// link stays. Temporary files that an earlier write left beside its target (a program killed
// between writing and renaming) are removed by the next write into that folder once they are
// provably stale (see removeStaleTemporaries).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tsw {

// Why a file could not be read or written.
enum class FileFault {
    None,
    System,         // a call failed: `error` tells which way
    NotRegularFile, // a folder, device, pipe or socket
    ReadOnlyFile,   // a file without write permission, as output
};

struct FileStatus {
    int error = 0;       // errno of the failing step; EINVAL (not a regular file) or EACCES
                         // (read-only) for the program's own refusals; 0 on success
    std::string message; // the system's text for `error` (strerror)
    FileFault fault = FileFault::None; // None or System for a status made from an errno alone
    explicit operator bool() const { return error == 0; }
};
using FileWriteResult = FileStatus;

struct FileReadResult {
    std::string contents; // the bytes read (empty on failure)
    FileStatus status;
    explicit operator bool() const { return static_cast<bool>(status); }
};

// The target's mode bits are kept when it exists; a new file gets 0666 less the umask.
FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether `path` may be written by writeFileAtomically: a regular file with write permission,
// or a name that does not exist yet (its folder is not tested). Follows symbolic links.
FileStatus checkOutputFile(const std::string& path);

// Reads a regular file's bytes, at most maxBytes of them.
FileReadResult readFileContents(const std::string& path, std::size_t maxBytes = SIZE_MAX);

// Removes the temporary files of writeFileAtomically in `folder` ("<name>.tmp<pid>.<8 hex
// digits>", regular, owned by this user) that are stale: older than kStaleTemporaryAge, or
// older than kDeadWriterAge when the process named in them no longer runs. Anything else in
// the folder is left alone. Returns how many were removed.
inline constexpr std::chrono::seconds kStaleTemporaryAge{10 * 60};
inline constexpr std::chrono::seconds kDeadWriterAge{30};
int removeStaleTemporaries(const std::string& folder);

// The system's text for an error number (strerror).
std::string systemErrorText(int error);

} // namespace tsw
