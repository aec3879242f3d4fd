#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/DataFile.h"
#include "app/ImageLayout.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
namespace fs = std::filesystem;

namespace {

RadioImage patternImage() {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}

std::vector<std::uint8_t> validFile(const RadioImage& image) {
    std::vector<std::uint8_t> bytes = {'Q', 'B', '5', '8', '1', '2', 'C'};
    bytes.resize(datafile::kHeaderSize, 0xFF);
    bytes.insert(bytes.end(), image.raw().begin(), image.raw().end());
    return bytes;
}

std::vector<std::uint8_t> withMessage(std::string_view line1, std::string_view line2) {
    RadioImage image;
    for (std::size_t i = 0; i < line1.size(); ++i)
        image.setByte(layout::kMessageLine1 + i, static_cast<std::uint8_t>(line1[i]));
    for (std::size_t i = 0; i < line2.size(); ++i)
        image.setByte(layout::kMessageLine2 + i, static_cast<std::uint8_t>(line2[i]));
    return validFile(image);
}

std::size_t filesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

} // namespace

TEST(DataFile, WriteReadRoundTripIsByteIdentical) {
    test::TempDir dir;
    const auto first = dir.file("a.dat").string();
    const auto second = dir.file("b.dat").string();
    const RadioImage original = patternImage();

    ASSERT_TRUE(datafile::writeDataFile(first, original));
    const auto written = test::readBytes(first);
    EXPECT_EQ(written, validFile(original));
    ASSERT_EQ(written.size(), 1040u);

    RadioImage loaded;
    ASSERT_EQ(datafile::readDataFile(first, loaded), datafile::ReadResult::Ok);
    EXPECT_EQ(loaded, original);
    ASSERT_TRUE(datafile::writeDataFile(second, loaded));
    EXPECT_EQ(test::readBytes(second), written);
    EXPECT_EQ(filesIn(dir.path()), 2u) << "no temporary file is left behind";
}

TEST(DataFile, ParseAcceptsOrRefuses) {
    const RadioImage image = patternImage();
    const auto good = validFile(image);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        datafile::ReadResult expected;
    };
    auto edit = [&](auto change) {
        auto b = good;
        change(b);
        return b;
    };
    const Case cases[] = {
        {"valid", good, datafile::ReadResult::Ok},
        {"filler not 0xFF", edit([](auto& b) { std::fill(b.begin() + 7, b.begin() + 16, 0x00); }),
         datafile::ReadResult::Ok},
        {"longer file", edit([](auto& b) { b.resize(4000, 0x11); }), datafile::ReadResult::Ok},
        {"1039 bytes", edit([](auto& b) { b.pop_back(); }), datafile::ReadResult::WrongFormat},
        {"header only", edit([](auto& b) { b.resize(16); }), datafile::ReadResult::WrongFormat},
        {"seventh byte wrong", edit([](auto& b) { b[6] = 'D'; }),
         datafile::ReadResult::WrongFormat},
        {"first byte wrong", edit([](auto& b) { b[0] = 'q'; }), datafile::ReadResult::WrongFormat},
        {"empty", {}, datafile::ReadResult::WrongFormat},
    };
    for (const auto& c : cases) {
        RadioImage target;
        target.fill(0x5A);
        const RadioImage before = target;
        EXPECT_EQ(datafile::parseDataFile(c.bytes, target), c.expected) << c.name;
        EXPECT_EQ(target, c.expected == datafile::ReadResult::Ok ? image : before) << c.name;
    }
}

TEST(DataFile, ReadFromDiskKeepsImageOnFailure) {
    test::TempDir dir;
    auto bytes = validFile(patternImage());
    bytes.pop_back();
    test::writeBytes(dir.file("short.dat"), bytes);
    fs::create_directory(dir.file("folder.dat"));
    struct Case {
        std::string path;
        datafile::ReadResult expected;
    };
    const Case cases[] = {
        {dir.file("short.dat").string(), datafile::ReadResult::WrongFormat},
        {dir.file("missing.dat").string(), datafile::ReadResult::CannotOpen},
        {dir.file("folder.dat").string(), datafile::ReadResult::CannotOpen},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.fill(0x33);
        EXPECT_EQ(datafile::readDataFile(c.path, image), c.expected) << c.path;
        RadioImage unchanged;
        unchanged.fill(0x33);
        EXPECT_EQ(image, unchanged) << c.path;
    }
}

