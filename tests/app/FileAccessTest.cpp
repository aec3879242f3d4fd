// Reading and writing the files the user names: what is refused (pipes, devices, folders,
// read-only files) and how, symbolic links, stale temporary files, and the messages that name
// the file and the reason. A read that waited on a pipe would hang: the test's time-out
// catches that.

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/AtomicFile.h"
#include "app/DataFile.h"
#include "app/FileText.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> kNew = {'n', 'e', 'w'};

void makeFifo(const fs::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
}

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// A process id that no process has any more.
long finishedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void setAge(const fs::path& path, std::chrono::seconds age) {
    const auto when = std::chrono::system_clock::now() - age;
    const timespec times[2] = {{std::chrono::system_clock::to_time_t(when), 0},
                               {std::chrono::system_clock::to_time_t(when), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

} // namespace

TEST(FileRead, TakesRegularFilesOnlyAndNeverWaits) {
    test::TempDir dir;
    test::writeText(dir.file("plain"), "text");
    makeFifo(dir.file("pipe"));
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(dir.file("plain"), dir.file("to-plain"));
    fs::create_symlink(dir.file("pipe"), dir.file("to-pipe"));
    struct Case {
        std::string path;
        FileFault fault;
        int error;
    };
    const Case cases[] = {
        {dir.file("plain").string(), FileFault::None, 0},
        {dir.file("to-plain").string(), FileFault::None, 0},
        {dir.file("pipe").string(), FileFault::NotRegularFile, EINVAL},
        {dir.file("to-pipe").string(), FileFault::NotRegularFile, EINVAL},
        {dir.file("folder").string(), FileFault::NotRegularFile, EINVAL},
        {"/dev/null", FileFault::NotRegularFile, EINVAL},
        {dir.file("absent").string(), FileFault::System, ENOENT},
    };
    for (const Case& c : cases) {
        const FileReadResult r = readFileContents(c.path);
        EXPECT_EQ(r.status.fault, c.fault) << c.path;
        EXPECT_EQ(r.status.error, c.error) << c.path;
        EXPECT_EQ(r.contents, c.error == 0 ? "text" : "") << c.path;
    }
    // The data file's reader and the open dialog's preview take the same way.
    RadioImage image = test::patternImage();
    FileStatus why;
    EXPECT_EQ(datafile::readDataFile(dir.file("pipe").string(), image, why),
              datafile::ReadResult::CannotOpen);
    EXPECT_EQ(why.fault, FileFault::NotRegularFile);
    EXPECT_TRUE(image == test::patternImage());
    EXPECT_EQ(datafile::previewDataFile(dir.file("pipe").string()), std::nullopt);
}

// What stands at the name stays as it was, and no temporary file is left behind.
TEST(AtomicFile, RefusesOutputsThatAreNoRegularFileOrReadOnly) {
    test::TempDir dir;
    makeFifo(dir.file("pipe"));
    fs::create_directory(dir.file("folder"));
    test::writeText(dir.file("folder/inside"), "x");
    test::writeText(dir.file("locked"), "old");
    fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::group_read);
    fs::create_symlink(dir.file("pipe"), dir.file("to-pipe"));
    fs::create_symlink(dir.file("locked"), dir.file("to-locked"));
    fs::create_symlink("loop-b", dir.file("loop-a"));
    fs::create_symlink("loop-a", dir.file("loop-b"));
    const std::set<std::string> before = namesIn(dir.path());
    struct Case {
        std::string name;
        FileFault fault;
        int error;
    };
    const Case cases[] = {
        {"pipe", FileFault::NotRegularFile, EINVAL},
        {"to-pipe", FileFault::NotRegularFile, EINVAL},
        {"folder", FileFault::NotRegularFile, EINVAL},
        {"locked", FileFault::ReadOnlyFile, EACCES}, // even for root
        {"to-locked", FileFault::ReadOnlyFile, EACCES},
        {"loop-a", FileFault::System, ELOOP},
    };
    for (const Case& c : cases) {
        const std::string path = dir.file(c.name).string();
        EXPECT_EQ(checkOutputFile(path).fault, c.fault) << c.name;
        const FileWriteResult r = writeFileAtomically(path, kNew);
        EXPECT_FALSE(r) << c.name;
        EXPECT_EQ(r.fault, c.fault) << c.name;
        EXPECT_EQ(r.error, c.error) << c.name;
    }
    EXPECT_EQ(namesIn(dir.path()), before);
    EXPECT_EQ(fs::status(dir.file("pipe")).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink(dir.file("to-pipe")));
    EXPECT_EQ(test::readText(dir.file("locked")), "old");
    EXPECT_EQ(test::readText(dir.file("folder/inside")), "x");
}

// A link is written through to the file it names, wherever and however far that is; the link
// stays. A link to nothing yet creates the file it names.
TEST(AtomicFile, WritesThroughSymbolicLinks) {
    test::TempDir dir;
    fs::create_directories(dir.file("sub/deeper"));
    test::writeText(dir.file("sub/deeper/target"), "old");
    struct Case {
        std::vector<std::pair<std::string, std::string>> links; // name -> what it points to
        std::string written;
        std::string file; // where the bytes land
    };
    const Case cases[] = {
        {{{"abs", dir.file("sub/deeper/target").string()}}, "abs", "sub/deeper/target"},
        {{{"sub/rel", "deeper/target"}}, "sub/rel", "sub/deeper/target"},
        {{{"two", "sub/one"}, {"sub/one", "deeper/target"}}, "two", "sub/deeper/target"},
        {{{"dangling", "sub/deeper/created"}}, "dangling", "sub/deeper/created"},
    };
    for (const Case& c : cases) {
        for (const auto& [name, to] : c.links)
            fs::create_symlink(to, dir.file(name));
        ASSERT_TRUE(writeFileAtomically(dir.file(c.written).string(), kNew)) << c.written;
        EXPECT_EQ(test::readBytes(dir.file(c.file)), kNew) << c.written;
        for (const auto& [name, to] : c.links) {
            EXPECT_TRUE(fs::is_symlink(dir.file(name))) << name;
            fs::remove(dir.file(name));
        }
        test::writeText(dir.file("sub/deeper/target"), "old");
    }
}

// A write removes the temporary files an earlier, killed write left in its folder once they
// are provably stale, and nothing else.
TEST(AtomicFile, RemovesStaleTemporariesOfItsOwnNamingOnly) {
    test::TempDir dir;
    const long dead = finishedProcess();
    const long alive = ::getpid();
    const auto name = [](long pid, const char* tail) {
        return "radio.dat.tmp" + std::to_string(pid) + "." + tail;
    };
    using std::chrono::seconds;
    struct Case {
        std::string name;
        seconds age;
        bool removed;
    };
    const Case cases[] = {
        {name(dead, "0123abcd"), kDeadWriterAge + seconds(5), true},
        {name(dead, "0123abce"), seconds(0), false}, // may still be on its way
        {name(alive, "0123abcf"), kDeadWriterAge + seconds(5), false},
        {name(alive, "0123abd0"), kStaleTemporaryAge + seconds(5), true},
        {"other.dat.tmp" + std::to_string(dead) + ".deadbeef", kStaleTemporaryAge, true},
        {name(dead, "0123ABCD"), kStaleTemporaryAge + seconds(5), false}, // not our digits
        {name(dead, "0123abc"), kStaleTemporaryAge + seconds(5), false},
        {"radio.dat.tmp", kStaleTemporaryAge + seconds(5), false},
        {"radio.dat.tmpx.0123abcd", kStaleTemporaryAge + seconds(5), false},
        {".tmp1.0123abcd", kStaleTemporaryAge + seconds(5), false}, // no name before it
        {"radio.dat", kStaleTemporaryAge + seconds(5), false},
    };
    for (const Case& c : cases) {
        test::writeText(dir.file(c.name), "left over");
        setAge(dir.file(c.name), c.age);
    }
    // Our naming, but a folder and a link: not files this program left.
    fs::create_directory(dir.file(name(dead, "aaaaaaaa")));
    fs::create_symlink("radio.dat", dir.file(name(dead, "bbbbbbbb")));
    setAge(dir.file(name(dead, "aaaaaaaa")), kStaleTemporaryAge + seconds(5));
    setAge(dir.file(name(dead, "bbbbbbbb")), kStaleTemporaryAge + seconds(5));

    ASSERT_TRUE(writeFileAtomically(dir.file("new.dat").string(), kNew));
    const std::set<std::string> left = namesIn(dir.path());
    for (const Case& c : cases)
        EXPECT_EQ(left.count(c.name) == 0, c.removed) << c.name;
    EXPECT_EQ(left.count(name(dead, "aaaaaaaa")), 1u);
    EXPECT_EQ(left.count(name(dead, "bbbbbbbb")), 1u);
    EXPECT_EQ(left.count("new.dat"), 1u);
}

TEST(FileText, NamesTheFileAndTheReason) {
    const std::map<StringId, std::string> german = {
        {StrId::FileCannotOpen, "Die Datei %s kann nicht geöffnet werden: %s."},
        {StrId::FileCannotWrite, "Die Datei %s kann nicht geschrieben werden: %s."},
        {StrId::FileNotRegular, "keine gewöhnliche Datei"},
        {StrId::FileReadOnly, "die Datei ist schreibgeschützt"},
    };
    const TextLookup inGerman = [&german](StringId id) {
        const auto it = german.find(id);
        return it == german.end() ? std::string() : it->second;
    };
    const TextLookup none = [](StringId) { return std::string(); };
    const FileStatus missing{ENOENT, systemErrorText(ENOENT), FileFault::System};
    const FileStatus pipe{EINVAL, systemErrorText(EINVAL), FileFault::NotRegularFile};
    const FileStatus locked{EACCES, systemErrorText(EACCES), FileFault::ReadOnlyFile};
    const FileStatus fromErrno{ENOSPC, systemErrorText(ENOSPC)};
    struct Case {
        FileAction action;
        FileStatus status;
        const TextLookup* lookup;
        std::string expected;
    };
    const Case cases[] = {
        {FileAction::Open, missing, &none,
         "Cannot open file /d/x.dat: " + systemErrorText(ENOENT) + "."},
        {FileAction::Open, pipe, &none,
         "Cannot open file /d/x.dat: not a regular file (a folder, device or pipe)."},
        {FileAction::Write, locked, &none, "Cannot write file /d/x.dat: the file is read-only."},
        {FileAction::Write, fromErrno, &none,
         "Cannot write file /d/x.dat: " + systemErrorText(ENOSPC) + "."},
        {FileAction::Open, pipe, &inGerman,
         "Die Datei /d/x.dat kann nicht geöffnet werden: keine gewöhnliche Datei."},
        {FileAction::Write, locked, &inGerman,
         "Die Datei /d/x.dat kann nicht geschrieben werden: die Datei ist schreibgeschützt."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileProblemText(c.action, "/d/x.dat", c.status, *c.lookup), c.expected);
}
