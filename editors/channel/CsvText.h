#pragma once
// Comma-separated text as spreadsheets write it: fields separated by commas, records by
// CR LF, LF or CR; a field that starts with a double quote (blanks before it are skipped) runs
// to the next lone double quote and may hold commas, line breaks and doubled quotes ("" for
// one "); blanks after the closing quote are skipped. Reading also skips a
// UTF-8 byte-order mark at the start and lines that start with '#' (comments).
//
// The same rules read and write tab-separated text (what spreadsheets put on the clipboard)
// when the separator is a tab; blanks are then spaces only.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tsw::csv {

struct Record {
    int line = 0;        // line of the file on which the record starts (1-based)
    bool broken = false; // a quoted field is not closed properly; the fields are incomplete
    std::vector<std::string> fields;
};

// At most this many fields of a record are kept; the rest are dropped.
inline constexpr std::size_t kMaxFields = 256;

inline constexpr char kComma = ',';
inline constexpr char kTab = '\t';

// The records in file order. Comment lines are not records; blank lines are.
std::vector<Record> read(std::string_view text, char separator = kComma);

// True when every field of the record is empty or blank.
bool isBlank(const Record& record);

// The field as a record holds it: quoted when it holds the separator, a quote, a line break,
// or blanks at either end.
std::string quoteField(std::string_view field, char separator = kComma);
// One record: the quoted fields joined by the separator, ended by CR LF.
std::string joinRecord(const std::vector<std::string>& fields, char separator = kComma);

// The text without blanks (spaces, tabs) at either end.
std::string_view trim(std::string_view text);

} // namespace tsw::csv
