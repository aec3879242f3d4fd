// tsw62m-cli against the simulated radio on a pseudo-terminal: the real executables, the real
// termios device and the real clock.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "editors/channel/FrequencyCodec.h"
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

// The radio's memory before a test: the defaults with every byte outside the channel table
// and identity made distinct, read-only areas included.
RadioImage radioImage() {
    RadioImage image = defaultRadioImage();
    for (std::size_t i = layout::kTuningData; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 3));
    for (std::size_t i = layout::kNoWriteArea1; i < layout::kNoWriteArea1End; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 5));
    return image;
}

// What the program writes: other channel frequencies (446.00625 MHz + 12.5 kHz x channel,
// each its own), a message, other read-only bytes.
RadioImage programImage() {
    RadioImage image = defaultRadioImage();
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        FrequencyBytes bytes{};
        parseFrequency(std::to_string(446.00625 + 0.0125 * ch), bytes, false);
        writeFrequencyBytes(image, layout::channelOffset(ch) + layout::kChRxFreq, bytes);
        writeFrequencyBytes(image, layout::channelOffset(ch) + layout::kChTxFreq, bytes);
    }
    for (std::size_t i = 0; i < layout::kMessageLineLength; ++i)
        image.setByte(layout::kMessageLine1 + i, static_cast<std::uint8_t>('A' + i % 26));
    for (std::size_t i = layout::kNoWriteArea1; i < layout::kNoWriteArea1End; ++i)
        image.setByte(i, 0x11);
    for (std::size_t i = layout::kTuningData; i < kImageSize; ++i)
        image.setByte(i, 0x22);
    return image;
}

// The radio after a write of `written` over `before`: only the written areas change.
RadioImage afterWrite(const RadioImage& before, const RadioImage& written) {
    RadioImage out = before;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool writable =
            i < layout::kNoWriteArea1 || (i >= layout::kNoWriteArea1End && i < layout::kTuningData);
        if (writable)
            out.setByte(i, written.byte(i));
    }
    return out;
}

ProcessResult cli(std::vector<std::string> args) {
    return runProcess(cliExecutable(), std::move(args));
}

} // namespace

// Reading and writing at the first and at the slowest rate of the baud search; each on its own
// so that the slow ones run side by side.
class CliTransfer : public ::testing::TestWithParam<std::string> {};

TEST_P(CliTransfer, ReadGivesTheRadiosImage) {
    SKIP_WITHOUT_EXECUTABLES();
    TempDir dir;
    RadioSim sim = RadioSim::withImage(dir, radioImage(), {"--baud", GetParam()});
    const auto out = dir.file("read.dat");
    const ProcessResult read = cli({"read", "--port", sim.port(), "--output", out.string()});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_TRUE(RadioSim::readImageFile(out) == radioImage());
}

TEST_P(CliTransfer, WriteChangesTheWritableAreasOnly) {
    SKIP_WITHOUT_EXECUTABLES();
    TempDir dir;
    RadioSim sim = RadioSim::withImage(dir, radioImage(), {"--baud", GetParam()});
    RadioSim::writeImageFile(dir.file("write.dat"), programImage());
    const ProcessResult write =
        cli({"write", "--port", sim.port(), dir.file("write.dat").string()});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(write.out, "Writing to the radio has been completed.\n");
    sim.stop();
    EXPECT_EQ(differingOffsets(sim.image(), afterWrite(radioImage(), programImage())),
              std::vector<std::size_t>{});
}

INSTANTIATE_TEST_SUITE_P(Baud, CliTransfer, ::testing::Values("9600", "1200"),
                         [](const auto& info) { return "At" + info.param; });

