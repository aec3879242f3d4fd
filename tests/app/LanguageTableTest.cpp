#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/LanguageTable.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

namespace {

std::string key(StringId id) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.9d", id);
    return std::string("^#") + digits;
}

// A file with one key line and one text line per (id, text), in the given order.
std::string fileOf(const std::vector<std::pair<StringId, std::string>>& entries) {
    std::string out;
    for (const auto& [id, text] : entries)
        out += key(id) + "\n" + text + "\n";
    return out;
}

std::vector<StringId> idRange(StringId first, std::size_t count) {
    std::vector<StringId> ids;
    for (std::size_t i = 0; i < count; ++i)
        ids.push_back(first + static_cast<StringId>(i));
    return ids;
}

} // namespace

TEST(LanguageTable, LoadResults) {
    struct Case {
        const char* name;
        std::string contents;
        std::vector<StringId> ids;
        int expected;
    };
    const Case cases[] = {
        {"all present", fileOf({{1001001, "a"}, {1001003, "b"}}), {1001001, 1001003}, 0},
        {"missing id", fileOf({{1001001, "a"}}), {1001001, 1001003}, 2},
        {"keys out of order", fileOf({{1001003, "b"}, {1001001, "a"}}), {1001001, 1001003}, 2},
        {"file ends right after key", key(1001001) + "\n", {1001001}, 2},
        {"file ends in key without newline", key(1001001), {1001001}, 2},
        {"seven-digit key", "^#1001001\ntext\n", {1001001}, 2},
        {"key with extra text", key(1001001) + "  some words\ntext\n", {1001001}, 0},
        {"key glued to digits", key(1001001) + "9\ntext\n", {1001001}, 0},
        {"eight-digit key", "^#01001001\ntext\n", {1001001}, 2},
        {"key not at line start", " " + key(1001001) + "\ntext\n", {1001001}, 2},
        {"group 3 before group 1", fileOf({{3002001, "x"}, {1001001, "y"}}), {1001001, 3002001}, 0},
        {"groups interleaved",
         fileOf({{1001001, "a"}, {3002001, "x"}, {1001003, "b"}}),
         {1001001, 1001003, 3002001},
         0},
        {"last text without newline", key(1001001) + "\ntext", {1001001}, 0},
        {"empty text line", key(1001001) + "\n\n", {1001001}, 0},
        {"id in group 2", fileOf({{2001001, "a"}}), {2001001}, 1},
        {"no ids", "", {}, 0},
        {"duplicate required id", fileOf({{1001001, "a"}}), {1001001, 1001001}, 0},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        EXPECT_EQ(table.loadFromText(c.contents, c.ids), c.expected) << c.name;
    }
}

TEST(LanguageTable, TextsAndEscapes) {
    struct Case {
        const char* line;
        const char* mode0;
        const char* mode1;
    };
    const Case cases[] = {
        {"Two\\nlines", "Two\nlines", "Two\nlines"},
        {"a\\tb", "a\tb", "a\tb"},
        {"a\\\\b", "a\\b", "a\\b"},
        {"a\\xb", "a\\b", "a\\b"},
        {"end\\", "end\\", "end\\"},
        {"&File", "&File", "File"},
        {"Save &As", "Save &As", "Save As"},
        {"a&&b", "a&&b", "ab"},
        {"&&&", "&&&", ""},
        {"carriage\r", "carriage", "carriage"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        const StringId id = 1001019;
        ASSERT_EQ(table.loadFromText(key(id) + "\n" + c.line + "\n", std::vector{id}), 0) << c.line;
        EXPECT_STREQ(table.lookup(id, 0), c.mode0) << c.line;
        EXPECT_EQ(table.text(id), c.mode0) << c.line;
        EXPECT_STREQ(table.lookup(id, 1), c.mode1) << c.line;
        EXPECT_EQ(table.plainText(id), c.mode1) << c.line;
    }
}

TEST(LanguageTable, FirstOfTwoTextsWinsAndReadingContinues) {
    LanguageTable table;
    const std::string file =
        key(1001001) + "\nfirst\n" + key(1001001) + "\nsecond\n" + key(1001003) + "\nnext\n";
    ASSERT_EQ(table.loadFromText(file, std::vector{1001001, 1001003}), 0);
    EXPECT_EQ(table.text(1001001), "first");
    EXPECT_EQ(table.text(1001003), "next");
}

TEST(LanguageTable, UnknownIdGivesEmptyText) {
    LanguageTable table;
    EXPECT_STREQ(table.lookup(1001001, 0), "");
    EXPECT_STREQ(table.lookup(1001001, 1), "");
    ASSERT_EQ(table.loadFromText(fileOf({{1001001, "a"}, {1001005, "c"}}), std::vector{1001001}),
              0);
    EXPECT_STREQ(table.lookup(1001005, 0), "");
    EXPECT_STREQ(table.lookup(3001001, 1), "");
    EXPECT_EQ(table.entryCount(), 1u);
}

TEST(LanguageTable, PlainTextCutsAt254BytesOnCharacterBoundary) {
    const std::string e2 = "\xC3\xA9";     // two-byte character
    const std::string e3 = "\xE2\x82\xAC"; // three-byte character
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"300 plain", std::string(300, 'x'), std::string(254, 'x')},
        {"exactly 254", std::string(254, 'x'), std::string(254, 'x')},
        {"ampersands do not count", "&" + std::string(130, 'x') + "&&" + std::string(130, 'y'),
         std::string(130, 'x') + std::string(124, 'y')},
        {"ampersands after the cut", std::string(254, 'x') + "&&&", std::string(254, 'x')},
        {"2-byte char split", std::string(253, 'x') + e2 + "z", std::string(253, 'x')},
        {"2-byte char fits", std::string(252, 'x') + e2 + "z", std::string(252, 'x') + e2},
        {"3-byte char split after 1", std::string(253, 'x') + e3, std::string(253, 'x')},
        {"3-byte char split after 2", std::string(252, 'x') + e3, std::string(252, 'x')},
        {"3-byte char fits", std::string(251, 'x') + e3 + "z", std::string(251, 'x') + e3},
        {"ampersand before a split char", std::string(253, 'x') + "&" + e2, std::string(253, 'x')},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        ASSERT_EQ(table.loadFromText(key(1001001) + "\n" + c.text + "\n", std::vector{1001001}), 0);
        EXPECT_EQ(std::string(table.lookup(1001001, 1)), c.expected) << c.name;
        EXPECT_EQ(table.plainText(1001001), c.expected) << c.name;
        EXPECT_EQ(table.text(1001001), c.text) << c.name;
    }
}

