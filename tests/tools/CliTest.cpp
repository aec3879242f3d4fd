// tsw62m-cli driven in-process against the fake radio on virtual time, and its file commands
// (new, show, hexdump, export-csv, import-csv, diff) on temporary files.

#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "editors/channel/ChannelRecord.h"
#include "tests/support/FakeSerialDevice.h"
#include "tests/support/TestSupport.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"
#include "tools/cli/IniFile.h"

using namespace tsw;
using namespace tsw::test;

namespace {

struct CliRun : ::testing::Test {
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        cli::CliEnvironment env{out, err, device, clock, TSW_BIN_DIR, mapping};
        env.listDevices = [] { return std::vector<std::string>{"/dev/ttyFAKE0"}; };
        return cli::runCli(args, env);
    }
    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
    VirtualClock clock;
    FakeSerialDevice device{clock};
    FakeRadio radio{device, clock};
    PortMapping mapping;
    std::ostringstream out, err;
};

} // namespace

TEST(CliArgsTest, UsageErrorsAndDefaults) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
    };
    const Case cases[] = {
        {{"read", "--port", "COM1"}, true},
        {{"read", "--port=/dev/ttyUSB0", "--output=x.dat", "--retries", "3", "--lang", "4"}, true},
        {{"write", "--port", "COM2", "f.dat", "--yes"}, true},
        {{"write", "--port", "COM2", "f.dat", "--verify"}, true},
        {{"write", "--port", "COM2", "f.dat", "--verify", "--output", "r.dat"}, true},
        {{"write", "--port", "COM2", "f.dat", "--output", "r.dat"}, false},
        {{"read", "--port", "COM1", "--verify"}, false},
        {{"show", "f.dat", "--verify"}, false},
        {{"info", "--port", "COM1"}, true},
        {{"new", "--output", "n.dat"}, true},
        {{"show", "f.dat"}, true},
        {{"hexdump", "f.dat"}, true},
        {{"show", "--help"}, true},
        {{"--help"}, true},
        {{}, false},
        {{"read"}, false},
        {{"read", "--port"}, false},
        {{"read", "--port", "COM1", "extra.dat"}, false},
        {{"read", "--port", "COM1", "--yes"}, false},
        {{"write", "--port", "COM1"}, false},
        {{"write", "f.dat"}, false},
        {{"new"}, false},
        {{"show"}, false},
        {{"show", "a.dat", "b.dat"}, false},
        {{"hexdump", "f.dat", "--port", "COM1"}, false},
        {{"read", "--port", "COM1", "--retries", "-1"}, false},
        {{"read", "--port", "COM1", "--retries", "x"}, false},
        {{"read", "--port", "COM1", "--retries", "1000"}, true},
        {{"read", "--port", "COM1", "--retries", "1000000"}, false},
        {{"read", "--port", "COM1", "--lang", "7"}, false},
        {{"read", "--port", "COM1", "--lang", "0"}, false},
        {{"fetch"}, false},
        {{"read", "--port", "COM1", "--verbose"}, false},
        {{"export-csv", "a.dat", "--output", "a.csv"}, true},
        {{"import-csv", "a.csv", "--into=a.dat", "--output", "b.dat"}, true},
        {{"diff", "a.dat", "b.dat", "--lang", "3"}, true},
        {{"export-csv"}, false},
        {{"import-csv", "a.csv"}, false},
        {{"import-csv", "--into", "a.dat"}, false},
        {{"diff", "a.dat"}, false},
        {{"diff", "a.dat", "b.dat", "--into", "c.dat"}, false},
        {{"export-csv", "a.dat", "--port", "COM1"}, false},
        {{"check", "a.dat"}, true},
        {{"check", "a.dat", "--lang", "5"}, true},
        {{"check"}, false},
        {{"check", "a.dat", "b.dat"}, false},
        {{"check", "a.dat", "--port", "COM1"}, false},
        {{"check", "a.dat", "--force"}, false},
        {{"diff", "a.dat", "--port", "COM1"}, true},
        {{"diff", "a.dat", "b.dat", "--port", "COM1"}, false},
        {{"diff", "--port", "COM1"}, false},
        {{"write", "--port", "COM1", "f.dat", "--force"}, true},
        {{"read", "--port", "COM1", "--force"}, false},
    };
    for (const auto& c : cases) {
        const auto parsed = cli::parseArgs(c.args);
        EXPECT_EQ(parsed.error.empty(), c.ok) << ::testing::PrintToString(c.args) << parsed.error;
    }
    const auto read = cli::parseArgs(std::vector<std::string>{"read", "--port", "COM1"});
    EXPECT_EQ(read.args.output, "tsw62m.dat");
    EXPECT_EQ(read.args.retries, 0);
    EXPECT_EQ(read.args.languageCode, 2);
    const auto full = cli::parseArgs(std::vector<std::string>{
        "read", "--port=/dev/ttyUSB0", "--output=x.dat", "--retries", "3", "--lang", "4"});
    EXPECT_EQ(full.args.port, "/dev/ttyUSB0");
    EXPECT_EQ(full.args.output, "x.dat");
    EXPECT_EQ(full.args.retries, 3);
    const auto many =
        cli::parseArgs(std::vector<std::string>{"info", "--port", "COM1", "--retries", "1000"});
    EXPECT_EQ(many.args.retries, 10);
    EXPECT_EQ(many.args.retriesAsked, 1000);
    EXPECT_EQ(full.args.languageCode, 4);
}