TEST(CliE2E, InfoPrintsTheRadiosFields) {
    SKIP_WITHOUT_EXECUTABLES();
    RadioSim sim({"--serial", "AB/12-34", "--version-text", "V2.345"});
    const ProcessResult r = cli({"info", "--port", sim.port()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Model Type: HX-5520\n"
                     "Frequency: Band : UHF 446.00625-446.09375 MHz\n"
                     "Serial Number: AB 12-34\n"
                     "Firmware Version: V2.345\n");
}

// ---- Faults ---------------------------------------------------------------------------------

struct FaultCase {
    const char* name;
    std::vector<std::string> simOptions;
    std::string verb; // read, write or info
    int retries;
    int exitCode;
    int retriesAnswered; // failed attempts that were tried again
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class CliFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CliFault, EndsAsItShould) {
    SKIP_WITHOUT_EXECUTABLES();
    const FaultCase& c = GetParam();
    TempDir dir;
    const RadioImage before = radioImage();
    RadioSim sim = RadioSim::withImage(dir, before, c.simOptions);
    const auto out = dir.file("out.dat");
    const RadioImage wanted = programImage();
    RadioSim::writeImageFile(dir.file("write.dat"), wanted);
    // Without retries an older output file is there to be kept; with them there is none.
    const bool older = c.retries == 0;
    if (older)
        writeText(out, "the file from before");

    std::vector<std::string> args{c.verb, "--port", sim.port(), "--retries",
                                  std::to_string(c.retries)};
    if (c.verb == "read")
        args.insert(args.end(), {"--output", out.string()});
    if (c.verb == "write")
        args.push_back(dir.file("write.dat").string());
    const ProcessResult r = cli(args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(occurrences(r.err, "; trying again)"), static_cast<std::size_t>(c.retriesAnswered))
        << r.err;
    sim.stop();
    if (c.verb == "read" && c.exitCode == 0) {
        EXPECT_TRUE(RadioSim::readImageFile(out) == before);
    } else if (c.verb == "read") {
        // A failed read leaves an older file as it was and creates none.
        EXPECT_EQ(std::filesystem::exists(out), older);
        EXPECT_EQ(readText(out), older ? "the file from before" : "");
    }
    if (c.verb == "write" && c.exitCode == 0) {
        EXPECT_TRUE(sim.image() == afterWrite(before, wanted));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CliFault,
    // One retry recovers from any single fault: the retry starts once the radio has given up
    // waiting for the acknowledgement of the reply that went wrong.
    ::testing::Values(
        FaultCase{"ReadNoAck", {"--fault-no-ack", "2"}, "read", 0, 1, 0},
        FaultCase{"ReadNoAckRetried", {"--fault-no-ack", "2"}, "read", 1, 0, 1},
        FaultCase{"ReadNakRetried", {"--fault-nak", "5"}, "read", 1, 0, 1},
        FaultCase{"ReadBadFirstByte", {"--fault-bad-first", "3"}, "read", 0, 1, 0},
        FaultCase{"ReadBadFirstByteRetried", {"--fault-bad-first", "3"}, "read", 1, 0, 1},
        FaultCase{"ReadExtraByte", {"--fault-extra-byte", "1"}, "read", 0, 1, 0},
        FaultCase{"ReadExtraByteRetried", {"--fault-extra-byte", "1"}, "read", 1, 0, 1},
        FaultCase{"ReadSilence", {"--fault-silence-after", "2"}, "read", 0, 1, 0},
        FaultCase{"ReadSilenceRetried", {"--fault-silence-after", "2"}, "read", 1, 1, 1},
        FaultCase{"ReadTooLateReplies", {"--delay-ms", "400"}, "read", 0, 1, 0},
        FaultCase{"ReadTooLateRepliesRetried", {"--delay-ms", "400"}, "read", 1, 1, 1},
        FaultCase{"ReadUnknownModel", {"--model", "X9999"}, "read", 0, 1, 0},
        FaultCase{"ReadUnknownModelRetried", {"--model", "X9999"}, "read", 1, 1, 1},
        FaultCase{"WriteNak", {"--fault-nak", "3"}, "write", 0, 1, 0},
        FaultCase{"WriteNakRetried", {"--fault-nak", "3"}, "write", 1, 0, 1},
        FaultCase{"WriteNoAck", {"--fault-no-ack", "40"}, "write", 0, 1, 0},
        FaultCase{"WriteNoAckRetried", {"--fault-no-ack", "40"}, "write", 1, 0, 1},
        FaultCase{"WriteBadFirstByteRetried", {"--fault-bad-first", "7"}, "write", 1, 0, 1},
        FaultCase{"InfoChecksum", {"--fault-info-checksum"}, "info", 0, 1, 0},
        FaultCase{"InfoChecksumRetried", {"--fault-info-checksum"}, "info", 2, 1, 2}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// ---- Verify after write, and a write that fails part way ------------------------------------

struct WriteCheckCase {
    const char* name;
    std::vector<std::string> simOptions;
    std::vector<std::string> options;
    int exitCode;
    std::vector<std::string> errLines; // lines standard error must hold
    bool readBackKept;                 // --output holds what the radio holds
};

void PrintTo(const WriteCheckCase& c, std::ostream* os) {
    *os << c.name;
}

class CliWriteCheck : public ::testing::TestWithParam<WriteCheckCase> {};

TEST_P(CliWriteCheck, EndsAsItShould) {
    SKIP_WITHOUT_EXECUTABLES();
    const WriteCheckCase& c = GetParam();
    TempDir dir;
    RadioSim sim = RadioSim::withImage(dir, radioImage(), c.simOptions);
    RadioSim::writeImageFile(dir.file("write.dat"), programImage());
    std::vector<std::string> args{"write", "--port", sim.port(), dir.file("write.dat").string()};
    for (std::string option : c.options)
        args.push_back(option == "READBACK" ? dir.file("readback.dat").string() : option);
    const ProcessResult r = cli(args);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    for (const std::string& line : c.errLines)
        EXPECT_NE(r.err.find(line + "\n"), std::string::npos) << line << "\n" << r.err;
    if (c.exitCode == 0)
        EXPECT_EQ(r.out, "Writing to the radio has been completed.\n"
                         "Reading it back showed that the radio holds every byte as written.\n");
    sim.stop();
    EXPECT_EQ(std::filesystem::exists(dir.file("readback.dat")), c.readBackKept);
    if (c.readBackKept)
        EXPECT_TRUE(RadioSim::readImageFile(dir.file("readback.dat")) == sim.image());
}

// programImage() holds the DTMF ID code "000" (0x120..0x122) and channel 1's receive
// frequency 446.00625 MHz with 0x10 as its first byte.
INSTANTIATE_TEST_SUITE_P(
    Cases, CliWriteCheck,
    ::testing::Values(
        WriteCheckCase{
            "VerifiedOnAGoodRadio", {}, {"--verify", "--output", "READBACK"}, 0, {}, true},
        WriteCheckCase{"AWrongValueIsNamedByItsField",
                       {"--fault-store", "0x121"},
                       {"--verify", "--output", "READBACK"},
                       1,
                       {"The radio does not hold what was written:",
                        "Verify failed: DTMF / ID Code: written \"000\", radio holds \"010\""},
                       true},
        WriteCheckCase{"AFailureAfterSomeFramesLeavesTheRadioMixed",
                       {"--fault-nak", "5"},
                       {},
                       1,
                       {"tsw62m-cli: The write did not complete. The radio now holds a mix of old "
                        "and new data and cannot be used as it is: write a complete "
                        "configuration to it."},
                       false},
        WriteCheckCase{
            "AFailureAtTheFirstFrameLeavesItUnchanged",
            {"--fault-nak", "1"},
            {"--verify"},
            1,
            {"tsw62m-cli: the write did not complete; the radio acknowledged none of it"},
            false},
        WriteCheckCase{
            "OutputWithoutVerifyIsAUsageError", {}, {"--output", "READBACK"}, 2, {}, false}),
    [](const ::testing::TestParamInfo<WriteCheckCase>& info) {
        return std::string(info.param.name);
    });

// diff FILE --port PORT reads the simulated radio and compares: 0 equal, 1 different, 2 when
// the file or the radio cannot be read.
TEST(CliE2E, DiffWithTheRadioSaysWhatDiffers) {
    SKIP_WITHOUT_EXECUTABLES();
    TempDir dir;
    RadioSim sim = RadioSim::withImage(dir, radioImage(), {});
    RadioSim::writeImageFile(dir.file("same.dat"), radioImage());
    RadioImage changed = radioImage();
    changed.setByte(layout::kFeatSquelchLevel, 8);
    RadioSim::writeImageFile(dir.file("changed.dat"), changed);

    const ProcessResult same = cli({"diff", dir.file("same.dat").string(), "--port", sim.port()});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "No differences.\n");
    const ProcessResult differ =
        cli({"diff", dir.file("changed.dat").string(), "--port", sim.port()});
    EXPECT_EQ(differ.exitCode, 1) << differ.err;
    EXPECT_NE(differ.out.find("Optional Features / Squelch Level"), std::string::npos)
        << differ.out;
    EXPECT_EQ(occurrences(differ.out, "\n"), 2u) << differ.out;

    const ProcessResult noFile =
        cli({"diff", dir.file("absent.dat").string(), "--port", sim.port()});
    EXPECT_EQ(noFile.exitCode, 2);
    const ProcessResult noRadio =
        cli({"diff", dir.file("same.dat").string(), "--port", dir.file("no-such-tty").string()});
    EXPECT_EQ(noRadio.exitCode, 2) << noRadio.err;
}

// write runs Check Configuration: a configuration with errors is refused before anything is
// sent (exit 3, the radio as it was) unless --force is given.
TEST(CliE2E, WriteRefusesErrorsUnlessForced) {
    SKIP_WITHOUT_EXECUTABLES();
    TempDir dir;
    RadioSim sim = RadioSim::withImage(dir, radioImage(), {});
    RadioImage faulty = programImage();
    faulty.setByte(layout::kFeatTimeOutTimer, 0); // no time-out timer the editor offers
    RadioSim::writeImageFile(dir.file("faulty.dat"), faulty);

    const ProcessResult refused =
        cli({"write", "--port", sim.port(), dir.file("faulty.dat").string()});
    EXPECT_EQ(refused.exitCode, 3) << refused.err;
    EXPECT_NE(refused.err.find("error: Optional Features / Time Out Timer (TOT) [s]: "),
              std::string::npos)
        << refused.err;
    const ProcessResult forced =
        cli({"write", "--port", sim.port(), dir.file("faulty.dat").string(), "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    sim.stop();
    EXPECT_EQ(differingOffsets(sim.image(), afterWrite(radioImage(), faulty)),
              std::vector<std::size_t>{});
}

// An input that is a pipe is refused at once by every command that reads one: nothing waits
// for a writer that never comes.
TEST(CliE2E, PipesAsInputAreRefusedWithoutWaiting) {
    SKIP_WITHOUT_EXECUTABLES();
    TempDir dir;
    const std::string pipe = dir.file("pipe.dat").string();
    const std::string good = dir.file("good.dat").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    writeBytes(good, datafile::dataFileBytes(defaultRadioImage()));
    writeText(dir.file("list.csv"), "Frequency\n");
    const std::string refusal =
        "Cannot open file " + pipe + ": not a regular file (a folder, device or pipe).";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"show", pipe}, 1},
        {{"hexdump", pipe}, 1},
        {{"diff", good, pipe}, 2},
        {{"write", "--port", "/dev/null", pipe}, 1},
        {{"export-csv", pipe, "--output", dir.file("x.csv").string()}, 1},
        {{"import-csv", pipe, "--into", good}, 1},
        {{"import-csv", dir.file("list.csv").string(), "--into", pipe}, 1},
    };
    for (const Case& c : cases) {
        const ProcessResult r = runProcess(cliExecutable(), c.args, std::chrono::seconds(10));
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << r.err;
        EXPECT_NE(r.err.find(refusal), std::string::npos) << c.args[0] << ": " << r.err;
    }
}
