// The six language files: each one loads with the program's required ids and agrees with
// the others on everything the program relies on (format specifiers, mnemonics, order).
// A string id added to app/StringIds.def fails these tests until every file carries it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/LanguageTable.h"
#include "app/StringIds.h"

namespace tsw {
namespace {

namespace fs = std::filesystem;

struct NamedId {
    StringId id;
    const char* name;
};
constexpr NamedId kNamedIds[] = {
#define TSW_STRING(name, id) {id, #name},
#include "app/StringIds.def"
#undef TSW_STRING
};

std::string nameOf(StringId id) {
    for (const auto& n : kNamedIds)
        if (n.id == id)
            return n.name;
    return "(not in StringIds.def)";
}

struct Language {
    int code;
    const char* file;
    const char* ownName; // how the language names itself in the selection list
};
constexpr std::array<Language, 6> kLanguages = {{
    {1, "tsw62m_d.lng", "Nederlands"},
    {2, "tsw62m_e.lng", "English"},
    {3, "tsw62m_f.lng", "Français"},
    {4, "tsw62m_g.lng", "Deutsch"},
    {5, "tsw62m_i.lng", "Italiano"},
    {6, "tsw62m_s.lng", "Español"},
}};
constexpr std::size_t kEnglish = 1;

void PrintTo(const Language& lang, std::ostream* os) {
    *os << lang.file;
}

const fs::path kSourceDir = fs::path(TSW_SOURCE_DIR) / "lang";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The same escape rule as the program's loader: \n, \t, and a backslash before anything
// else gives one backslash.
std::string unescape(const std::string& raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char next = raw[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
    }
    return out;
}

struct Key {
    StringId id;
    int line;
    std::string text; // unescaped
};

// Every key line of a file in file order, with the text on the line after it.
std::vector<Key> readKeys(const std::string& contents) {
    std::vector<Key> keys;
    std::vector<std::string> lines;
    std::istringstream in(contents);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (l.rfind("^#", 0) != 0)
            continue;
        const std::string digits = l.substr(2, 9);
        const bool wellFormed =
            digits.size() == 9 &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        EXPECT_TRUE(wellFormed) << "line " << i + 1 << ": key without nine digits: " << l;
        if (!wellFormed)
            continue;
        const std::string text = i + 1 < lines.size() ? unescape(lines[i + 1]) : std::string();
        keys.push_back({std::stoi(digits), static_cast<int>(i + 1), text});
    }
    return keys;
}

std::map<StringId, std::string> textsOf(const std::vector<Key>& keys) {
    std::map<StringId, std::string> texts;
    for (const auto& k : keys)
        texts.emplace(k.id, k.text); // the first text of an id wins, as in the loader
    return texts;
}

bool isValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80           ? 0
                          : (c >> 5) == 0x6  ? 1
                          : (c >> 4) == 0xE  ? 2
                          : (c >> 3) == 0x1E ? 3
                                             : -1;
        if (extra < 0 || i + extra >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::vector<std::string> formatSpecifiers(const std::string& text) {
    static const std::regex formatPattern(
        R"(%[-+ #0]*[0-9*]*(\.[0-9*]+)?(hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn%])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), formatPattern);
         it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

// The mnemonic letters of a text: the character after each single '&' ("&&" is a literal
// ampersand). Several of them, or one with nothing after it, is a fault.
std::vector<std::string> mnemonics(const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '&') {
            ++i;
            continue;
        }
        std::size_t len = 1;
        if (i + 1 < text.size()) {
            const auto c = static_cast<unsigned char>(text[i + 1]);
            len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        }
        std::string letter = text.substr(i + 1, len);
        if (letter.size() == 1)
            letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
        found.push_back(letter);
    }
    return found;
}

class LanguageFileTest : public ::testing::TestWithParam<Language> {
protected:
    fs::path path() const { return kSourceDir / GetParam().file; }
};

TEST_P(LanguageFileTest, LoadsEveryRequiredIdWithTheProgramsLoader) {
    LanguageTable table;
    table.setDirectory(kSourceDir.string());
    ASSERT_EQ(table.load(kRequiredStringIds, GetParam().code), LanguageTable::Loaded) << path();
    EXPECT_EQ(table.entryCount(), kRequiredStringIds.size());
    EXPECT_STREQ(table.lookup(StrId::LanguageEnglish), "English");
}

TEST_P(LanguageFileTest, KeysAreWellFormedAscendingAndCoverExactlyTheRequiredIds) {
    const std::string contents = readFile(path());
    ASSERT_FALSE(contents.empty()) << path();
    EXPECT_TRUE(isValidUtf8(contents)) << path() << " is not valid UTF-8";
    const std::vector<Key> keys = readKeys(contents);

    for (std::size_t i = 1; i < keys.size(); ++i)
        EXPECT_LT(keys[i - 1].id, keys[i].id)
            << GetParam().file << " line " << keys[i].line << ": id " << keys[i].id
            << " out of order or repeated";

    const std::set<StringId> required(kRequiredStringIds.begin(), kRequiredStringIds.end());
    std::set<StringId> present;
    for (const auto& k : keys) {
        present.insert(k.id);
        EXPECT_TRUE(required.count(k.id)) << GetParam().file << " line " << k.line << ": id "
                                          << k.id << " is not used by the program";
    }
    for (StringId id : required)
        EXPECT_TRUE(present.count(id)) << GetParam().file << " lacks id " << id << " ("
                                       << nameOf(id) << "): add it to all six language files";
}

TEST_P(LanguageFileTest, TextsAreNonEmptyShortEnoughAndCarryAtMostOneMnemonic) {
    for (const auto& [id, text] : textsOf(readKeys(readFile(path())))) {
        const std::string where =
            std::string(GetParam().file) + " " + std::to_string(id) + " (" + nameOf(id) + ")";
        EXPECT_NE(text.find_first_not_of(" \t\n"), std::string::npos) << where << " is empty";
        EXPECT_TRUE(text.rfind("^#", 0) != 0)
            << where << ": a key line stands where its text belongs";
        EXPECT_LE(text.size(), LanguageTable::kPlainTextLimit)
            << where << " is cut when shown without '&'";
        const auto m = mnemonics(text);
        EXPECT_LE(m.size(), 1u) << where << " has more than one mnemonic: " << text;
        for (const auto& letter : m)
            EXPECT_TRUE(!letter.empty() && letter != " ")
                << where << ": '&' marks no letter: " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguageFileTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(1, info.param.file[7]); });

std::vector<std::map<StringId, std::string>> allTexts() {
    std::vector<std::map<StringId, std::string>> all;
    for (const auto& lang : kLanguages)
        all.push_back(textsOf(readKeys(readFile(kSourceDir / lang.file))));
    return all;
}

TEST(LanguageFiles, FormatSpecifiersAndLineBreaksAgreeWithEnglish) {
    const auto all = allTexts();
    for (const auto& [id, english] : all[kEnglish]) {
        const auto expected = formatSpecifiers(english);
        const bool endsInBreak = !english.empty() && english.back() == '\n';
        for (std::size_t l = 0; l < kLanguages.size(); ++l) {
            const auto it = all[l].find(id);
            if (it == all[l].end())
                continue; // reported by the per-file test
            EXPECT_EQ(formatSpecifiers(it->second), expected)
                << kLanguages[l].file << " " << id << " (" << nameOf(id) << ")";
            // Texts followed directly by a file name end in a line break in every language.
            EXPECT_EQ(!it->second.empty() && it->second.back() == '\n', endsInBreak)
                << kLanguages[l].file << " " << id << " (" << nameOf(id) << ")";
        }
    }
}

// The numbers with decimals in a text, in order ("1.0", "67,0" ...).
std::vector<std::string> decimalNumbers(const std::string& text) {
    static const std::regex number(R"(\d+[.,]\d+)");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

// The program writes numbers with a decimal point in every language, as the radio shows them
// and as it shows and prints the numbers it formats itself (frequencies, tones, look-back
// times): a number in a text is written as in English.
TEST(LanguageFiles, DecimalNumbersAreWrittenAsInEnglish) {
    const auto all = allTexts();
    for (const auto& [id, english] : all[kEnglish]) {
        const auto expected = decimalNumbers(english);
        for (std::size_t l = 0; l < kLanguages.size(); ++l) {
            const auto it = all[l].find(id);
            if (it == all[l].end())
                continue; // reported by the per-file test
            EXPECT_EQ(decimalNumbers(it->second), expected)
                << kLanguages[l].file << " " << id << " (" << nameOf(id) << ")";
        }
    }
}

TEST(LanguageFiles, EveryLanguageIsNamedInItsOwnLanguageInEveryFile) {
    const StringId ids[] = {StrId::LanguageDutch,  StrId::LanguageEnglish, StrId::LanguageFrench,
                            StrId::LanguageGerman, StrId::LanguageItalian, StrId::LanguageSpanish};
    const auto all = allTexts();
    for (std::size_t l = 0; l < kLanguages.size(); ++l)
        for (std::size_t k = 0; k < kLanguages.size(); ++k)
            EXPECT_EQ(all[l].at(ids[k]), kLanguages[k].ownName) << kLanguages[l].file;
}

// Texts shown side by side whose mnemonics must differ: the menu bar, each menu, and the
// button rows of the dialogs.
const std::vector<std::pair<const char*, std::vector<StringId>>>& mnemonicGroups() {
    using namespace StrId;
    static const std::vector<std::pair<const char*, std::vector<StringId>>> groups = {
        {"menu bar",
         {MenuFile, MenuModel, MenuEdit, MenuProgram, MenuTools, MenuSetup, MenuView, MenuWindow,
          MenuHelp}},
        {"File menu",
         {MenuFileNew, MenuFileOpen, MenuFileSave, MenuFileSaveAs, MenuFileImportCsv,
          MenuFileExportCsv, MenuCompareWithFile, MenuFilePrint, MenuFilePrintPreview,
          MenuFileExit}},
        {"Edit menu",
         {MenuEditUndo, MenuEditRedo, MenuEditClearUndoHistory, MenuChannelInformation,
          MenuOptionalFeatures, MenuKeyAssignment, MenuScanInformation, MenuTestFrequency,
          MenuEmbeddedMessage, MenuQtDqtTable, MenuEditInsertChannel, MenuEditDeleteChannel,
          MenuEditCopyChannel, MenuEditCopyRows, MenuEditPasteRows}},
        {"Edit menu with nothing to undo", {MenuEditUndoNothing, MenuEditRedoNothing}},
        {"Program menu",
         {MenuReadFromRadio, MenuWriteToRadio, MenuProgramWriteFleet, MenuTestMode, MenuMemoryMap,
          MenuCompareWithRadio}},
        {"Tools menu", {MenuRadioInformation, MenuCheckConfiguration}},
        {"Setup menu", {MenuCommunicationPort, MenuLanguageFileSetup, MenuVerifyAfterWriting}},
        {"View menu", {MenuTreeView, MenuToolbar, MenuStatusBar}},
        {"Window menu",
         {MenuCascade, MenuTileHorizontally, MenuTileVertically, MenuArrangeIcons,
          MenuCloseAllWindows}},
        {"Help menu", {MenuHelpTopics, MenuAbout}},
        {"channel information buttons", {CloseButton, HelpButton, ChannelEditButton}},
        {"Channel Copy buttons", {CopyButton, CloseButton, HelpButton}},
        {"Print Out List buttons",
         {PrintSetupButton, AllClearButton, SelectAllButton, HelpButton, PrintLayoutBlocks,
          PrintLayoutTable}},
        {"Communication Port controls",
         {PortDeviceLabel, PortRescanButton, PortDevicesPresent, HelpButton}},
        {"tuning dialog buttons", {PttButton, StartButton}},
        {"failed write question buttons", {WriteAgainButton, WriteBackupButton}},
        {"Check Configuration buttons",
         {CheckAgainButton, CheckShowFieldButton, CloseButton, HelpButton}},
        {"write check controls", {WriteAnywayButton, WriteCheckSuppress, HelpButton}},
        {"compare window controls",
         {CompareFilterLabel, CompareCopyButton, ComparePrintButton, CompareAgainButton,
          CloseButton, HelpButton}},
        {"Test Mode buttons",
         {PttButton, TestModeWideButton, TestModeNarrowButton, TestModeTuningModeButton,
          TestModePrintButton, CloseButton, HelpButton}},
        {"Write to Several Radios controls",
         {FleetFirstNumberLabel, FleetLabelPatternLabel, FleetLabelLineLabel, FleetFirstDtmfLabel,
          FleetFirstCrewLinkLabel, FleetCountLabel, FleetLogLabel, FleetBrowseButton,
          FleetStartButton, FleetStopButton, CloseButton, HelpButton}},
    };
    return groups;
}

TEST(LanguageFiles, MnemonicsAreUniqueWithinEachMenuAndButtonRow) {
    const auto all = allTexts();
    for (std::size_t l = 0; l < kLanguages.size(); ++l) {
        for (const auto& [group, ids] : mnemonicGroups()) {
            std::map<std::string, StringId> seen;
            for (StringId id : ids) {
                const auto it = all[l].find(id);
                if (it == all[l].end())
                    continue;
                const auto m = mnemonics(it->second);
                EXPECT_EQ(m.size(), 1u) << kLanguages[l].file << " " << group << ": " << nameOf(id)
                                        << " needs one mnemonic: " << it->second;
                for (const auto& letter : m) {
                    const auto [other, inserted] = seen.emplace(letter, id);
                    EXPECT_TRUE(inserted)
                        << kLanguages[l].file << " " << group << ": '" << letter << "' marks both "
                        << nameOf(other->second) << " and " << nameOf(id);
                }
            }
        }
    }
}

TEST(LanguageFiles, ProgramDirectoryHoldsTheSameFilesAsTheSources) {
    for (const auto& lang : kLanguages) {
        const fs::path copy = fs::path(TSW_BIN_DIR) / lang.file;
        ASSERT_TRUE(fs::exists(copy))
            << copy << " (lang/CMakeLists.txt copies the files at configure time)";
        EXPECT_EQ(readFile(copy), readFile(kSourceDir / lang.file))
            << copy << " is stale: re-run cmake";
    }
}

} // namespace
} // namespace tsw