TEST(DataFile, MessagePreview) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        datafile::MessagePreview expected;
    };
    auto edit = [](std::vector<std::uint8_t> b, auto change) {
        change(b);
        return b;
    };
    const std::string full(32, 'M');
    const std::size_t line1 = datafile::kHeaderSize + layout::kMessageLine1;
    const Case cases[] = {
        {"both lines", withMessage("HELLO", "WORLD 2"), {"HELLO", "WORLD 2"}},
        {"full lines", withMessage(full, full), {full, full}},
        {"empty lines", withMessage("", ""), {"", ""}},
        {"0xFF inside is skipped",
         edit(withMessage("AB", "X"), [&](auto& b) { b[line1 + 3] = 'C'; }),
         {"ABC", "X"}},
        {"first byte 0xFF hides the line",
         edit(withMessage("", "Y"), [&](auto& b) { b[line1 + 1] = 'Z'; }),
         {"", "Y"}},
        {"a zero byte ends the line",
         edit(withMessage("ABCD", ""), [&](auto& b) { b[line1 + 2] = 0; }),
         {"AB", ""}},
        {"seventh byte differs: still shown",
         edit(withMessage("HI", "THERE"), [](auto& b) { b[6] = 'X'; }),
         {"HI", "THERE"}},
        {"sixth byte differs: cleared",
         edit(withMessage("HI", "THERE"), [](auto& b) { b[5] = '3'; }),
         {"", ""}},
        {"short file: missing bytes are empty",
         edit(withMessage("HELLO", "WORLD"), [&](auto& b) { b.resize(line1 + 3); }),
         {"HEL", ""}},
        {"five bytes", {'Q', 'B', '5', '8', '1'}, {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(datafile::previewDataFileBytes(c.bytes), c.expected) << c.name;

    test::TempDir dir;
    test::writeBytes(dir.file("m.dat"), withMessage("ON DISK", ""));
    EXPECT_EQ(datafile::previewDataFile(dir.file("m.dat").string()),
              (datafile::MessagePreview{"ON DISK", ""}));
    EXPECT_EQ(datafile::previewDataFile(dir.file("none.dat").string()), std::nullopt);
}

TEST(AtomicFile, FailedWriteLeavesTheOldFileIntact) {
    test::TempDir dir;
    const auto target = dir.file("old.dat");
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    test::writeBytes(target, old);

    // The file size limit makes the write fail after 100 bytes, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = datafile::writeDataFile(target.string(), patternImage());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(result.message, systemErrorText(EFBIG));
    EXPECT_EQ(test::readBytes(target), old);
    EXPECT_EQ(filesIn(dir.path()), 1u) << "the temporary file is removed";
}

TEST(AtomicFile, FailuresReportTheSystemText) {
    test::TempDir dir;
    fs::create_directory(dir.file("taken"));
    test::writeText(dir.file("taken/inside"), "x");
    const std::vector<std::uint8_t> bytes(10, 1);

    const auto overFolder = writeFileAtomically(dir.file("taken").string(), bytes);
    EXPECT_FALSE(overFolder);
    EXPECT_FALSE(overFolder.message.empty());
    EXPECT_TRUE(fs::is_directory(dir.file("taken")));
    EXPECT_EQ(filesIn(dir.path()), 1u) << "the temporary file is removed";

    const auto noFolder = writeFileAtomically(dir.file("missing/x.dat").string(), bytes);
    EXPECT_EQ(noFolder.error, ENOENT);
    EXPECT_EQ(noFolder.message, systemErrorText(ENOENT));
}

TEST(AtomicFile, KeepsModeAndWritesThroughLinks) {
    test::TempDir dir;
    const auto target = dir.file("t.dat");
    test::writeText(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, dir.file("link.dat"));

    ASSERT_TRUE(writeFileAtomically(dir.file("link.dat").string(),
                                    std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(test::readBytes(target), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
