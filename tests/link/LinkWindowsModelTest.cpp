// What the radio link windows show and keep apart from the traffic: the tuning item table,
// the test channel and signalling texts, the tabbed dialog's store and transmitter commands,
// and the backups of what was read from a radio.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "link/ReadBackup.h"
#include "link/TestModeForm.h"
#include "link/Tuning.h"
#include "link/TuningItems.h"
#include "tests/link/LinkFixture.h"
#include "tests/support/TestSupport.h"

namespace tsw {
namespace {

using test::idText;
namespace fs = std::filesystem;

TEST(TuningItems, TableMatchesTheItemsOfTheAdjustmentDialogs) {
    std::set<std::uint8_t> codes;
    std::set<std::uint8_t> indices;
    for (const TuningItem& item : kTuningItems) {
        codes.insert(item.code);
        indices.insert(item.valueIndex);
        EXPECT_EQ(findTuningItem(item.code), &item);
        if (const auto single = initialTuningIndex(item.code))
            EXPECT_EQ(item.valueIndex, *single) << int{item.code};
        else
            EXPECT_EQ(item.dialog, TuningDialog::Tabbed) << int{item.code};
    }
    EXPECT_EQ(codes.size(), kTuningItems.size());
    EXPECT_EQ(indices.size(), kTuningItems.size());
    EXPECT_EQ(findTuningItem(0x22), nullptr);
    // The meter of the tabbed dialog reads the selected item; the others read their own.
    EXPECT_EQ(meterReadingCode(*findTuningItem(0x61)), 0x22);
    EXPECT_EQ(meterReadingCode(*findTuningItem(0x23)), 0x23);
    // PTT is offered for the transmitter items only.
    EXPECT_FALSE(findTuningItem(0x73)->transmits);
    EXPECT_FALSE(findTuningItem(0x76)->transmits);
    EXPECT_TRUE(findTuningItem(0x66)->transmits);

    TuningValues values;
    values.initial[57] = 0x1A5; // a slot holds more than a byte: the byte counts
    values.current[57] = 3;
    EXPECT_EQ(initialTuningValue(values, *findTuningItem(0x23)), 0xA5);
}

TEST(TestModeForm, TestChannelFrequenciesComeFromTheImage) {
    RadioImage image;
    const std::size_t ch3 = layout::testFrequencyOffset(2);
    for (std::size_t i = 0; i < 4; ++i) {
        image.setByte(ch3 + i, std::array<std::uint8_t, 4>{0x25, 0x06, 0x60, 0x44}[i]);
        image.setByte(ch3 + 4 + i, std::array<std::uint8_t, 4>{0x75, 0x93, 0x60, 0x44}[i]);
    }
    const auto three = testChannelFrequencies(image, 3, idText);
    EXPECT_EQ(three.rx, "446.00625");
    EXPECT_EQ(three.tx, "446.09375");
    // No transmit frequency (first byte 0xFF) shows "None"; no receive frequency nothing.
    const auto four = testChannelFrequencies(image, 4, idText);
    EXPECT_EQ(four.rx, "");
    EXPECT_EQ(four.tx, idText(StrId::ProgramMenuSecondText));
    EXPECT_EQ(testChannelFrequencies(image, 17, idText).rx, "");
}

TEST(TestModeForm, OneSignallingPerNamePairAndSixteenChannels) {
    const auto s = testSignallings(idText);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[1].entry, s[1].rxName + " / " + s[1].txName); // two names: both shown
    const auto same = testSignallings([](StringId) { return std::string("A"); });
    EXPECT_EQ(same[3].entry, "A"); // one name: once
    EXPECT_EQ(testChannelEntries().size(), 16u);
}

struct TabbedAdjustment : test::LinkFixture {};

TEST_F(TabbedAdjustment, StoreAndTransmitterCommands) {
    ASSERT_TRUE(link.open());
    radio.mode = test::FakeRadio::Mode::Tuning;
    TuningAdjustment power(link, 0x66, kTabbedMeterReading, 0x20);
    const auto from = writes().size();
    EXPECT_TRUE(power.setPtt(true));
    EXPECT_TRUE(g.flags.pttOn);
    EXPECT_TRUE(power.setPtt(false));
    EXPECT_FALSE(g.flags.pttOn);
    EXPECT_TRUE(power.store());
    const auto w = writes();
    const std::vector<Bytes> expected{{0x08, 0x0D}, {0x08, 0x0E}, {0x66, 0x0E}};
    EXPECT_EQ(std::vector<Bytes>(w.begin() + static_cast<long>(from), w.end()), expected);
}

TEST(ReadBackup, FileNamesCarryTheModelTheSerialNumberAndTheTimeOfTheRead) {
    const LocalDateTime t{2026, 3, 7, 9, 5, 2};
    EXPECT_EQ(readBackupFileName({"H5520"}, t), "H5520_2026-03-07_09-05-02.dat");
    EXPECT_EQ(readBackupFileName({"H5520"}, t, 3), "H5520_2026-03-07_09-05-02_3.dat");
    EXPECT_EQ(readBackupFileName({"A/B\xFF"}, t), "A_B__2026-03-07_09-05-02.dat");
    EXPECT_EQ(readBackupFileName({""}, t), "radio_2026-03-07_09-05-02.dat");
    EXPECT_EQ(readBackupFileName({"H5520", "S5520-000001"}, t),
              "H5520_S5520-000001_2026-03-07_09-05-02.dat");
    EXPECT_EQ(readBackupFileName({"H5520", "DEALER AB/12"}, t, 2),
              "H5520_DEALER_AB_12_2026-03-07_09-05-02_2.dat");
}

TEST(ReadBackup, OnlyNamesAsTheProgramWritesThemAreBackupsOfTheRadio) {
    const RadioName radio{"H5520", "S5520-000001"};
    struct Case {
        const char* name;
        bool backup;
        int n;
    };
    const Case cases[] = {
        {"H5520_S5520-000001_2026-03-07_09-05-02.dat", true, 1},
        {"H5520_S5520-000001_2026-03-07_09-05-02_12.dat", true, 12},
        {"H5520_S5520-000001_2026-03-07_09-05-02_1.dat", false, 0},
        {"H5520_S5520-000001_2026-03-07_09-05-02_02.dat", false, 0},
        {"H5520_S5520-000001_2026-03-07_09-05-02_.dat", false, 0},
        {"H5520_S5520-000001_2026-03-07_09-05-02.DAT", false, 0},
        {"H5520_S5520-000001_2026-03-07_09-05.dat", false, 0},
        {"H5520_S5520-000001_2026-03-07 09-05-02.dat", false, 0},
        {"H5520_S5520-000002_2026-03-07_09-05-02.dat", false, 0},
        {"H5520_2026-03-07_09-05-02.dat", false, 0},
        {"LZ709_S5520-000001_2026-03-07_09-05-02.dat", false, 0},
    };
    for (const auto& c : cases) {
        const auto stamp = parseReadBackupFileName(c.name, radio);
        ASSERT_EQ(stamp.has_value(), c.backup) << c.name;
        if (!stamp)
            continue;
        EXPECT_EQ(stamp->n, c.n) << c.name;
        EXPECT_EQ(readBackupFileName(radio, stamp->when, stamp->n), c.name);
    }
}

TEST(ReadBackup, TheLatestBackupOfARadioIsFoundByItsSerialNumber) {
    test::TempDir dir;
    const std::string data = (dir.path() / "DATA").string();
    const std::string user = (dir.path() / "user").string();
    const auto image = [](std::uint8_t mark) {
        RadioImage i;
        i.setByte(0x10, mark);
        return i;
    };
    const RadioName radio{"H5520", "S5520-000001"};
    ASSERT_TRUE(saveReadBackup(data, "", radio, image(1), {2026, 1, 2, 3, 4, 5}));
    ASSERT_TRUE(saveReadBackup(data, "", radio, image(2), {2026, 1, 2, 3, 4, 5})); // _2
    ASSERT_TRUE(saveReadBackup(user, "", radio, image(3), {2025, 12, 31, 23, 59, 59}));
    // Other radios, a read without serial number, a check's read-back and foreign files.
    ASSERT_TRUE(
        saveReadBackup(data, "", {"H5520", "S5520-000002"}, image(4), {2027, 1, 1, 0, 0, 0}));
    ASSERT_TRUE(saveReadBackup(data, "", {"H5520"}, image(5), {2027, 1, 1, 0, 0, 0}));
    ASSERT_TRUE(
        saveReadBackup(data, "", {"LZ709", "S5520-000001"}, image(6), {2027, 1, 1, 0, 0, 0}));
    ASSERT_TRUE(saveReadBackup(data, "", radio, image(7), {2027, 1, 1, 0, 0, 0}, kReadBackFolder));
    const fs::path backups = readBackupFolder(data);
    test::writeText(backups / "H5520_S5520-000001_2027-01-01_00-00-00.dat", "not a data file");
    test::writeText(backups / "H5520_S5520-000001_2027-01-01_00-00-00_x.dat", "named otherwise");
    test::writeText(backups / "H5520_S5520-000001_2027-13-01.dat", "named otherwise");

    const auto found = latestReadBackup(data, user, radio);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(found->path).filename(), "H5520_S5520-000001_2026-01-02_03-04-05_2.dat");
    EXPECT_EQ(found->image.byte(0x10), 2);
    EXPECT_EQ(found->when.year, 2026);
    EXPECT_EQ(found->when.second, 5);

