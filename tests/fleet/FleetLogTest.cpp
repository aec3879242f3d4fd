#include <gtest/gtest.h>

#include "fleet/FleetLog.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fleet;
using namespace tsw::test;

namespace {

const std::string kHeader = std::string(kLogHeader) + "\n";

TEST(FleetLogRow, QuotesOnlyCellsThatNeedIt) {
    LogRow row{"2026-12-07T01:02:03+01:00",
               "A1B2-C3D4E5F",
               "V1.000",
               3,
               "UNIT 03",
               "103",
               "1003",
               true,
               ""};
    EXPECT_EQ(formatRow(row),
              "2026-12-07T01:02:03+01:00,A1B2-C3D4E5F,V1.000,3,UNIT 03,103,1003,ok,");
    row.ok = false;
    row.label = "A, \"B\"";
    row.message = "line 1\nline 2";
    EXPECT_EQ(formatRow(row), "2026-12-07T01:02:03+01:00,A1B2-C3D4E5F,V1.000,3,\"A, \"\"B\"\"\","
                              "103,1003,failed,\"line 1\nline 2\"");
}

TEST(FleetLogReader, ReadsBackWhatTheWriterWrote) {
    const LogRow a{"t1", "S1", "V1", 1, "A, \"1\"", "", "1001", true, ""};
    const LogRow b{"t2", "S2", "V1", 2, "", "102", "", false, "it failed,\nbadly"};
    const LogReading r = parseLog(kHeader + formatRow(a) + "\n" + formatRow(b) + "\r\n");
    ASSERT_TRUE(r.summary) << static_cast<int>(r.damage) << " at line " << r.line;
    ASSERT_EQ(r.summary->rows.size(), 2u);
    EXPECT_EQ(r.summary->rows[0].label, a.label);
    EXPECT_EQ(r.summary->rows[1].message, b.message);
    EXPECT_FALSE(r.summary->rows[1].ok);
}

// Resuming: the ok rows count, their serial numbers are done, numbering goes on after the
// highest number that verified, whatever failed or is missing in between.
TEST(FleetLogReader, SummarisesOkRowsAcrossGapsAndFailures) {
    const std::string log = kHeader + "t,S1,V,1,,,,ok,\n"
                                      "t,S2,V,2,,,,failed,no answer\n"
                                      "t,S3,V,2,,,,ok,\n"
                                      "t,S5,V,7,,,,ok,\n"
                                      "t,S6,V,8,,,,failed,x\n";
    const LogReading r = parseLog(log);
    ASSERT_TRUE(r.summary);
    EXPECT_EQ(r.summary->okCount, 3);
    EXPECT_EQ(r.summary->highestOkNumber, 7);
    EXPECT_EQ(r.summary->okSerials, (std::set<std::string>{"S1", "S3", "S5"}));
}

TEST(FleetLogReader, AnEmptyFileOrAHeaderAloneHasNoRows) {
    for (const std::string text : {std::string(), kHeader}) {
        const LogReading r = parseLog(text);
        ASSERT_TRUE(r.summary);
        EXPECT_EQ(r.summary->okCount, 0);
        EXPECT_FALSE(r.summary->highestOkNumber);
    }
}

struct DamageCase {
    const char* what;
    std::string text;
    LogDamage damage;
    int line;
};

class DamagedLog : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLog, IsRefusedNamingItsLine) {
    const LogReading r = parseLog(GetParam().text);
    EXPECT_FALSE(r.summary) << GetParam().what;
    EXPECT_EQ(r.damage, GetParam().damage) << GetParam().what;
    EXPECT_EQ(r.line, GetParam().line) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedLog,
    ::testing::Values(
        DamageCase{"another file", "Name,Value\nx,y\n", LogDamage::NoHeader, 1},
        DamageCase{"header cut short", std::string(kLogHeader), LogDamage::NoLineEnd, 1},
        DamageCase{"a cell missing", kHeader + "t,S1,V,1,,,,ok,\nt,S2,V,2,,,ok,\n",
                   LogDamage::CellCount, 3},
        DamageCase{"a cell too many", kHeader + "t,S1,V,1,,,,ok,,\n", LogDamage::CellCount, 2},
        DamageCase{"a number that is none", kHeader + "t,S1,V,one,,,,ok,\n", LogDamage::BadNumber,
                   2},
        DamageCase{"a negative number", kHeader + "t,S1,V,-1,,,,ok,\n", LogDamage::BadNumber, 2},
        DamageCase{"a result that is none", kHeader + "t,S1,V,1,,,,OK,\n", LogDamage::BadResult, 2},
        DamageCase{"a row cut short", kHeader + "t,S1,V,1,,,,ok,\nt,S2,V,2,,,,o",
                   LogDamage::NoLineEnd, 3},
        // The line of a row is the line it starts on, quoted line breaks counted.
        DamageCase{"after a quoted line break", kHeader + "t,S1,V,1,\"a\nb\",,,ok,\nt,S2\n",
                   LogDamage::CellCount, 4},
        DamageCase{"an open quote", kHeader + "t,S1,V,1,\"UNIT,,,ok,\n", LogDamage::Unterminated,
                   2}));