TEST(CliIni, PortsSectionMapsComNames) {
    MemorySettingsStore store;
    cli::parseIni("[Backup]\nComPort=2\n\n[ports]\r\nCOM1=/dev/pts/3\nCOM2 = \"/dev/ttyUSB1\"\n"
                  "junk\nLPT1=/dev/lp0\nCOM3=\n",
                  store);
    EXPECT_EQ(store.readInt("backup", "ComPort"), 2);
    const PortMapping mapping = readPortMapping(store);
    EXPECT_EQ(mapping, (PortMapping{{1, "/dev/pts/3"}, {2, "/dev/ttyUSB1"}}));
}

TEST_F(CliRun, ReadWritesTheFileOnlyAfterACompleteRead) {
    for (std::size_t i = 0; i < 0x100; ++i)
        radio.image.setByte(i, static_cast<std::uint8_t>(i));
    const std::string out1 = path("r.dat");
    EXPECT_EQ(run({"read", "--port", "/dev/pts/9", "--output", out1}), 0) << err.str();
    EXPECT_EQ(device.openedPath, "/dev/pts/9");
    EXPECT_EQ(out.str(), "Reading from the radio has been completed.\n");
    RadioImage got;
    ASSERT_EQ(datafile::readDataFile(out1, got), datafile::ReadResult::Ok);
    EXPECT_TRUE(got == radio.image);

    // A failed read leaves an existing file as it was, and creates none.
    writeText(dir.file("keep.dat"), "old contents");
    radio.filter = [](const std::vector<std::uint8_t>& cmd, std::vector<std::uint8_t>& reply, int) {
        if (cmd.size() == 4 && cmd[0] == 'R' && cmd[1] == 3)
            reply.clear();
    };
    EXPECT_EQ(run({"read", "--port", "/dev/pts/9", "--output", path("keep.dat")}), 1);
    EXPECT_EQ(readBytes(dir.file("keep.dat")).size(), 12u);
    EXPECT_EQ(run({"read", "--port", "/dev/pts/9", "--output", path("none.dat")}), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.dat")));
    EXPECT_NE(err.str().find("Communication with the radio failed."), std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("(attempt 1 of 1)"), std::string::npos) << err.str();
}

TEST_F(CliRun, RetriesAnswerRetryThatManyTimes) {
    int failures = 2;
    radio.filter = [&](const std::vector<std::uint8_t>& cmd, std::vector<std::uint8_t>& reply,
                       int) {
        if (cmd == std::vector<std::uint8_t>{0x02} && failures > 0) {
            --failures;
            reply.clear();
        }
    };
    EXPECT_EQ(run({"read", "--port", "/dev/x", "--output", path("a.dat"), "--retries", "1"}), 1);
    failures = 2;
    EXPECT_EQ(run({"read", "--port", "/dev/x", "--output", path("a.dat"), "--retries", "2"}), 0)
        << err.str();
    EXPECT_EQ(occurrences(err.str(), "; trying again)"), 2u);
}

TEST_F(CliRun, RetriesAreCappedAndEachFailedAttemptIsOneLine) {
    radio.baud = 300; // a dead radio: no handshake at any rate
    struct Case {
        const char* retries;
        int attempts;
        bool notice;
    };
    const Case cases[] = {{"0", 1, false}, {"3", 4, false}, {"10", 11, false}, {"1000", 11, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(run({"info", "--port", "/dev/x", "--retries", c.retries}), 1) << c.retries;
        const std::string e = err.str();
        const std::string total = " of " + std::to_string(c.attempts) + ")";
        EXPECT_EQ(occurrences(e, "Error: Communication with the radio failed. (attempt "),
                  static_cast<std::size_t>(c.attempts))
            << e;
        EXPECT_EQ(occurrences(e, "; trying again)"), static_cast<std::size_t>(c.attempts - 1));
        EXPECT_EQ(occurrences(e, total), 1u) << e;
        EXPECT_EQ(occurrences(e, "Check that the radio is switched on"), 1u) << e;
        EXPECT_EQ(e.find("is more than 10; at most 10 retries are made") != std::string::npos,
                  c.notice)
            << e;
        // The notice, one line per attempt, the rest of the message once, the failure.
        EXPECT_EQ(occurrences(e, "\n"), static_cast<std::size_t>(c.attempts + 2 + c.notice)) << e;
    }
}

TEST_F(CliRun, WriteChecksFirstAndAsksAboutAnotherModel) {
    RadioImage image = defaultRadioImage();
    image.setByte(layout::kScanPriority, 1);
    image.setByte(layout::kPriorityChannel, 0xFF);
    ASSERT_TRUE(datafile::writeDataFile(path("bad.dat"), image));
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("bad.dat")}), 3);
    EXPECT_TRUE(device.writes().empty());
    EXPECT_EQ(err.str(),
              "The data cannot be written to the radio because these settings are missing:\n"
              "\n\"Priority Channel\"\n");

    image = defaultRadioImage();
    image.setByte(layout::kModelCode, 'L'); // "L5520": not the radio's model
    ASSERT_TRUE(datafile::writeDataFile(path("other.dat"), image));
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("other.dat")}), 1);
    EXPECT_NE(err.str().find("-> Cancel"), std::string::npos);
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("other.dat"), "--yes"}), 0) << err.str();
    EXPECT_EQ(radio.image.byte(0x010), image.byte(0x010));
    EXPECT_EQ(out.str(), "Writing to the radio has been completed.\n");

    EXPECT_EQ(run({"write", "--port", "/dev/x", path("missing.dat")}), 1);
    writeText(dir.file("notdat.dat"), "something else entirely");
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("notdat.dat")}), 1);
}