    // The user's folder alone; a radio never read; no serial number: nothing to offer.
    const auto inUserFolder = latestReadBackup(dir.file("none").string(), user, radio);
    ASSERT_TRUE(inUserFolder.has_value());
    EXPECT_EQ(inUserFolder->image.byte(0x10), 3);
    EXPECT_FALSE(latestReadBackup(data, user, {"H5520", "S5520-000009"}).has_value());
    EXPECT_FALSE(latestReadBackup(data, user, {"H5520", ""}).has_value());
}

TEST(ReadBackup, EveryReadIsKeptAndNoneIsOverwritten) {
    test::TempDir dir;
    const std::string data = (dir.path() / "DATA").string() + "/";
    const LocalDateTime t{2026, 12, 6, 14, 3, 59};
    RadioImage first;
    first.setByte(0x10, 0x01);
    RadioImage second;
    second.setByte(0x10, 0x02);
    const auto a = saveReadBackup(data, "", {"H5520"}, first, t);
    const auto b = saveReadBackup(data, "", {"H5520"}, second, t); // the same second
    ASSERT_TRUE(a) << a.failureText();
    ASSERT_TRUE(b) << b.failureText();
    EXPECT_EQ(fs::path(a.path).parent_path(), fs::path(readBackupFolder(data)));
    EXPECT_EQ(fs::path(b.path).filename(), "H5520_2026-12-06_14-03-59_2.dat");
    RadioImage back;
    ASSERT_EQ(datafile::readDataFile(a.path, back), datafile::ReadResult::Ok);
    EXPECT_EQ(back, first);
    ASSERT_EQ(datafile::readDataFile(b.path, back), datafile::ReadResult::Ok);
    EXPECT_EQ(back, second);
}

