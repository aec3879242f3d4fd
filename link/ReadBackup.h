#pragma once
// Backups of what was read from a radio. Every complete read is kept as a data file in the
// "Backups" folder of the data directory, named by the radio's model code, its serial number
// (when the radio told it) and the local date and time of the read, so that what a radio held
// before a later write can always be written back to it:
//
//   <data directory>/Backups/H5520_S5520-000001_2026-12-06_14-03-59.dat   (a second one in
//   <data directory>/Backups/H5520_S5520-000001_2026-12-06_14-03-59_2.dat  the same second
//                                                                            gets a number)
//
// Backups are never overwritten or removed by the program. When the data directory cannot
// take them (the program's own DATA folder after a system-wide install belongs to root), they
// go to the same "Backups" folder under a per-user fallback directory instead.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AtomicFile.h"
#include "app/RadioImage.h"

namespace tsw {

inline constexpr std::string_view kBackupFolder = "Backups";
// What a radio held right after a write whose check found differences: kept beside the
// backups, named the same way, never offered as a backup.
inline constexpr std::string_view kReadBackFolder = "Verify";

// The radio a file belongs to: its model code and serial number (empty when unknown).
struct RadioName {
    std::string_view modelCode;
    std::string_view serial;
};

struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};
LocalDateTime localDateTimeNow();

// "<code>[_<serial>]_YYYY-MM-DD_HH-MM-SS.dat", with "_<n>" before the extension for n > 1.
// Characters of the code and the serial number other than letters, digits and '-' become '_';
// an empty code gives "radio".
std::string readBackupFileName(const RadioName& radio, const LocalDateTime& when, int n = 1);

// The folder the backups go to: <dataDirectory>/Backups, or another folder of it (the
// directory may lack its trailing separator).
std::string readBackupFolder(std::string_view dataDirectory,
                             std::string_view folder = kBackupFolder);

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
// (or `folder`) of `dataDirectory`, creating the folder. When that folder cannot be made or
// the file cannot be written there, tries the same folder of `fallbackDirectory` (unless it
// is empty).
ReadBackupResult saveReadBackup(std::string_view dataDirectory, std::string_view fallbackDirectory,
                                const RadioName& radio, const RadioImage& image,
                                const LocalDateTime& when, std::string_view folder = kBackupFolder);

// The time and number of a file named as readBackupFileName names the radio's backups;
// nothing for any other name.
struct BackupFileStamp {
    LocalDateTime when;
    int n = 1;
};
std::optional<BackupFileStamp> parseReadBackupFileName(std::string_view name,
                                                       const RadioName& radio);

// A backup found for a radio.
struct FoundBackup {
    std::string path;
    LocalDateTime when;
    RadioImage image;
};
// The newest readable backup of the radio with this model code and serial number, in the
// Backups folders of both directories; nothing when the serial number is empty or there is
// none. Only files named as this program names backups count.
std::optional<FoundBackup> latestReadBackup(std::string_view dataDirectory,
                                            std::string_view fallbackDirectory,
                                            const RadioName& radio);

} // namespace tsw
