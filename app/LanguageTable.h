#pragma once
// The table of user-interface texts, loaded from a language file and looked up by string id.
//
// File format (UTF-8 text, lines end in CR LF or LF): a key line starts with "^#" and the id
// as nine decimal digits ("%.9d"); anything after those eleven characters is ignored. The
// line after a key line is that id's text ("\n" -> line feed, "\t" -> tab, a backslash and
// any other character -> a backslash, that character dropped). Other lines are ignored.
// Within a group (id / 1,000,000) the keys appear in ascending order; each group is read
// from the file's start, so group 3 keys may come before group 1 keys. When one id has two
// texts the first one wins.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/StringIds.h"

namespace tsw {

class LanguageTable {
public:
    static constexpr std::size_t kPoolSize = 24576; // every text plus its zero byte
    static constexpr std::size_t kMaxEntries = 900;
    static constexpr std::size_t kWorkBufferSize = 255; // mode-1 texts keep at most 254 bytes
    static constexpr std::size_t kPlainTextLimit = kWorkBufferSize - 1;

    enum LoadResult : int { Loaded = 0, OpenFailed = 1, Damaged = 2 };

    // The start-up wrapper's literal messages (no language texts exist at that point).
    static constexpr std::string_view kDamagedMessage =
        "Language file has been damaged.  Please install this software again.";
    static constexpr std::string_view kCannotReadMessage =
        "Can't read language file.  Please install this software again.";
    static constexpr std::string_view kWrapperCaption = "TSW-62M";

    LanguageTable();

    // The program's directory, without a trailing separator.
    void setDirectory(std::string directory);
    const std::string& directory() const { return directory_; }

    // The language file's full path for a code: directory + '/' + fileName(code).
    std::string filePath(int languageCode) const;

    // Loads every required id for the language code (1..6) from the program directory.
    // 0 loaded, 1 the file failed to open (or the code names no file), 2 an id or its text is
    // missing, or the pool or entry limit would be exceeded. A failed load keeps the table
    // as it was.
    int load(std::span<const StringId> requiredIds, int languageCode);

    // The same load from a file's contents already in memory (the file load reads the file
    // and calls this). Only groups 1 and 3 are language texts: a required id in any other
    // group gives 1, as no file holds it.
    int loadFromText(std::string_view contents, std::span<const StringId> requiredIds);

    // Mode 0: the text as stored, valid until the next successful load. Mode 1: a copy with
    // every '&' removed, at most 254 bytes (never ending inside a UTF-8 character), valid
    // until the next mode-1 call. An id that is not loaded gives "".
    const char* lookup(StringId id, int mode = 0);

    // Convenience forms for callers that keep the text.
    std::string text(StringId id) const;      // mode 0
    std::string plainText(StringId id) const; // mode 1 rules, without the shared buffer

    std::size_t entryCount() const { return entries_.size(); }
    std::size_t poolUsed() const { return poolUsed_; }

    // "tsw62m_d.lng" ... "tsw62m_s.lng" for codes 1..6; empty for any other code.
    static std::string_view fileName(int languageCode);
    // The help file letter: 1 d, 3 f, 4 g, 5 i, 6 s, anything else e.
    static char helpLetter(int languageCode);

private:
    struct Entry {
        StringId id = 0;
        std::size_t offset = 0; // into pool_
    };

    const char* find(StringId id) const;

    std::string directory_;
    std::array<char, kWorkBufferSize> work_{};
    std::vector<char> pool_;     // kPoolSize bytes, allocated once
    std::vector<Entry> entries_; // sorted by id, at most kMaxEntries
    std::size_t poolUsed_ = 0;
};

} // namespace tsw
