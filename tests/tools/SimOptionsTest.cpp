// The simulator's command line, its image file handling, its log lines and the line
// settings it reads from the terminal.

#include <gtest/gtest.h>

#include <fstream>
#include <termios.h>

#include "app/DataFile.h"
#include "tests/support/TestSupport.h"
#include "tools/radiosim/PtyDriver.h"
#include "tools/radiosim/SimLog.h"
#include "tools/radiosim/SimOptions.h"

namespace tsw::radiosim {
namespace {

std::string parse(std::vector<std::string> args, SimOptions& out) {
    return parseOptions(args, out);
}

TEST(SimOptions, SetsTheRadioAndItsFaults) {
    SimOptions o;
    // clang-format off
    const std::vector<std::string> args = {
        "--identity", "4C:5A:37:30:39:93:01:02", "--model=X9999", "--band", "0x91",
        "--baud", "2400", "--serial", "AB-12", "--info-text", "DEALER", "--version-text", "V9",
        "--fault-no-ack", "3", "--fault-no-ack", "7", "--fault-bad-first", "2",
        "--fault-extra-byte", "4", "--fault-nak", "5", "--fault-silence-after", "0",
        "--delay-ms", "25", "--fault-info-checksum", "--test-channel-nak",
        "--fault-store", "0x121", "--fault-store=300",
        "--image", "r.dat", "--save", "--log", "l.txt", "--until-killed"};
    // clang-format on
    ASSERT_EQ(parse(args, o), "");
    // --identity first, whatever the order: --model and --band change their part of it.
    EXPECT_EQ(o.config.identity, (ModelIdentity{'X', '9', '9', '9', '9', 0x91, 0x01, 0x02}));
    EXPECT_EQ(o.config.baud, 2400);
    EXPECT_EQ(o.config.info[0], 'D');
    EXPECT_EQ(o.config.info[6], 0xFF);
    EXPECT_EQ(o.config.info[kInfoTextSize], 'A');
    EXPECT_EQ(o.config.info[kInfoTextSize + 5], 0xFF);
    EXPECT_EQ(o.config.version[1], '9');
    EXPECT_EQ(o.config.version[2], 0xFF);
    const Faults& f = o.config.faults;
    EXPECT_EQ(f.noAck, (std::set<int>{3, 7}));
    EXPECT_EQ(f.badFirst, std::set<int>{2});
    EXPECT_EQ(f.extraByte, std::set<int>{4});
    EXPECT_EQ(f.nak, std::set<int>{5});
    EXPECT_EQ(f.silenceAfter, 0);
    EXPECT_EQ(f.delayMs, 25);
    EXPECT_TRUE(f.infoChecksum);
    EXPECT_TRUE(f.testChannelNak);
    EXPECT_EQ(f.store, (std::set<std::size_t>{0x121, 300}));
    EXPECT_EQ(o.imagePath, "r.dat");
    EXPECT_TRUE(o.save);
    EXPECT_EQ(o.logPath, "l.txt");
    EXPECT_TRUE(o.untilKilled);
}

TEST(SimOptions, RefusesWhatItDoesNotUnderstand) {
    const std::vector<std::vector<std::string>> bad = {
        {"--frobnicate"},
        {"--baud", "38400"},
        {"--baud"},
        {"--model", "H552"},
        {"--band", "256"},
        {"--identity", "48:35"},
        {"--fault-nak", "0"},
        {"--fault-no-ack", "x"},
        {"--delay-ms", "-1"},
        {"--serial", "1234567890123"},
        {"--save=yes"},
        {"--info-block", "00"},
        {"--fault-store", "0x400"},
        {"--fault-store", "-1"},
        {"--fault-store", "1k"},
        {"--fault-store"},
        {"--fleet", "A,,B"},
        {"--fleet", ""},
        {"--fleet", "A,1234567890123"},
        {"--save"}, // nowhere to save to
    };
    for (const auto& args : bad) {
        SimOptions o;
        EXPECT_NE(parse(args, o), "") << args[0];
    }
}

TEST(SimOptions, DefaultsAreTheFactoryRadioAt9600) {
    SimOptions o;
    ASSERT_EQ(parse({}, o), "");
    EXPECT_EQ(o.config.identity, (ModelIdentity{'H', '5', '5', '2', '0', 0x92, 0xF3, 0xFF}));
    EXPECT_EQ(o.config.baud, 9600);
    EXPECT_EQ(o.config.memory.byte(0x340), factoryTuningValues()[0]);
}

TEST(SimOptions, ImageFileIsReadOrCreatedWithSave) {
    test::TempDir dir;
    const std::string path = dir.file("radio.dat").string();
    SimOptions missing;
    missing.imagePath = path;
    EXPECT_NE(loadImage(missing), "") << "a missing file without --save";

    SimOptions create;
    create.imagePath = path;
    create.save = true;
    ASSERT_EQ(loadImage(create), "");
    RadioImage onDisk;
    ASSERT_EQ(datafile::readDataFile(path, onDisk), datafile::ReadResult::Ok);
    EXPECT_EQ(onDisk, defaultConfig().memory);

    RadioImage custom;
    custom.setByte(0x340, 0x12);
    ASSERT_TRUE(datafile::writeDataFile(path, custom));
    SimOptions read;
    read.imagePath = path;
    ASSERT_EQ(loadImage(read), "");
    EXPECT_EQ(read.config.memory, custom) << "the file's bytes as they are, tuning values too";

    test::writeText(path, "not a data file");
    EXPECT_NE(loadImage(read), "");
}

TEST(SimLog, LinesCarryMillisecondsDirectionAndHex) {
    using namespace std::chrono_literals;
    EXPECT_EQ(formatLogLine(1'234'567ns, kLogIn, hexBytes(std::vector<std::uint8_t>{0x50, 0x0A})),
              "      1.234 > 50 0A\n");
    EXPECT_EQ(formatLogLine(12'345'678'900ns, kLogNote, "x"), "  12345.678 # x\n");

    test::TempDir dir;
    {
        SimLog log;
        ASSERT_TRUE(log.open(dir.file("log").string()));
        log.setBurstGap(3ms);
        const std::uint8_t a[] = {0x57}, b[] = {0x00}, c[] = {0x06};
        log.bytes(10ms, kLogOut, a);
        log.bytes(11ms, kLogOut, b); // joins the burst
        log.bytes(20ms, kLogOut, c); // after a gap: a line of its own
        log.note(21ms, "done");
    }
    std::ifstream in(dir.file("log"));
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "     10.000 < 57 00\n     20.000 < 06\n     21.000 # done\n");
}

TEST(PtyDriver, LineSettingsFromTheTerminal) {
    EXPECT_EQ(lineFromTermios(B9600, CS8 | CSTOPB), (LineSettings{9600, 11}));
    EXPECT_EQ(lineFromTermios(B19200, CS8), (LineSettings{19200, 10}));
    EXPECT_EQ(lineFromTermios(B1200, CS7 | PARENB | CSTOPB), (LineSettings{1200, 11}));
    EXPECT_FALSE(lineFromTermios(B0, CS8));
}

} // namespace
} // namespace tsw::radiosim