TEST(LanguageTable, PoolLimitRefusesWithoutOverrun) {
    // 24 texts of 1023 bytes plus their zero bytes fill the pool exactly.
    const auto ids = idRange(1001000, 24);
    std::vector<std::pair<StringId, std::string>> entries;
    for (StringId id : ids)
        entries.push_back({id, std::string(1023, 'p')});
    LanguageTable table;
    ASSERT_EQ(table.loadFromText(fileOf(entries), ids), 0);
    EXPECT_EQ(table.poolUsed(), LanguageTable::kPoolSize);

    entries.back().second += 'q';
    LanguageTable overflowing;
    EXPECT_EQ(overflowing.loadFromText(fileOf(entries), ids), 2);
    EXPECT_EQ(overflowing.entryCount(), 0u);

    const std::string huge = key(1001001) + "\n" + std::string(100000, 'h') + "\n";
    EXPECT_EQ(overflowing.loadFromText(huge, std::vector{1001001}), 2);
}

TEST(LanguageTable, EntryLimitRefusesWithoutOverrun) {
    std::vector<std::pair<StringId, std::string>> entries;
    for (StringId id : idRange(1000000, 901))
        entries.push_back({id, "t"});
    const std::string file = fileOf(entries);
    LanguageTable table;
    EXPECT_EQ(table.loadFromText(file, idRange(1000000, 900)), 0);
    EXPECT_EQ(table.entryCount(), 900u);
    EXPECT_EQ(table.text(1000899), "t");
    LanguageTable tooMany;
    EXPECT_EQ(tooMany.loadFromText(file, idRange(1000000, 901)), 2);
    EXPECT_EQ(tooMany.entryCount(), 0u);
}

TEST(LanguageTable, FailedLoadKeepsPreviousTexts) {
    LanguageTable table;
    ASSERT_EQ(table.loadFromText(fileOf({{1001001, "kept"}}), std::vector{1001001}), 0);
    EXPECT_EQ(table.loadFromText(fileOf({{1001001, "new"}}), std::vector{1001001, 1001003}), 2);
    EXPECT_EQ(table.text(1001001), "kept");
    ASSERT_EQ(table.loadFromText(fileOf({{1001003, "other"}}), std::vector{1001003}), 0);
    EXPECT_EQ(table.text(1001001), "");
    EXPECT_EQ(table.text(1001003), "other");
}

TEST(LanguageTable, LoadsFromTheProgramDirectory) {
    LanguageTable table;
    table.setDirectory(test::testDataPath("lang/basic"));
    const std::vector<StringId> ids = {3002021, 3002023, 1001001, 1001003, 1001019};
    ASSERT_EQ(table.load(ids, 2), 0);
    EXPECT_EQ(table.text(1001001), "OK");
    EXPECT_EQ(table.text(1001003), "Cancel");
    EXPECT_EQ(table.text(1001019), "Line one\nLine two\tTabbed \\ backslash");
    EXPECT_EQ(table.plainText(3002021), "Optional Features...");
    EXPECT_EQ(table.text(3002023), "&Key Assignment");

    EXPECT_EQ(table.load(ids, 1), 1) << "no German file in that folder";
    EXPECT_EQ(table.load(ids, 0), 1);
    EXPECT_EQ(table.load(ids, 7), 1);
    EXPECT_EQ(table.text(1001001), "OK");

    table.setDirectory(test::testDataPath("lang/crlf"));
    ASSERT_EQ(table.load(std::vector{1001001, 1001003, 3002021}, 1), 0);
    EXPECT_EQ(table.text(1001001), "OK") << "byte-order mark and CR LF endings";
    EXPECT_EQ(table.text(3002021), "&Optional Features...");
}

TEST(LanguageTable, FileNamesAndHelpLetters) {
    struct Case {
        int code;
        const char* file;
        char letter;
    };
    const Case cases[] = {
        {0, "", 'e'},  {1, "tsw62m_d.lng", 'd'}, {6, "tsw62m_s.lng", 's'}, {7, "", 'e'},
        {-1, "", 'e'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageTable::fileName(c.code), c.file) << c.code;
        EXPECT_EQ(LanguageTable::helpLetter(c.code), c.letter) << c.code;
    }
    LanguageTable table;
    table.setDirectory("/opt/tsw");
    EXPECT_EQ(table.filePath(4), "/opt/tsw/tsw62m_g.lng");
}