// Check Configuration before a write: errors stop it before the port is opened unless
// --force is given; warnings are printed and the write goes on.
TEST_F(CliRun, WriteRefusesAConfigurationWithErrorsUnlessForced) {
    RadioImage faulty = defaultRadioImage();
    faulty.setByte(layout::kFeatMicSensitivity, 7);
    ASSERT_TRUE(datafile::writeDataFile(path("faulty.dat"), faulty));
    const int opened = device.openCount;
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("faulty.dat")}), 3);
    EXPECT_EQ(device.openCount, opened);
    EXPECT_TRUE(err.str().starts_with("error: Optional Features / Mic Sensitivity: Code 07 "))
        << err.str();
    EXPECT_NE(err.str().find("nothing was sent to the radio"), std::string::npos);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(radio.image.byte(layout::kFeatMicSensitivity), 7);

    EXPECT_EQ(run({"write", "--port", "/dev/x", path("faulty.dat"), "--force"}), 0) << err.str();
    EXPECT_EQ(radio.image.byte(layout::kFeatMicSensitivity), 7);
    EXPECT_TRUE(err.str().starts_with("error: Optional Features / Mic Sensitivity")) << err.str();
    EXPECT_EQ(out.str(), "Writing to the radio has been completed.\n");

    RadioImage warned = defaultRadioImage();
    for (std::size_t i = 0; i < 4; ++i)
        warned.setByte(layout::channelOffset(7) + layout::kChTxFreq + i, 0xFF);
    ASSERT_TRUE(datafile::writeDataFile(path("warned.dat"), warned));
    EXPECT_EQ(run({"write", "--port", "/dev/x", path("warned.dat")}), 0) << err.str();
    EXPECT_TRUE(err.str().starts_with("warning: Channel 8 / TX Frequency [MHz]: ")) << err.str();
    EXPECT_EQ(radio.image.byte(layout::channelOffset(7) + layout::kChTxFreq), 0xFF);
}

