#pragma once
// Backups of what was read from a radio. Every complete read is kept as a data file in the
// "Backups" folder of the data directory, named by the radio's model code and the local date
// and time of the read, so that what a radio held before a later write can always be written
// back to it:
//
//   <data directory>/Backups/H5520_2026-12-06_14-03-59.dat   (a second one in the same
//   <data directory>/Backups/H5520_2026-12-06_14-03-59_2.dat  second gets a number)
//
// Backups are never overwritten or removed by the program. When the data directory cannot
// take them (the program's own DATA folder after a system-wide install belongs to root), they
// go to the same "Backups" folder under a per-user fallback directory instead.

#include <string>
#include <string_view>
#include <vector>

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

struct BackupAttempt {
    std::string path;       // the folder that could not be made or the file not written
    FileWriteResult result; // why
};

struct ReadBackupResult {
    std::string path;                    // the file written; empty when none was
    bool inFallback = false;             // written under the fallback directory
    std::vector<BackupAttempt> failures; // each place that could not take it, in order
    explicit operator bool() const { return !path.empty(); }
    // "<path>: <reason>" for each failure, one a line.
    std::string failureText() const;
};

// Writes `image` (header and image, atomically) as a new backup file in the Backups folder
// of `dataDirectory`, creating the folder. When that folder cannot be made or the file cannot
// be written there, tries the Backups folder of `fallbackDirectory` (unless it is empty).
ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view fallbackDirectory,
                                std::string_view modelCode, const RadioImage& image,
                                const LocalDateTime& when);

} // namespace tsw
