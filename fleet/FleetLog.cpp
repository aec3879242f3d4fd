#include "fleet/FleetLog.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "app/AtomicFile.h"

namespace tsw::fleet {

namespace {

constexpr std::size_t kCellCount = 9;
constexpr std::string_view kOk = "ok";
constexpr std::string_view kFailed = "failed";

std::string quoted(std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(cell);
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// Splits CSV text into records of cells, each with the line it starts on.
struct Record {
    int line = 0;
    std::vector<std::string> cells;
};

struct Splitting {
    std::vector<Record> records;
    LogDamage damage = LogDamage::None;
    int line = 0;
};

class CsvSplitter {
public:
    explicit CsvSplitter(std::string_view text) : text_(text) {}

    Splitting split() {
        while (pos_ < text_.size()) {
            Record record{line_, {}};
            if (!readRecord(record))
                return {std::move(out_.records), damage_, record.line};
            out_.records.push_back(std::move(record));
        }
        return std::move(out_);
    }

private:
    // One record up to and with its line end.
    bool readRecord(Record& record) {
        std::string cell;
        while (true) {
            if (pos_ < text_.size() && text_[pos_] == '"' && cell.empty()) {
                if (!readQuoted(cell))
                    return false;
                continue;
            }
            if (pos_ >= text_.size())
                return fail(LogDamage::NoLineEnd);
            const char c = text_[pos_++];
            if (c == ',') {
                record.cells.push_back(std::move(cell));
                cell.clear();
            } else if (c == '\n' || (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')) {
                pos_ += c == '\r' ? 1 : 0;
                ++line_;
                record.cells.push_back(std::move(cell));
                return true;
            } else {
                cell += c;
            }
        }
    }

    bool readQuoted(std::string& cell) {
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    cell += '"';
                    ++pos_;
                    continue;
                }
                return true;
            }
            if (c == '\n')
                ++line_;
            cell += c;
        }
        return fail(LogDamage::Unterminated);
    }

    bool fail(LogDamage d) {
        damage_ = d;
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    LogDamage damage_ = LogDamage::None;
    Splitting out_;
};

std::optional<int> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(text));
}

LogReading damaged(LogDamage d, int line) {
    return LogReading{std::nullopt, d, line};
}

} // namespace

std::string formatRow(const LogRow& row) {
    const std::string number = std::to_string(row.number);
    const std::string_view cells[kCellCount] = {
        row.time,   row.serial,     row.firmware,           number,     row.label,
        row.dtmfId, row.crewLinkId, row.ok ? kOk : kFailed, row.message};
    std::string line;
    for (std::size_t i = 0; i < kCellCount; ++i) {
        if (i > 0)
            line += ',';
        line += quoted(cells[i]);
    }
    return line;
}

LogReading parseLog(std::string_view text) {
    if (text.size() > kMaxLogBytes)
        return damaged(LogDamage::TooLarge, 1);
    if (text.empty())
        return LogReading{LogSummary{}, LogDamage::None, 0};
    Splitting split = CsvSplitter(text).split();
    const auto& records = split.records;
    if (records.empty()) // the first line itself is damaged
        return damaged(text.starts_with(kLogHeader) ? split.damage : LogDamage::NoHeader, 1);
    std::string header;
    for (const auto& c : records.front().cells)
        header += (header.empty() ? "" : ",") + c;
    if (header != kLogHeader)
        return damaged(LogDamage::NoHeader, 1);
    LogSummary summary;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& r = records[i];
        if (r.cells.size() != kCellCount)
            return damaged(LogDamage::CellCount, r.line);
        const auto number = wholeNumber(r.cells[3]);
        if (!number)
            return damaged(LogDamage::BadNumber, r.line);
        if (r.cells[7] != kOk && r.cells[7] != kFailed)
            return damaged(LogDamage::BadResult, r.line);
        LogRow row{r.cells[0], r.cells[1], r.cells[2],        *number,   r.cells[4],
                   r.cells[5], r.cells[6], r.cells[7] == kOk, r.cells[8]};
        if (row.ok) {
            ++summary.okCount;
            summary.okSerials.insert(row.serial);
            summary.highestOkNumber = std::max(summary.highestOkNumber.value_or(*number), *number);
        }
        summary.rows.push_back(std::move(row));
    }
    if (split.damage != LogDamage::None)
        return damaged(split.damage, split.line);
    return LogReading{std::move(summary), LogDamage::None, 0};
}

LogOpen LogWriter::open(const std::string& path) {
    path_ = path;
    std::error_code ec;
    std::string contents;
    if (std::filesystem::exists(path, ec)) {
        if (!std::filesystem::is_regular_file(path, ec))
            return LogOpen::CannotRead;
        FileReadResult read = readFileContents(path, kMaxLogBytes + 1);
        if (!read)
            return LogOpen::CannotRead;
        contents = std::move(read.contents);
    }
    empty_ = contents.empty();
    reading_ = parseLog(contents);
    return reading_.summary ? LogOpen::Opened : LogOpen::Damaged;
}

LogOpen LogWriter::start() {
    if (!reading_.summary)
        return LogOpen::Damaged;
    out_.open(path_, std::ios::out | std::ios::app | std::ios::binary);
    if (!out_)
        return LogOpen::CannotWrite;
    if (empty_) {
        out_ << kLogHeader << '\n';
        out_.flush();
        if (!out_)
            return LogOpen::CannotWrite;
    }
    return LogOpen::Opened;
}

bool LogWriter::append(const LogRow& row) {
    if (!out_.is_open())
        return false;
    out_ << formatRow(row) << '\n';
    out_.flush();
    return static_cast<bool>(out_);
}

std::string defaultLogPath(const std::string& dataFilePath, const std::string& dataDirectory) {
    if (dataFilePath.empty())
        return (std::filesystem::path(dataDirectory) / "tsw62m-fleet.csv").string();
    std::filesystem::path path(dataFilePath);
    return (path.parent_path() / (path.stem().string() + "-fleet.csv")).string();
}

std::string localTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string out(text, n);
    // strftime gives the offset as +hhmm; ISO 8601's extended form writes +hh:mm.
    if (out.size() >= 5)
        out.insert(out.size() - 2, ":");
    return out;
}

} // namespace tsw::fleet