TEST_F(CliRun, InfoPrintsOneLinePerField) {
    radio.infoData.assign(32, 0xFF);
    const std::string serial = "AB12-CD34EF5";
    std::copy(serial.begin(), serial.end(), radio.infoData.begin() + 16);
    radio.version = {'V', '2', '.', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(run({"info", "--port", "/dev/x"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Model Type: HX-5520\n"
                         "Frequency: Band : UHF 446.00625-446.09375 MHz\n"
                         "Serial Number: AB12-CD34EF5\n"
                         "Firmware Version: V2.1\n");
}

TEST_F(CliRun, ComNamesGoThroughTheMappingAndThePresentDevices) {
    mapping = {{2, "/dev/pts/44"}};
    EXPECT_EQ(run({"info", "--port", "COM2"}), 0) << err.str();
    EXPECT_EQ(device.openedPath, "/dev/pts/44");
    EXPECT_EQ(run({"info", "--port", "com1"}), 0) << err.str();
    EXPECT_EQ(device.openedPath, "/dev/ttyFAKE0");
    device.failOpen = true;
    EXPECT_EQ(run({"info", "--port", "COM3"}), 1);
    EXPECT_NE(err.str().find("The communication port cannot be opened."), std::string::npos);
    EXPECT_NE(err.str().find("COM3"), std::string::npos);
    EXPECT_EQ(run({"info", "--port", "ttyUSB0"}), 2);
    EXPECT_EQ(run({"info", "--port", "COM256"}), 2);
}

TEST_F(CliRun, FileCommands) {
    EXPECT_EQ(run({"new", "--output", path("n.dat")}), 0);
    RadioImage image;
    ASSERT_EQ(datafile::readDataFile(path("n.dat"), image), datafile::ReadResult::Ok);
    EXPECT_TRUE(image == defaultRadioImage());

    EXPECT_EQ(run({"hexdump", path("n.dat")}), 0);
    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 64u);
    EXPECT_EQ(all[1], "010: 25 06 60 44 25 06 60 44 B4 03 B4 03 00 AF A0 0A");
    EXPECT_EQ(all[63].substr(0, 5), "3F0: ");
    const std::string dumped = path("dump.hex");
    writeText(dumped, out.str());
    EXPECT_TRUE(readHexImage(dumped) == image);

    EXPECT_EQ(run({"show", path("n.dat")}), 0);
    const std::string shown = out.str();
    EXPECT_NE(shown.find("1   446.00625  446.00625  (10)    94.8"), std::string::npos) << shown;
    EXPECT_NE(shown.find("13  446.04375  446.04375  (27)    D132N"), std::string::npos);
    EXPECT_NE(shown.find("Squelch Level:"), std::string::npos);
    EXPECT_NE(shown.find("PF2 Key:  Talk Around"), std::string::npos);
    EXPECT_EQ(run({"show", path("absent.dat")}), 1);
}

TEST_F(CliRun, HelpAndUsage) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("Usage: tsw62m-cli COMMAND"), std::string::npos);
    for (const char* verb : {"read", "write", "info", "new", "show", "hexdump", "check", "diff"}) {
        EXPECT_EQ(run({verb, "--help"}), 0) << verb;
        EXPECT_NE(out.str().find(std::string("tsw62m-cli ") + verb), std::string::npos) << verb;
    }
    EXPECT_EQ(run({}), 2);
    EXPECT_NE(err.str().find("--help"), std::string::npos);
}

