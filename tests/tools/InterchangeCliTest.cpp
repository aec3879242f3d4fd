// tsw62m-cli export-csv, import-csv and diff on temporary files.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

#include "app/DataFile.h"
#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "editors/channel/ChannelRecord.h"
#include "tests/support/FakeSerialDevice.h"
#include "tests/support/TestSupport.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"

using namespace tsw;
using namespace tsw::test;

namespace {

RadioImage defaultImage() {
    RadioImage image;
    ModelIdentity id{};
    parseIdentityText(kDefaultIdentityText, id);
    buildDefaultImage(image, id);
    return image;
}

std::string readText(const std::string& path) {
    const auto bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

struct InterchangeCli : ::testing::Test {
    InterchangeCli() { datafile::writeDataFile(path("a.dat"), defaultImage()); }

    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        cli::CliEnvironment env{out, err, device, clock, TSW_BIN_DIR, {}};
        return cli::runCli(args, env);
    }
    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
    VirtualClock clock;
    FakeSerialDevice device{clock};
    std::ostringstream out, err;
};

} // namespace

TEST(InterchangeCliArgs, UsageOfTheNewCommands) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
    };
    const Case cases[] = {
        {{"export-csv", "a.dat"}, true},
        {{"export-csv", "a.dat", "--output", "a.csv"}, true},
        {{"import-csv", "a.csv", "--into", "a.dat"}, true},
        {{"import-csv", "a.csv", "--into=a.dat", "--output", "b.dat"}, true},
        {{"diff", "a.dat", "b.dat", "--lang", "3"}, true},
        {{"export-csv"}, false},
        {{"import-csv", "a.csv"}, false},
        {{"import-csv", "--into", "a.dat"}, false},
        {{"diff", "a.dat"}, false},
        {{"diff", "a.dat", "b.dat", "c.dat"}, false},
        {{"diff", "a.dat", "b.dat", "--into", "c.dat"}, false},
        {{"show", "a.dat", "b.dat"}, false},
        {{"export-csv", "a.dat", "--port", "COM1"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::parseArgs(c.args).error.empty(), c.ok) << c.args[0] << " " << c.args.size();
}

TEST_F(InterchangeCli, ExportWritesTheChannelListBesideTheFile) {
    ASSERT_EQ(run({"export-csv", path("a.dat")}), cli::kSuccess) << err.str();
    EXPECT_EQ(readText(path("a.csv")), readText(testDataPath("default_channels.csv")));
    EXPECT_EQ(run({"export-csv", path("missing.dat"), "--output", path("x.csv")}), cli::kFailure);
    EXPECT_FALSE(std::filesystem::exists(path("x.csv")));
}

TEST_F(InterchangeCli, ImportWritesTheResultOnlyWhenTheWholeListIsGood) {
    writeText(path("plan.csv"), "Location,Frequency,Tone,rToneFreq\n2,446.05625,Tone,67.0\n");
    const auto before = readBytes(path("a.dat"));
    ASSERT_EQ(
        run({"import-csv", path("plan.csv"), "--into", path("a.dat"), "--output", path("b.dat")}),
        cli::kSuccess)
        << err.str();
    EXPECT_EQ(readBytes(path("a.dat")), before);
    RadioImage b;
    ASSERT_EQ(datafile::readDataFile(path("b.dat"), b), datafile::ReadResult::Ok);
    EXPECT_EQ(CountUsedChannels(b), 1);
    EXPECT_EQ(b.word(layout::channelOffset(1) + layout::kChEncodeTone), 670);

    writeText(path("bad.csv"), "Location,Frequency\n2,446.05625\n17,446.00625\n3,4460\n");
    EXPECT_EQ(run({"import-csv", path("bad.csv"), "--into", path("a.dat")}), cli::kFailure);
    EXPECT_NE(err.str().find("bad.csv: Row 3:"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("bad.csv: Row 4:"), std::string::npos) << err.str();
    EXPECT_EQ(readBytes(path("a.dat")), before);
}

TEST_F(InterchangeCli, DiffListsTheDifferencesAndSaysSoInItsExitCode) {
    EXPECT_EQ(run({"diff", path("a.dat"), path("a.dat")}), 0);
    EXPECT_EQ(out.str(), "No differences.\n");

    RadioImage b = defaultImage();
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

// The built program, as a script would run it.
TEST_F(InterchangeCli, TheInstalledToolReportsThroughItsExitStatus) {
    const std::string tool = std::string(TSW_BIN_DIR) + "/tsw62m-cli";
    RadioImage b = defaultImage();
    b.setByte(0x3FF, 0x00);
    datafile::writeDataFile(path("b.dat"), b);
    const std::string command =
        "'" + tool + "' diff '" + path("a.dat") + "' '" + path("b.dat") + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe) != nullptr)
        output += buf;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(output.find("Byte 0x3FF"), std::string::npos) << output;
}
