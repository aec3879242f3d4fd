#pragma once
// The fleet log: one CSV row per radio that a fleet run wrote (or tried to), appended and
// flushed after each radio, never rewritten:
//
//   Time,Serial,Firmware,Number,Label,DtmfId,CrewLinkId,Result,Message
//   2026-12-07T01:02:03+01:00,A1B2-C3D4E5F,V1.000,3,UNIT 03,103,1003,ok,
//
// Time is ISO 8601 local time with the offset; a value that was not set is an empty cell;
// Result is "ok" (written and read back equal) or "failed" with the reason in Message. Cells
// holding a comma, a quote or a line break are quoted, a quote inside doubled.
//
// Starting a run again on the same log resumes it: the ok rows count towards the total, their
// serial numbers are not written again, numbering goes on after the highest number that
// verified. A log that does not read as such a file is refused with its line named, and left
// as it is.

#include <cstddef>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tsw::fleet {

inline constexpr std::string_view kLogHeader =
    "Time,Serial,Firmware,Number,Label,DtmfId,CrewLinkId,Result,Message";
// A log past this size is not a fleet log anyone keeps: it is refused.
inline constexpr std::size_t kMaxLogBytes = 16u << 20;

struct LogRow {
    std::string time;
    std::string serial;
    std::string firmware;
    int number = 0;
    std::string label;
    std::string dtmfId;
    std::string crewLinkId;
    bool ok = false;
    std::string message;
};

// One row as a CSV line, without the line end.
std::string formatRow(const LogRow& row);

// What a log says for a resumed run.
struct LogSummary {
    std::vector<LogRow> rows;
    int okCount = 0;
    std::optional<int> highestOkNumber;
    std::set<std::string> okSerials;
};

enum class LogDamage {
    None,
    NoHeader,     // the first line is not the header
    Unterminated, // a quoted cell runs to the end of the file
    CellCount,    // a row without nine cells
    BadNumber,    // Number is not a whole number 0..999999
    BadResult,    // Result is neither ok nor failed
    NoLineEnd,    // the last row was cut short (no line end)
    TooLarge,     // larger than kMaxLogBytes
};

struct LogReading {
    std::optional<LogSummary> summary; // when the log reads well
    LogDamage damage = LogDamage::None;
    int line = 0; // the damaged line, from 1
};

// Reads the whole text of a log. An empty text is a log without rows.
LogReading parseLog(std::string_view text);

enum class LogOpen { Opened, Damaged, CannotRead, CannotWrite };

// Appends rows to a log file; the header first when the file is new or empty.
class LogWriter {
public:
    // Reads what the file holds (a missing file holds nothing); the file is not touched.
    LogOpen open(const std::string& path);
    const LogReading& reading() const { return reading_; }
    // Opens the file for appending (creating it with its header when it is new or empty):
    // Opened, or CannotWrite.
    LogOpen start();
    // Appends and flushes one row; false when it could not be written whole.
    bool append(const LogRow& row);

private:
    std::string path_;
    bool empty_ = true;
    std::ofstream out_;
    LogReading reading_;
};

// The log offered for a data file: beside it, named after it ("/d/shop.dat" ->
// "/d/shop-fleet.csv"); without a data file "tsw62m-fleet.csv" in the data folder.
std::string defaultLogPath(const std::string& dataFilePath, const std::string& dataDirectory);

// The time as ISO 8601 local time with its offset, "2026-12-07T01:02:03+01:00".
std::string localTimestamp();

} // namespace tsw::fleet
