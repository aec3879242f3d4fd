#pragma once
// Backups of what was read from a radio. Every complete read is kept as a data file in the
// "Backups" folder of the data directory, named by the radio's model code and the local date
// and time of the read, so that what a radio held before a later write can always be written
// back to it:
//
//   <data directory>/Backups/H5520_2026-12-06_14-03-59.dat   (a second one in the same
//   <data directory>/Backups/H5520_2026-12-06_14-03-59_2.dat  second gets a number)
//
// Backups are never overwritten or removed by the program.

#include <string>
#include <string_view>

#include "app/AtomicFile.h"
#include "app/RadioImage.h"

namespace tsw {

inline constexpr std::string_view kBackupFolder = "Backups";

struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};
LocalDateTime localDateTimeNow();

// "<code>_YYYY-MM-DD_HH-MM-SS.dat", with "_<n>" before the extension for n > 1. Characters of
// the code other than letters, digits and '-' become '_'; an empty code gives "radio".
std::string readBackupFileName(std::string_view modelCode, const LocalDateTime& when, int n = 1);

// The folder the backups go to: <dataDirectory>/Backups (the directory may lack its
// trailing separator).
std::string readBackupFolder(std::string_view dataDirectory);

struct ReadBackupResult {
    std::string path;       // the file written, or the one that could not be written
    FileWriteResult result; // error 0 on success
    explicit operator bool() const { return static_cast<bool>(result); }
};

// Writes `image` (header and image, atomically) as a new backup file; creates the folder.
ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view modelCode,
                                const RadioImage& image, const LocalDateTime& when);

} // namespace tsw
