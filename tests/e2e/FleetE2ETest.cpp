// tsw62m-cli fleet against the simulated radio with --fleet: the real executables, the real
// termios device and the real clock. After each session that wrote its memory the simulator
// answers with the next serial number, as a dealer connecting the next radio.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ImageLayout.h"
#include "fleet/FleetLog.h"
#include "tests/support/RadioSim.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::test;

namespace {

bool executablesPresent() {
    return std::filesystem::exists(RadioSim::executable()) &&
           std::filesystem::exists(cliExecutable());
}

#define SKIP_WITHOUT_EXECUTABLES()                                                                 \
    if (!executablesPresent())                                                                     \
    GTEST_SKIP() << "tsw62m-radiosim or tsw62m-cli is not built; end-to-end tests skipped"

struct FleetBench {
    explicit FleetBench(const std::string& serials, std::vector<std::string> faults = {}) {
        faults.insert(faults.begin(), {"--fleet", serials});
        sim.emplace(RadioSim::withImage(dir, defaultRadioImage(), faults));
        RadioSim::writeImageFile(dir.file("fleet.dat"), defaultRadioImage());
    }

    ProcessResult fleet(const std::string& count, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"fleet",         dir.file("fleet.dat").string(),
                                      "--port",        sim->port(),
                                      "--count",       count,
                                      "--log",         log().string(),
                                      "--label",       "UNIT {n:02}",
                                      "--dtmf-id",     "101",
                                      "--crewlink-id", "1001",
                                      "--wait",        "5"};
        args.insert(args.end(), more.begin(), more.end());
        return runProcess(cliExecutable(), args);
    }

    std::filesystem::path log() const { return dir.file("fleet.csv"); }

    // "SERIAL number result" for each row of the log.
    std::vector<std::string> logRows() const {
        const auto reading = fleet::parseLog(readText(log()));
        EXPECT_TRUE(reading.summary) << "damaged at line " << reading.line;
        std::vector<std::string> rows;
        if (reading.summary)
            for (const auto& r : reading.summary->rows)
                rows.push_back(r.serial + " " + std::to_string(r.number) + " " + r.label + " " +
                               r.dtmfId + " " + r.crewLinkId + (r.ok ? " ok" : " failed"));
        return rows;
    }

    TempDir dir;
    std::optional<RadioSim> sim;
};

std::string messageLine2(const RadioImage& image) {
    std::string out;
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i) {
        const auto c = image.byte(layout::kMessageLine2 + i);
        if (c == 0xFF)
            break;
        out.push_back(static_cast<char>(c));
    }
    return out;
}

} // namespace

TEST(FleetE2E, ThreeRadiosGetTheirOwnNumbersAndAreLogged) {
    SKIP_WITHOUT_EXECUTABLES();
    FleetBench bench("FLEET-000001,FLEET-000002,FLEET-000003");
    const ProcessResult r = bench.fleet("3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "1/3 FLEET-000001 UNIT 01 dtmf 101 crewlink 1001 ok\n"
                     "2/3 FLEET-000002 UNIT 02 dtmf 102 crewlink 1002 ok\n"
                     "3/3 FLEET-000003 UNIT 03 dtmf 103 crewlink 1003 ok\n"
                     "Finished: 3 of 3 radios verified.\n");
    EXPECT_EQ(bench.logRows(), (std::vector<std::string>{"FLEET-000001 1 UNIT 01 101 1001 ok",
                                                         "FLEET-000002 2 UNIT 02 102 1002 ok",
                                                         "FLEET-000003 3 UNIT 03 103 1003 ok"}));
    const auto firstLine = readText(bench.log()).substr(0, readText(bench.log()).find('\n'));
    EXPECT_EQ(firstLine, fleet::kLogHeader);
    bench.sim->stop();
    const RadioImage last = bench.sim->image(); // the memory the three radios shared
    EXPECT_EQ(messageLine2(last), "UNIT 03");
    EXPECT_EQ(last.byte(layout::kDtmfIdCode + 2), '3');
    EXPECT_EQ(last.word(layout::kCrewOwnId), 1003 - 999);
}

TEST(FleetE2E, AResumedRunCountsTheRadiosDoneAndNumbersOn) {
    SKIP_WITHOUT_EXECUTABLES();
    FleetBench bench("FLEET-000001,FLEET-000002,FLEET-000003");
    const ProcessResult first = bench.fleet("1");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const ProcessResult resumed = bench.fleet("3");
    ASSERT_EQ(resumed.exitCode, 0) << resumed.err;
    EXPECT_NE(resumed.err.find("The log holds 1 radios that verified; the run goes on with "
                               "number 2."),
              std::string::npos)
        << resumed.err;
    EXPECT_EQ(resumed.out, "2/3 FLEET-000002 UNIT 02 dtmf 102 crewlink 1002 ok\n"
                           "3/3 FLEET-000003 UNIT 03 dtmf 103 crewlink 1003 ok\n"
                           "Finished: 3 of 3 radios verified.\n");
    EXPECT_EQ(bench.logRows().size(), 3u);
}

// The write of the second radio fails part way (frame 80: radio 1 took frames 1..65, its 49
// write frames and the 16 read back): it is logged, and its number goes to the next radio.
TEST(FleetE2E, ARadioThatFailsIsLoggedAndItsNumberGoesToTheNext) {
    SKIP_WITHOUT_EXECUTABLES();
    FleetBench bench("FLEET-000001,FLEET-000002,FLEET-000003,FLEET-000004",
                     {"--fault-no-ack", "80"});
    const ProcessResult r = bench.fleet("3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("2/3 FLEET-000002 UNIT 02 dtmf 102 crewlink 1002 failed: "),
              std::string::npos)
        << r.out;
    EXPECT_EQ(bench.logRows(), (std::vector<std::string>{"FLEET-000001 1 UNIT 01 101 1001 ok",
                                                         "FLEET-000002 2 UNIT 02 102 1002 failed",
                                                         "FLEET-000003 2 UNIT 02 102 1002 ok",
                                                         "FLEET-000004 3 UNIT 03 103 1003 ok"}));
}

// A radio whose serial number the log holds as ok is not written again: the run waits for
// another radio, which never comes here.
TEST(FleetE2E, ARadioAlreadyLoggedIsNotWrittenTwice) {
    SKIP_WITHOUT_EXECUTABLES();
    FleetBench bench("FLEET-000001,FLEET-000002");
    writeText(bench.log(), std::string(fleet::kLogHeader) +
                               "\n2026-12-07T01:00:00+00:00,FLEET-000001,V1.000,1,UNIT 01,101,"
                               "1001,ok,\n");
    const std::string logBefore = readText(bench.log());
    const ProcessResult r = bench.fleet("2", {"--wait", "3"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Radio FLEET-000001 has already been written"), std::string::npos)
        << r.err;
    EXPECT_EQ(readText(bench.log()), logBefore);
    bench.sim->stop();
    EXPECT_EQ(messageLine2(bench.sim->image()), messageLine2(defaultRadioImage()));
}
