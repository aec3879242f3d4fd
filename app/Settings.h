#pragma once
// The settings the program keeps between runs, and the store they live in.
//
// A SettingsStore holds string and integer values in sections. Section names compare without
// regard to case ("BackUp" and "Backup" are one section); value names are case-sensitive.
// The desktop program stores them in an INI file; the tests use MemorySettingsStore.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ModelTable.h"

namespace tsw {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::optional<std::string> readString(std::string_view section,
                                                  std::string_view key) const = 0;
    virtual void writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // The value names of a section, in the store's order (empty for an absent section).
    virtual std::vector<std::string> childKeys(std::string_view section) const = 0;
    virtual void remove(std::string_view section, std::string_view key) = 0;

    // Integers are kept as decimal text. A value that is not a whole decimal number within
    // the range of int reads as absent.
    virtual std::optional<int> readInt(std::string_view section, std::string_view key) const;
    virtual void writeInt(std::string_view section, std::string_view key, int value);
};

// Parses a whole decimal integer with an optional sign; none for anything else.
std::optional<int> parseDecimalInt(std::string_view text);

// An in-memory store. A section keeps the spelling of its first write.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> readString(std::string_view section,
                                          std::string_view key) const override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::vector<std::string> childKeys(std::string_view section) const override;
    void remove(std::string_view section, std::string_view key) override;

    // Section names as first written.
    std::vector<std::string> sections() const;

private:
    struct Section {
        std::string name;
        std::map<std::string, std::string, std::less<>> values;
    };
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    std::vector<Section> sections_;
};

namespace settings {

inline constexpr std::string_view kSection = "Backup";
inline constexpr std::string_view kDirectory = "Directry";
inline constexpr std::string_view kLastModel = "LastModel";
inline constexpr std::string_view kComPort = "ComPort";
inline constexpr std::string_view kLanguage = "Language";
inline constexpr std::string_view kLastWinPos = "LastWinPos";

// The program's base name, from which the help file's name is formed.
inline constexpr std::string_view kProgramBaseName = "tsw62m";
inline constexpr char kSeparator = '/';

// "ComPort": 1..4; absent, 0, negative or above 4 give 1.
int readComPort(const SettingsStore& store);
void writeComPort(SettingsStore& store, int port);

// "Language": absent gives 1; 0, negative or above 6 give 2.
int readLanguage(const SettingsStore& store);
void writeLanguage(SettingsStore& store, int languageCode);

// "LastModel": "%02X:%02X:%02X:%02X:%01X:%02X:%02X:%02X" (the fifth field one digit minimum).
std::string formatLastModel(const ModelIdentity& identity);
void writeLastModel(SettingsStore& store, const ModelIdentity& identity);

// The main window's placement, "LastWinPos": ten integers separated by ':'.
struct WindowPlacement {
    int flags = 0;
    int showState = 0;
    int minX = 0, minY = 0;                       // minimized position
    int maxX = 0, maxY = 0;                       // maximized position
    int left = 0, top = 0, right = 0, bottom = 0; // normal rectangle
    bool operator==(const WindowPlacement&) const = default;
};
// Exactly ten decimal integers (optional sign) separated by ':', nothing else; otherwise none
// (the main window then starts maximized).
std::optional<WindowPlacement> parseWindowPlacement(std::string_view text);
std::string formatWindowPlacement(const WindowPlacement& placement);
std::optional<WindowPlacement> readLastWinPos(const SettingsStore& store);
void writeLastWinPos(SettingsStore& store, const WindowPlacement& placement);

// The data directory used when "Directry" is empty: <programDirectory>/DATA/ (the folder need
// not exist). programDirectory has no trailing separator (one is tolerated).
std::string defaultDataDirectory(std::string_view programDirectory);
// "Directry" (absent or empty: the default above).
std::string readDataDirectory(const SettingsStore& store, std::string_view programDirectory);
void writeDataDirectory(SettingsStore& store, std::string_view directory);

// Help file path rule: the last three characters become "qch", then "_" is inserted before
// the last '.', and the language's help letter after the "_":
// "/opt/tsw/tsw62m.HLP" -> "/opt/tsw/tsw62m_d.qch".
std::string rewriteHelpPath(std::string_view defaultHelpPath, int languageCode);
// <programDirectory>/tsw62m_<letter>.qch
std::string helpFilePath(std::string_view programDirectory, int languageCode);
// After a language change: the fifth character from the end becomes the new letter.
std::string replaceHelpLetter(std::string_view helpPath, int languageCode);

// Section "Transfer", "VerifyAfterWrite": 0 off, 1 on. Absent or anything else reads as on,
// so that a damaged settings file never switches the check off.
inline constexpr std::string_view kTransferSection = "Transfer";
inline constexpr std::string_view kVerifyAfterWrite = "VerifyAfterWrite";
bool readVerifyAfterWrite(const SettingsStore& store);
void writeVerifyAfterWrite(SettingsStore& store, bool on);

// What the program writes when it ends.
struct ExitSettings {
    bool saveSettings = true; // LastModel, ComPort and Language are written only when set
    ModelIdentity identity{};
    int portNumber = 1;
    int languageCode = 2;
    std::string dataDirectory; // always written
};
void writeExitSettings(SettingsStore& store, const ExitSettings& values);

} // namespace settings
} // namespace tsw
