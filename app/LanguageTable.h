#pragma once
// The table of user-interface texts, loaded from a language file and looked up by string id.
//
// File format: a key line starts with "^#" and the id as nine decimal digits ("%.9d");
// the line after it is the text ("\n" -> line feed, "\t" -> tab, backslash + any other
// character -> a backslash, that character dropped). Other lines are ignored. Within a group
// (id / 1,000,000) the keys appear in ascending order; each group is read from the file's start.

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
    static constexpr std::size_t kPoolSize = 24576;
    static constexpr std::size_t kMaxEntries = 900;
    static constexpr std::size_t kMaxGroups = 16;
    static constexpr std::size_t kWorkBufferSize = 255; // mode-1 texts keep at most 254 characters

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

    // Loads every required id for the language code (1..6). 0 loaded, 1 a file failed to
    // open, 2 an id or its text is missing (or the pool or entry limit would be exceeded).
    int load(std::span<const StringId> requiredIds, int languageCode);

    // Mode 0: the text as stored, valid until the next load. Mode 1: a copy with every '&'
    // removed, at most 254 characters, valid until the next mode-1 call. Not loaded: "".
    const char* lookup(StringId id, int mode = 0);

    // Convenience forms for callers that keep the text.
    std::string text(StringId id) const;      // mode 0
    std::string plainText(StringId id) const; // mode 1 rules, without the shared buffer

    std::size_t entryCount() const { return entryCount_; }

    // "tsw62m_d.lng" ... "tsw62m_s.lng" for codes 1..6; empty for any other code.
    static std::string_view fileName(int languageCode);
    // The help file letter: 1 d, 3 f, 4 g, 5 i, 6 s, anything else e.
    static char helpLetter(int languageCode);

private:
    struct Entry {
        StringId id = 0;
        std::size_t offset = 0; // into pool_
    };
    struct Group {
        std::size_t firstIndex = 0;
        int number = 0;
    };

    const char* find(StringId id) const;

    std::string directory_;
    std::array<char, kWorkBufferSize> work_{};
    std::vector<char> pool_;
    std::vector<Entry> entries_;
    std::size_t entryCount_ = 0;
    std::array<Group, kMaxGroups> groups_{};
    std::size_t groupCount_ = 0;
};

} // namespace tsw
