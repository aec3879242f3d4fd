#include <gtest/gtest.h>

#include "app/Settings.h"

using namespace tsw;
using namespace tsw::settings;

TEST(SettingsStore, SectionNamesIgnoreCaseValueNamesDoNot) {
    MemorySettingsStore store;
    store.writeString("BackUp", "Directry", "/data/");
    EXPECT_EQ(store.readString("Backup", "Directry"), "/data/");
    EXPECT_EQ(store.readString("BACKUP", "Directry"), "/data/");
    EXPECT_EQ(store.readString("Backup", "directry"), std::nullopt);
    store.writeString("Backup", "Directry", "/other/");
    EXPECT_EQ(store.readString("BackUp", "Directry"), "/other/");
    EXPECT_EQ(store.sections(), std::vector<std::string>{"BackUp"});
    EXPECT_EQ(store.readString("Back", "Directry"), std::nullopt);
}

TEST(SettingsStore, IntegersAreWholeDecimalNumbers) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"5", 5},
        {"-1", -1},
        {"+3", 3},
        {"0", 0},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"x", std::nullopt},
        {"5x", std::nullopt},
        {" 5", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"0x10", std::nullopt},
        {"99999999999", std::nullopt},
        {"+", std::nullopt},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.writeString("S", "v", c.text);
        EXPECT_EQ(store.readInt("s", "v"), c.expected) << c.text;
    }
    MemorySettingsStore store;
    store.writeInt("S", "n", -42);
    EXPECT_EQ(store.readString("S", "n"), "-42");
    EXPECT_EQ(store.readInt("S", "absent"), std::nullopt);
}

TEST(SettingsStore, ChildKeysAndRemove) {
    MemorySettingsStore store;
    store.writeString("Ports", "COM2", "/dev/ttyUSB1");
    store.writeString("ports", "COM1", "/dev/ttyUSB0");
    EXPECT_EQ(store.childKeys("PORTS"), (std::vector<std::string>{"COM1", "COM2"}));
    store.remove("Ports", "COM1");
    store.remove("Ports", "COM9");
    store.remove("Nothing", "COM1");
    EXPECT_EQ(store.childKeys("Ports"), std::vector<std::string>{"COM2"});
    EXPECT_TRUE(store.childKeys("Nothing").empty());
}

TEST(Settings, ComPortAndLanguageClamps) {
    struct Case {
        std::optional<std::string> stored;
        int port;
        int language;
    };
    const Case cases[] = {
        {std::nullopt, 1, 1}, {"0", 1, 2}, {"1", 1, 1}, {"2", 2, 2},  {"4", 4, 4},
        {"5", 1, 5},          {"6", 1, 6}, {"7", 1, 2}, {"-1", 1, 2}, {"abc", 1, 1},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        if (c.stored) {
            store.writeString(kSection, kComPort, *c.stored);
            store.writeString(kSection, kLanguage, *c.stored);
        }
        const std::string label = c.stored.value_or("absent");
        EXPECT_EQ(readComPort(store), c.port) << label;
        EXPECT_EQ(readLanguage(store), c.language) << label;
    }
}

TEST(Settings, LastModelFifthFieldHasOneDigitMinimum) {
    EXPECT_EQ(formatLastModel({0x48, 0x35, 0x35, 0x32, 0x30, 0x92, 0xF3, 0xFF}),
              "48:35:35:32:30:92:F3:FF");
    EXPECT_EQ(formatLastModel({0x48, 0x35, 0x35, 0x32, 0x05, 0x92, 0xF3, 0xFF}),
              "48:35:35:32:5:92:F3:FF");
    EXPECT_EQ(formatLastModel({0x00, 0x01, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}),
              "00:01:0A:0B:C:0D:0E:0F");
}