TEST_F(CliRun, MissingLanguageFileStillWorks) {
    std::ostringstream o, e;
    cli::CliEnvironment env{o, e, device, clock, dir.path().string(), {}};
    const std::vector<std::string> args{"info", "--port", "/dev/x"};
    EXPECT_EQ(cli::runCli(args, env), 0);
    EXPECT_NE(e.str().find("could not be loaded"), std::string::npos);
    const std::vector<std::string> help{"read", "--help"};
    EXPECT_EQ(cli::runCli(help, env), 0);
    EXPECT_NE(o.str().find("Usage: tsw62m-cli read"), std::string::npos);
}

TEST_F(CliRun, ExportWritesTheChannelListBesideTheFile) {
    datafile::writeDataFile(path("a.dat"), defaultRadioImage());
    ASSERT_EQ(run({"export-csv", path("a.dat")}), cli::kSuccess) << err.str();
    EXPECT_EQ(readText(path("a.csv")), readText(testDataPath("default_channels.csv")));
    EXPECT_EQ(run({"export-csv", path("missing.dat"), "--output", path("x.csv")}), cli::kFailure);
    EXPECT_FALSE(std::filesystem::exists(path("x.csv")));
}

TEST_F(CliRun, ImportWritesTheResultOnlyWhenTheWholeListIsGood) {
    datafile::writeDataFile(path("a.dat"), defaultRadioImage());
    writeText(path("plan.csv"), "Location,Frequency,Tone,rToneFreq\n2,446.05625,Tone,67.0\n");
    const auto before = readBytes(path("a.dat"));
    ASSERT_EQ(
        run({"import-csv", path("plan.csv"), "--into", path("a.dat"), "--output", path("b.dat")}),
        cli::kSuccess)
        << err.str();
    EXPECT_EQ(readBytes(path("a.dat")), before);
    RadioImage b;
    ASSERT_EQ(datafile::readDataFile(path("b.dat"), b), datafile::ReadResult::Ok);
    EXPECT_EQ(countUsedChannels(b), 1);
    EXPECT_EQ(b.word(layout::channelOffset(1) + layout::kChEncodeTone), 670);

    writeText(path("bad.csv"), "Location,Frequency\n2,446.05625\n17,446.00625\n3,4460\n");
    EXPECT_EQ(run({"import-csv", path("bad.csv"), "--into", path("a.dat")}), cli::kFailure);
    EXPECT_NE(err.str().find("bad.csv: Row 3:"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("bad.csv: Row 4:"), std::string::npos) << err.str();
    EXPECT_EQ(readBytes(path("a.dat")), before);
}

TEST_F(CliRun, DiffListsTheDifferencesAndSaysSoInItsExitCode) {
    datafile::writeDataFile(path("a.dat"), defaultRadioImage());
    EXPECT_EQ(run({"diff", path("a.dat"), path("a.dat")}), 0);
    EXPECT_EQ(out.str(), "No differences.\n");

    RadioImage b = defaultRadioImage();
    b.setByte(layout::channelOffset(0) + layout::kChFlags13, 0xEF); // beat shift on
    b.setByte(layout::kScanPriority, 1);
    b.setByte(0x005, 0x00);
    datafile::writeDataFile(path("b.dat"), b);
    EXPECT_EQ(run({"diff", path("a.dat"), path("b.dat"), "--lang", "4"}), 1);
    std::istringstream lines(out.str());
    std::vector<std::string> got;
    for (std::string line; std::getline(lines, line);)
        got.push_back(line.substr(0, line.find("  ")));
    EXPECT_EQ(got, (std::vector<std::string>{"", "Kanal 1 / Beat-Shift", "Suchlauf / Priorität",
                                             "Byte 0x005"}))
        << out.str();

    EXPECT_EQ(run({"diff", path("a.dat"), path("none.dat")}), 2);
}

namespace {

// The lines of a text that start with `prefix`.
std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix) {
    std::istringstream lines(text);
    std::vector<std::string> found;
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(prefix))
            found.push_back(line);
    return found;
}

} // namespace

