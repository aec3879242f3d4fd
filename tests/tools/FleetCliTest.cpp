// tsw62m-cli fleet in-process against the fake radio on virtual time: its exit statuses.
// The whole loop with several radios runs end to end against the simulator (tests/e2e).

#include <gtest/gtest.h>

#include <sstream>

#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "fleet/FleetLog.h"
#include "tests/support/FakeSerialDevice.h"
#include "tests/support/TestSupport.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"

using namespace tsw;
using namespace tsw::test;

namespace {

struct FleetCli : ::testing::Test {
    FleetCli() {
        radio.infoData.assign(32, 0xFF);
        const std::string serial = "FAKE-0001";
        std::copy(serial.begin(), serial.end(), radio.infoData.begin() + 16);
        EXPECT_TRUE(datafile::writeDataFile(path("fleet.dat"), defaultRadioImage()));
    }
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        cli::CliEnvironment env{out, err, device, clock, TSW_BIN_DIR, mapping};
        return cli::runCli(args, env);
    }
    std::vector<std::string> fleet(std::vector<std::string> more) {
        std::vector<std::string> args{"fleet", path("fleet.dat"), "--port", "/dev/x",
                                      "--log", path("log.csv"),   "--wait", "3"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
    VirtualClock clock;
    FakeSerialDevice device{clock};
    FakeRadio radio{device, clock};
    PortMapping mapping;
    std::ostringstream out, err;
};

TEST(FleetCliArgs, UsageErrors) {
    const std::vector<std::string> base{"fleet",   "f.dat", "--port", "COM1",
                                        "--count", "3",     "--log",  "l.csv"};
    const auto with = [&](std::vector<std::string> more) {
        auto a = base;
        a.insert(a.end(), more.begin(), more.end());
        return a;
    };
    struct Case {
        std::vector<std::string> args;
        bool ok;
    };
    const Case cases[] = {
        {with({"--label", "UNIT {n:02}"}), true},
        {with({"--dtmf-id", "0101", "--crewlink-id", "1001", "--first-number", "0", "--yes"}),
         true},
        {with({"--label=X", "--label-line=1", "--wait=10", "--retries", "2"}), true},
        {base, false}, // nothing to set
        {with({"--label-line", "3", "--label", "X"}), false},
        {with({"--dtmf-id", "12A"}), false},
        {with({"--crewlink-id", "x"}), false},
        {with({"--wait", "0", "--label", "X"}), false},
        {with({"--label"}), false},
        {{"fleet", "f.dat", "--port", "COM1", "--log", "l.csv", "--label", "X"}, false},
        {{"fleet", "f.dat", "--port", "COM1", "--count", "3", "--label", "X"}, false},
        {{"fleet", "--port", "COM1", "--count", "3", "--log", "l.csv", "--label", "X"}, false},
        {{"fleet", "f.dat", "--count", "3", "--log", "l.csv", "--label", "X"}, false},
        {with({"--count", "0", "--label", "X"}), false},
        {with({"--label", "X", "--force"}), false},
        {{"write", "--port", "COM1", "f.dat", "--count", "3"}, false},
    };
    for (const auto& c : cases) {
        const auto parsed = cli::parseArgs(c.args);
        std::string line;
        for (const auto& a : c.args)
            line += a + " ";
        EXPECT_EQ(parsed.error.empty(), c.ok) << line << "-> " << parsed.error;
    }
}

TEST_F(FleetCli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run(fleet({"--count", "1"})), 2);
    EXPECT_NE(err.str().find("at least one of --label, --dtmf-id and --crewlink-id"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("log.csv")));
}

TEST_F(FleetCli, OneRadioVerifiedExitsWithZeroAndIsLogged) {
    ASSERT_EQ(run(fleet({"--count", "1", "--label", "UNIT {n:02}", "--dtmf-id", "101",
                         "--crewlink-id", "1001"})),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "1/1 FAKE-0001 UNIT 01 dtmf 101 crewlink 1001 ok\n"
                         "Finished: 1 of 1 radios verified.\n");
    EXPECT_EQ(radio.image.byte(layout::kMessageLine2 + 5), '0');
    EXPECT_EQ(radio.image.byte(layout::kMessageLine2 + 6), '1');
    const auto log = fleet::parseLog(readText(path("log.csv")));
    ASSERT_TRUE(log.summary);
    EXPECT_EQ(log.summary->okCount, 1);
    EXPECT_EQ(log.summary->rows[0].serial, "FAKE-0001");
    EXPECT_EQ(log.summary->rows[0].firmware, "");
}

// The same radio stays connected: the second one never comes, and the run stops short. Run
// again, the log says the run is complete already.
TEST_F(FleetCli, StoppingShortExitsWithOneAndTheLogCarriesOn) {
    EXPECT_EQ(run(fleet({"--count", "2", "--crewlink-id", "1001"})), 1);
    EXPECT_EQ(out.str(), "1/2 FAKE-0001 crewlink 1001 ok\n");
    EXPECT_NE(err.str().find("Radio FAKE-0001 has already been written"), std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("No new radio answered within 3 seconds"), std::string::npos);
    EXPECT_NE(err.str().find("Stopped: 1 of 2 radios verified."), std::string::npos);

    EXPECT_EQ(run(fleet({"--count", "1", "--crewlink-id", "1001"})), 0) << err.str();
    EXPECT_EQ(out.str(), "Finished: 1 of 1 radios verified.\n");
    EXPECT_EQ(occurrences(readText(path("log.csv")), "\n"), 2u);
}

TEST_F(FleetCli, RefusalsBeforeAnythingIsSentExitWithThree) {
    RadioImage faulty = defaultRadioImage();
    faulty.setByte(layout::kFeatMicSensitivity, 7);
    ASSERT_TRUE(datafile::writeDataFile(path("faulty.dat"), faulty));
    writeText(dir.file("damaged.csv"), std::string(fleet::kLogHeader) + "\nt,S,V,1,,,,maybe,\n");
    std::filesystem::create_directory(dir.file("folder.csv"));
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {fleet({"--count", "20", "--label", "UNIT NUMBER {n:030}"}),
         "The label for radio 1, \"UNIT NUMBER 000000000000000000000000000001\", is longer than "
         "32 characters."},
        {fleet({"--count", "3", "--crewlink-id", "4998"}),
         "The CrewLink ID for radio 3 would be 5000: CrewLink IDs run from 1000 to 4999."},
        {fleet({"--count", "3", "--dtmf-id", "12"}), "a DTMF ID has 3 to 10 digits"},
        {{"fleet", path("missing.dat"), "--port", "/dev/x", "--count", "1", "--log",
          path("log.csv"), "--label", "X"},
         "missing.dat"},
        {{"fleet", path("faulty.dat"), "--port", "/dev/x", "--count", "1", "--log", path("log.csv"),
          "--label", "X"},
         "error: Optional Features / Mic Sensitivity"},
        {{"fleet", path("fleet.dat"), "--port", "/dev/x", "--count", "1", "--log",
          path("damaged.csv"), "--label", "X"},
         "damaged.csv: line 2 is damaged"},
        {{"fleet", path("fleet.dat"), "--port", "/dev/x", "--count", "1", "--log",
          path("folder.csv"), "--label", "X"},
         "folder.csv cannot be read as a log."},
        {{"fleet", path("fleet.dat"), "--port", "/dev/x", "--count", "1", "--log",
          path("no/folder/log.csv"), "--label", "X"},
         "log.csv cannot be written."},
    };
    const std::string damagedBefore = readText(dir.file("damaged.csv"));
    for (const auto& c : cases) {
        const int opened = device.openCount;
        EXPECT_EQ(run(c.args), 3) << c.message << "\n" << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_EQ(device.openCount, opened) << c.message;
    }
    EXPECT_EQ(readText(dir.file("damaged.csv")), damagedBefore);
    EXPECT_NE(radio.image.byte(layout::kFeatMicSensitivity), 7);
}

TEST_F(FleetCli, APortThatDoesNotOpenStopsTheRunWithOne) {
    device.failOpen = true;
    EXPECT_EQ(run(fleet({"--count", "1", "--label", "X"})), 1);
    EXPECT_NE(err.str().find("The port cannot be opened; the run has stopped."), std::string::npos)
        << err.str();
}

} // namespace