TEST(Settings, WindowPlacementNeedsExactlyTenNumbers) {
    const WindowPlacement sample{0, 1, -1, -1, -8, -8, 10, 20, 810, 620};
    struct Case {
        const char* text;
        std::optional<WindowPlacement> expected;
    };
    const Case cases[] = {
        {"0:1:-1:-1:-8:-8:10:20:810:620", sample},
        {"0:1:-1:-1:-8:-8:10:20:810", std::nullopt},
        {"0:1:-1:-1:-8:-8:10:20:810:620:5", std::nullopt},
        {"0:1:-1:-1:-8:-8:10:20:810:", std::nullopt},
        {"a:b:c:d:e:f:g:h:i:j", std::nullopt},
        {"0:1:-1:-1:-8:-8:10:20:810:620x", std::nullopt},
        {"0:1::-1:-8:-8:10:20:810:620", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseWindowPlacement(c.text), c.expected) << c.text;

    EXPECT_EQ(formatWindowPlacement(sample), "0:1:-1:-1:-8:-8:10:20:810:620");
    MemorySettingsStore store;
    EXPECT_EQ(readLastWinPos(store), std::nullopt);
    writeLastWinPos(store, sample);
    EXPECT_EQ(readLastWinPos(store), sample);
}

TEST(Settings, DataDirectory) {
    EXPECT_EQ(defaultDataDirectory("/opt/tsw"), "/opt/tsw/DATA/");
    EXPECT_EQ(defaultDataDirectory("/opt/tsw/"), "/opt/tsw/DATA/");
    MemorySettingsStore store;
    EXPECT_EQ(readDataDirectory(store, "/opt/tsw"), "/opt/tsw/DATA/");
    store.writeString("BackUp", kDirectory, "");
    EXPECT_EQ(readDataDirectory(store, "/opt/tsw"), "/opt/tsw/DATA/");
    writeDataDirectory(store, "/home/u/radios/");
    EXPECT_EQ(readDataDirectory(store, "/opt/tsw"), "/home/u/radios/");
}

TEST(Settings, HelpFilePaths) {
    struct Case {
        int code;
        const char* path;
    };
    const Case cases[] = {{1, "/opt/tsw/tsw62m_d.qch"},
                          {6, "/opt/tsw/tsw62m_s.qch"},
                          {0, "/opt/tsw/tsw62m_e.qch"},
                          {7, "/opt/tsw/tsw62m_e.qch"}};
    for (const auto& c : cases) {
        EXPECT_EQ(helpFilePath("/opt/tsw", c.code), c.path) << c.code;
        EXPECT_EQ(replaceHelpLetter("/opt/tsw/tsw62m_x.qch", c.code), c.path) << c.code;
    }
    EXPECT_EQ(replaceHelpLetter("x.q", 1), "x.q");
}

TEST(Settings, ExitWritesModelPortLanguageOnlyWhenAskedDirectoryAlways) {
    ExitSettings values;
    values.identity = {0x48, 0x35, 0x35, 0x32, 0x05, 0x92, 0xF3, 0xFF};
    values.portNumber = 3;
    values.languageCode = 5;
    values.dataDirectory = "/d/";

    MemorySettingsStore saved;
    writeExitSettings(saved, values);
    EXPECT_EQ(saved.readString(kSection, kLastModel), "48:35:35:32:5:92:F3:FF");
    EXPECT_EQ(readComPort(saved), 3);
    EXPECT_EQ(readLanguage(saved), 5);
    EXPECT_EQ(saved.readString("BackUp", kDirectory), "/d/");
    EXPECT_EQ(saved.sections(), std::vector<std::string>{"Backup"});

    values.saveSettings = false;
    MemorySettingsStore notSaved;
    writeExitSettings(notSaved, values);
    EXPECT_EQ(notSaved.childKeys(kSection), std::vector<std::string>{"Directry"});
}

TEST(Settings, VerifyAfterWriteIsOnUnlessTheSettingSaysZero) {
    using namespace settings;
    struct Case {
        std::optional<std::string> stored;
        bool on;
    };
    const Case cases[] = {{std::nullopt, true}, {"1", true}, {"0", false}, {"+0", false},
                          {"yes", true},        {"", true},  {"2", true},  {"-1", true}};
    for (const auto& c : cases) {
        MemorySettingsStore store;
        if (c.stored)
            store.writeString("transfer", kVerifyAfterWrite, *c.stored);
        EXPECT_EQ(readVerifyAfterWrite(store), c.on) << c.stored.value_or("absent");
    }
    MemorySettingsStore store;
    writeVerifyAfterWrite(store, false);
    EXPECT_EQ(store.readString(kTransferSection, kVerifyAfterWrite), "0");
    EXPECT_FALSE(readVerifyAfterWrite(store));
    writeVerifyAfterWrite(store, true);
    EXPECT_EQ(store.readString(kTransferSection, kVerifyAfterWrite), "1");
}
