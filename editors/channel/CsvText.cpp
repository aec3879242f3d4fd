#include "editors/channel/CsvText.h"

namespace tsw::csv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlankChar(char c, char separator = kComma) {
    return c != separator && (c == ' ' || c == '\t');
}

// Reads records one by one; `pos` always stands at the start of a record.
class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {
        if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            pos_ = kByteOrderMark.size();
    }

    std::vector<Record> readAll() {
        std::vector<Record> records;
        while (pos_ < text_.size()) {
            if (text_[pos_] == '#') {
                skipLine();
                continue;
            }
            Record record;
            record.line = line_;
            record.broken = !readRecord(record);
            records.push_back(std::move(record));
        }
        return records;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }

    // Consumes a line break at pos (CR LF, LF or CR); false when there is none.
    bool takeLineBreak() {
        if (atEnd())
            return false;
        if (text_[pos_] == '\r') {
            ++pos_;
            if (!atEnd() && text_[pos_] == '\n')
                ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    void skipLine() {
        while (!atEnd() && !takeLineBreak())
            ++pos_;
    }

    // False when the record's quoting is broken; the rest of its line is then skipped.
    bool readRecord(Record& record) {
        for (;;) {
            std::string field;
            const bool fieldOk = startsQuoted() ? readQuoted(field) : readPlain(field);
            if (!fieldOk) {
                skipLine();
                return false;
            }
            if (record.fields.size() < kMaxFields)
                record.fields.push_back(std::move(field));
            if (atEnd() || takeLineBreak())
                return true;
            ++pos_; // the separator
        }
    }

    // A field whose first character other than blanks is a double quote; the blanks are
    // skipped then.
    bool startsQuoted() {
        std::size_t p = pos_;
        while (p < text_.size() && isBlankChar(text_[p], separator_))
            ++p;
        if (p >= text_.size() || text_[p] != '"')
            return false;
        pos_ = p;
        return true;
    }

    bool readPlain(std::string& field) {
        while (!atEnd() && text_[pos_] != separator_ && text_[pos_] != '\r' && text_[pos_] != '\n')
            field += text_[pos_++];
        return true;
    }

    bool readQuoted(std::string& field) {
        ++pos_; // the opening quote
        for (;;) {
            if (atEnd())
                return false; // never closed
            const char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    field += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            if (c == '\r' || c == '\n') {
                const std::size_t before = pos_;
                takeLineBreak();
                field.append(text_.substr(before, pos_ - before));
                continue;
            }
            field += c;
            ++pos_;
        }
        while (!atEnd() && isBlankChar(text_[pos_], separator_))
            ++pos_;
        return atEnd() || text_[pos_] == separator_ || text_[pos_] == '\r' || text_[pos_] == '\n';
    }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

std::vector<Record> read(std::string_view text, char separator) {
    return Reader(text, separator).readAll();
}

bool isBlank(const Record& record) {
    for (const auto& field : record.fields)
        if (!trim(field).empty())
            return false;
    return true;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlankChar(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankChar(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string quoteField(std::string_view field, char separator) {
    const char special[] = {separator, '"', '\r', '\n'};
    const bool needsQuotes =
        field.find_first_of(std::string_view(special, sizeof special)) != std::string_view::npos ||
        (!field.empty() && (isBlankChar(field.front()) || isBlankChar(field.back())));
    if (!needsQuotes)
        return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string joinRecord(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += quoteField(fields[i], separator);
    }
    out += "\r\n";
    return out;
}

} // namespace tsw::csv