// show lists what the editors show: an empty channel (receive byte 0 = 0xFF) shows the off
// entry and nothing else, whatever its other bytes hold; there is no priority channel while
// Priority is 0 or 2, whatever 0x161 holds.
TEST_F(CliRun, ShowListsWhatTheEditorsShow) {
    for (const auto& [priority, channelShown] :
         {std::pair{0, ""}, std::pair{1, "5"}, std::pair{2, ""}}) {
        SCOPED_TRACE(priority);
        RadioImage image = defaultRadioImage();
        image.setByte(layout::channelOffset(9), 0xFF); // channel 10 keeps its other bytes
        image.setByte(layout::kScanPriority, static_cast<std::uint8_t>(priority));
        image.setByte(layout::kPriorityChannel, 5);
        datafile::writeDataFile(path("e.dat"), image);
        ASSERT_EQ(run({"show", path("e.dat")}), 0) << err.str();
        EXPECT_EQ(linesStartingWith(out.str(), "10 "), std::vector<std::string>{"10  Off"});
        const auto lines = linesStartingWith(out.str(), "Priority Channel:");
        ASSERT_EQ(lines.size(), 1u);
        const std::string value = lines[0].substr(lines[0].find(':') + 1);
        EXPECT_EQ(value.substr(std::min(value.size(), value.find_first_not_of(' '))), channelShown);
    }
}

// check: one line per finding in the editors' words, and an exit status that says whether
// there is an error (warnings alone pass).
TEST_F(CliRun, CheckPrintsTheFindingsAndSaysInItsExitCodeWhetherThereIsAnError) {
    datafile::writeDataFile(path("clean.dat"), defaultRadioImage());
    EXPECT_EQ(run({"check", path("clean.dat")}), 0) << err.str();
    EXPECT_EQ(out.str(), "");

    RadioImage warned = defaultRadioImage();
    for (std::size_t i = 0; i < 4; ++i) // channel 8 receives only
        warned.setByte(layout::channelOffset(7) + layout::kChTxFreq + i, 0xFF);
    datafile::writeDataFile(path("warned.dat"), warned);
    EXPECT_EQ(run({"check", path("warned.dat")}), 0) << err.str();
    EXPECT_EQ(out.str(), "warning: Channel 8 / TX Frequency [MHz]: The channel has no transmit "
                         "frequency: the radio cannot transmit on it.\n");

    RadioImage bad = warned;
    bad.setByte(layout::kFeatMicSensitivity, 7);
    datafile::writeDataFile(path("bad.dat"), bad);
    EXPECT_EQ(run({"check", path("bad.dat")}), 1) << err.str();
    EXPECT_TRUE(out.str().starts_with("error: Optional Features / Mic Sensitivity: Code 07 "))
        << out.str();
    EXPECT_EQ(occurrences(out.str(), "\n"), 2u);
    EXPECT_EQ(run({"check", path("bad.dat"), "--lang", "4"}), 1);
    EXPECT_TRUE(out.str().starts_with("error: Zusatzfunktionen / ")) << out.str();

    EXPECT_EQ(run({"check", path("missing.dat")}), 2);
    EXPECT_NE(err.str().find("Cannot open file " + path("missing.dat") + ": "), std::string::npos)
        << err.str();
    writeText(dir.file("notdat.dat"), "something else entirely");
    EXPECT_EQ(run({"check", path("notdat.dat")}), 2);
    EXPECT_EQ(run({"check"}), 2); // usage
}