// A folder below a regular file can be made by nobody, root included.
TEST(ReadBackup, TheFallbackTakesItOnlyWhenTheDataDirectoryCannot) {
    enum class Place { Data, Fallback, Nowhere };
    enum class Fallback { Writable, Blocked, NoneGiven };
    struct Case {
        const char* name;
        bool dataWritable;
        Fallback fallback;
        Place expected;
        std::size_t failures;
    };
    const Case cases[] = {
        {"data directory writable", true, Fallback::Writable, Place::Data, 0},
        {"data directory blocked", false, Fallback::Writable, Place::Fallback, 1},
        {"both blocked", false, Fallback::Blocked, Place::Nowhere, 2},
        {"data directory blocked, no fallback", false, Fallback::NoneGiven, Place::Nowhere, 1},
    };
    const bool backupsInWorkingDirectory = fs::exists(kBackupFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::writeText(dir.file("plain"), "a file where a folder would have to be");
        const fs::path blocked = dir.file("plain") / "below";
        const std::string data = ((c.dataWritable ? dir.path() : blocked) / "DATA").string() + "/";
        const std::string fallback = c.fallback == Fallback::NoneGiven ? ""
                                     : c.fallback == Fallback::Writable
                                         ? dir.file("user").string()
                                         : (blocked / "user").string();
        RadioImage image;
        image.setByte(0x10, 0x5A);
        const auto r = saveReadBackup(data, fallback, {"H5520"}, image, {2026, 1, 2, 3, 4, 5});

        EXPECT_EQ(static_cast<bool>(r), c.expected != Place::Nowhere) << r.failureText();
        EXPECT_EQ(r.inFallback, c.expected == Place::Fallback);
        ASSERT_EQ(r.failures.size(), c.failures);
        if (!r.failures.empty())
            EXPECT_EQ(r.failures[0].path, readBackupFolder(data));
        for (const BackupAttempt& f : r.failures)
            EXPECT_TRUE(f.result.error != 0 && !f.result.message.empty());
        if (c.expected != Place::Nowhere) {
            const std::string& place = c.expected == Place::Data ? data : fallback;
            EXPECT_EQ(fs::path(r.path).parent_path(), fs::path(readBackupFolder(place)));
            RadioImage back;
            ASSERT_EQ(datafile::readDataFile(r.path, back), datafile::ReadResult::Ok);
            EXPECT_EQ(back, image);
        }
        // Nothing lands anywhere else: the blocking file and at most the one backup.
        const auto files = std::count_if(fs::recursive_directory_iterator(dir.path()), {},
                                         [](const auto& e) { return e.is_regular_file(); });
        EXPECT_EQ(files, c.expected == Place::Nowhere ? 1 : 2);
        EXPECT_EQ(fs::exists(kBackupFolder), backupsInWorkingDirectory);
    }
}

} // namespace
} // namespace tsw
