#include "app/LanguageTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "app/AtomicFile.h"

namespace tsw {

namespace {

constexpr std::string_view kKeyMarker = "^#";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr StringId kGroupSize = 1000000;

constexpr std::array<std::string_view, 6> kFileNames = {
    "tsw62m_d.lng", "tsw62m_e.lng", "tsw62m_f.lng", "tsw62m_g.lng", "tsw62m_i.lng", "tsw62m_s.lng",
};

StringId groupOf(StringId id) {
    return id / kGroupSize;
}
bool isTextGroup(StringId group) {
    return group == 1 || group == 3;
}

// Reads a text line by line; a line ends in LF, and a CR right before the LF is dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        if (pos_ >= text_.size())
            return false;
        const std::size_t end = text_.find('\n', pos_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        line = text_.substr(pos_, stop - pos_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        return true;
    }

    // Reads on to the key line and takes the line after it as the text; false when the
    // text ends before either.
    bool textAfterKey(std::string_view key, std::string_view& text) {
        std::string_view line;
        while (next(line))
            if (line.size() >= key.size() && line.substr(0, key.size()) == key)
                return next(text);
        return false;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string keyFor(StringId id) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.9d", static_cast<int>(id)); // nine digits
    return std::string(kKeyMarker) + digits;
}

// Escapes resolved; a trailing backslash with nothing after it stays a backslash. The text
// ends at a zero byte, as every stored text does.
std::string unescape(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size() && line[i] != '\0'; ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            out += line[i];
            continue;
        }
        const char next = line[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
    }
    return out;
}

std::vector<StringId> sortedUnique(std::span<const StringId> ids) {
    std::vector<StringId> out(ids.begin(), ids.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Copies `text` without any '&', at most `limit` bytes; a cut that would split a UTF-8
// character ends before that character.
std::size_t copyPlain(const char* text, char* out, std::size_t limit) {
    std::size_t n = 0;
    const char* p = text;
    for (; *p != '\0' && n < limit; ++p)
        if (*p != '&')
            out[n++] = *p;
    while (*p == '&')
        ++p;
    if (n == limit && isContinuationByte(*p)) {
        std::size_t back = n;
        while (back > 0 && n - back < 4 && isContinuationByte(out[back - 1]))
            --back;
        if (back > 0 && n - back < 4)
            n = back - 1; // drop the lead byte and its continuation bytes
    }
    out[n] = '\0';
    return n;
}

} // namespace

LanguageTable::LanguageTable() : pool_(kPoolSize, '\0') {
    entries_.reserve(kMaxEntries);
}

void LanguageTable::setDirectory(std::string directory) {
    directory_ = std::move(directory);
}

std::string LanguageTable::filePath(int languageCode) const {
    return directory_ + '/' + std::string(fileName(languageCode));
}

int LanguageTable::load(std::span<const StringId> requiredIds, int languageCode) {
    if (fileName(languageCode).empty())
        return OpenFailed;
    const FileReadResult file = readFileContents(filePath(languageCode));
    if (!file)
        return OpenFailed;
    return loadFromText(file.contents, requiredIds);
}

int LanguageTable::loadFromText(std::string_view contents, std::span<const StringId> requiredIds) {
    if (contents.starts_with(kUtf8Bom))
        contents.remove_prefix(kUtf8Bom.size());

    const std::vector<StringId> ids = sortedUnique(requiredIds);
    if (std::any_of(ids.begin(), ids.end(), [](StringId id) { return !isTextGroup(groupOf(id)); }))
        return OpenFailed;

    std::vector<char> pool(kPoolSize, '\0');
    std::vector<Entry> entries;
    entries.reserve(kMaxEntries);
    std::size_t used = 0;

    std::optional<LineReader> reader;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i == 0 || groupOf(ids[i]) != groupOf(ids[i - 1]))
            reader.emplace(contents); // each group is read from the file's start
        std::string_view line;
        if (!reader->textAfterKey(keyFor(ids[i]), line))
            return Damaged;
        const std::string text = unescape(line);
        if (entries.size() >= kMaxEntries || text.size() + 1 > kPoolSize - used)
            return Damaged;
        std::copy(text.begin(), text.end(), pool.begin() + static_cast<std::ptrdiff_t>(used));
        pool[used + text.size()] = '\0';
        entries.push_back({ids[i], used});
        used += text.size() + 1;
    }

    pool_.swap(pool);
    entries_.swap(entries);
    poolUsed_ = used;
    return Loaded;
}

const char* LanguageTable::find(StringId id) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), id,
                                     [](const Entry& e, StringId v) { return e.id < v; });
    if (it == entries_.end() || it->id != id)
        return "";
    return pool_.data() + it->offset;
}

const char* LanguageTable::lookup(StringId id, int mode) {
    const char* text = find(id);
    if (mode != 1)
        return text;
    copyPlain(text, work_.data(), kPlainTextLimit);
    return work_.data();
}

std::string LanguageTable::text(StringId id) const {
    return find(id);
}

std::string LanguageTable::plainText(StringId id) const {
    std::array<char, kWorkBufferSize> buffer{};
    const std::size_t n = copyPlain(find(id), buffer.data(), kPlainTextLimit);
    return std::string(buffer.data(), n);
}

std::string_view LanguageTable::fileName(int languageCode) {
    if (languageCode < 1 || languageCode > static_cast<int>(kFileNames.size()))
        return {};
    return kFileNames[static_cast<std::size_t>(languageCode - 1)];
}

char LanguageTable::helpLetter(int languageCode) {
    switch (languageCode) {
    case 1:
        return 'd';
    case 3:
        return 'f';
    case 4:
        return 'g';
    case 5:
        return 'i';
    case 6:
        return 's';
    default:
        return 'e';
    }
}

} // namespace tsw