// diff FILE --port PORT: the file against the radio's memory, with diff's exit statuses; a
// file that cannot be read costs no radio session.
TEST_F(CliRun, DiffWithTheRadioComparesTheFileWithWhatTheRadioHolds) {
    radio.image = defaultRadioImage();
    datafile::writeDataFile(path("same.dat"), radio.image);
    EXPECT_EQ(run({"diff", path("same.dat"), "--port", "/dev/x"}), 0) << err.str();
    EXPECT_EQ(out.str(), "No differences.\n");

    RadioImage other = radio.image;
    other.setByte(layout::kFeatSquelchLevel, 7);
    datafile::writeDataFile(path("other.dat"), other);
    EXPECT_EQ(run({"diff", path("other.dat"), "--port", "/dev/x"}), 1) << err.str();
    const std::string table = out.str();
    EXPECT_NE(table.find("radio /dev/x"), std::string::npos) << table;
    EXPECT_NE(table.find("Optional Features / Squelch Level"), std::string::npos) << table;
    EXPECT_EQ(occurrences(table, "\n"), 2u) << table;

    const int opened = device.openCount;
    EXPECT_EQ(run({"diff", path("missing.dat"), "--port", "/dev/x"}), 2);
    EXPECT_EQ(device.openCount, opened);

    device.failOpen = true;
    EXPECT_EQ(run({"diff", path("same.dat"), "--port", "/dev/x"}), 2);
    EXPECT_NE(err.str().find("nothing was read from the radio"), std::string::npos) << err.str();
}

// Outputs that cannot take the file: each command says which file and why, fails, and leaves
// what stands there as it was; read refuses before it asks the radio for anything.
TEST_F(CliRun, OutputsThatAreNoRegularWritableFileAreRefused) {
    datafile::writeDataFile(path("a.dat"), defaultRadioImage());
    std::filesystem::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0644), 0);
    writeText(path("locked.dat"), "old");
    std::filesystem::permissions(path("locked.dat"), std::filesystem::perms::owner_read);
    writeText(path("list.csv"), "Frequency\n446.00625\n");
    const std::string notRegular = ": not a regular file (a folder, device or pipe).";
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"new", "--output", path("folder")}, path("folder") + notRegular},
        {{"new", "--output", path("pipe")}, path("pipe") + notRegular},
        {{"new", "--output", path("locked.dat")}, path("locked.dat") + ": the file is read-only."},
        {{"export-csv", path("a.dat"), "--output", path("pipe")}, path("pipe") + notRegular},
        {{"import-csv", path("list.csv"), "--into", path("a.dat"), "--output", path("folder")},
         path("folder") + notRegular},
        {{"read", "--port", "/dev/ttyFAKE0", "--output", path("locked.dat")},
         path("locked.dat") + ": the file is read-only."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), cli::kFailure) << c.args[0];
        EXPECT_NE(err.str().find("Cannot write file " + c.message), std::string::npos) << err.str();
    }
    EXPECT_EQ(readText(path("locked.dat")), "old");
    EXPECT_TRUE(std::filesystem::is_directory(path("folder")));
    EXPECT_EQ(std::filesystem::status(path("pipe")).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(device.openCount, 0) << "read asked the radio";
}

// A configuration without channels exports as the header line alone; importing that list
// empties every channel of another file.
TEST_F(CliRun, AListWithoutChannelsImportsAsNoChannels) {
    RadioImage none = defaultRadioImage();
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        clearChannel(none, ch);
    datafile::writeDataFile(path("none.dat"), none);
    datafile::writeDataFile(path("full.dat"), defaultRadioImage());
    ASSERT_EQ(run({"export-csv", path("none.dat")}), cli::kSuccess) << err.str();
    EXPECT_EQ(out.str(), "wrote 0 channels to " + path("none.csv") + "\n");
    ASSERT_EQ(run({"import-csv", path("none.csv"), "--into", path("full.dat")}), cli::kSuccess)
        << err.str();
    EXPECT_EQ(out.str(),
              "imported 0 channels from " + path("none.csv") + " into " + path("full.dat") + "\n");
    RadioImage result;
    ASSERT_EQ(datafile::readDataFile(path("full.dat"), result), datafile::ReadResult::Ok);
    EXPECT_TRUE(result == none);
}