TEST(FleetLogWriter, StartsANewLogWithItsHeaderAndAppendsFlushedRows) {
    TempDir dir;
    const auto path = dir.file("fleet.csv").string();
    LogWriter writer;
    ASSERT_EQ(writer.open(path), LogOpen::Opened);
    EXPECT_FALSE(std::filesystem::exists(path)); // only reading so far
    ASSERT_EQ(writer.start(), LogOpen::Opened);
    EXPECT_EQ(readText(path), kHeader);
    const LogRow row{"t", "S1", "V", 1, "", "", "", true, ""};
    ASSERT_TRUE(writer.append(row));
    // Flushed at once: another reader sees the row while the writer is still open.
    EXPECT_EQ(readText(path), kHeader + formatRow(row) + "\n");
}

TEST(FleetLogWriter, AppendsToAnExistingLogWithoutTouchingItsRows) {
    TempDir dir;
    const auto path = dir.file("fleet.csv");
    const std::string before = kHeader + "t,S1,V,1,,,,ok,\n";
    writeText(path, before);
    LogWriter writer;
    ASSERT_EQ(writer.open(path.string()), LogOpen::Opened);
    ASSERT_EQ(writer.start(), LogOpen::Opened);
    EXPECT_EQ(writer.reading().summary->okCount, 1);
    ASSERT_TRUE(writer.append({"t", "S2", "V", 2, "", "", "", false, "x"}));
    EXPECT_EQ(readText(path), before + "t,S2,V,2,,,,failed,x\n");
}

TEST(FleetLogWriter, RefusesADamagedLogAndLeavesItAsItIs) {
    TempDir dir;
    const auto path = dir.file("fleet.csv");
    const std::string damaged = kHeader + "t,S1,V,1,,,,ok,\nt,S2,V,2,,,,maybe,\n";
    writeText(path, damaged);
    LogWriter writer;
    EXPECT_EQ(writer.open(path.string()), LogOpen::Damaged);
    EXPECT_EQ(writer.reading().line, 3);
    EXPECT_EQ(writer.start(), LogOpen::Damaged);
    EXPECT_FALSE(writer.append({"t", "S3", "V", 3, "", "", "", true, ""}));
    EXPECT_EQ(readText(path), damaged);
}

TEST(FleetLogWriter, RefusesAFolderAndAFileItCannotWrite) {
    TempDir dir;
    LogWriter folder;
    EXPECT_EQ(folder.open(dir.path().string()), LogOpen::CannotRead);
    LogWriter missingFolder;
    EXPECT_EQ(missingFolder.open(dir.file("no/such/folder.csv").string()), LogOpen::Opened);
    EXPECT_EQ(missingFolder.start(), LogOpen::CannotWrite);
}

TEST(FleetLogPath, LiesBesideTheDataFileNamedAfterIt) {
    EXPECT_EQ(defaultLogPath("/d/shop.dat", "/data/"), "/d/shop-fleet.csv");
    EXPECT_EQ(defaultLogPath("", "/data/"), "/data/tsw62m-fleet.csv");
}

TEST(FleetLogTime, IsIsoLocalTimeWithTheOffset) {
    const std::string t = localTimestamp();
    ASSERT_EQ(t.size(), 25u) << t;
    EXPECT_EQ(t[4], '-');
    EXPECT_EQ(t[10], 'T');
    EXPECT_EQ(t[19] == '+' || t[19] == '-', true) << t;
    EXPECT_EQ(t[22], ':') << t;
}

} // namespace
