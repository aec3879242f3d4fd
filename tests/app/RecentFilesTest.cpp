#include <gtest/gtest.h>

#include <algorithm>

#include "app/RecentFiles.h"
#include "app/Settings.h"

using namespace tsw;

namespace {

using Paths = std::vector<std::string>;

Paths numbered(int from, int to) { // "/d/to.dat" first, down to "/d/from.dat"
    Paths out;
    for (int n = to; n >= from; --n)
        out.push_back("/d/" + std::to_string(n) + ".dat");
    return out;
}

Paths usedInOrder(int from, int to) { // "/d/from.dat" used first, "/d/to.dat" last
    Paths out = numbered(from, to);
    std::reverse(out.begin(), out.end());
    return out;
}

} // namespace

TEST(RecentFiles, KeepsTheLastEightMostRecentFirstEachOnce) {
    struct Case {
        const char* what;
        Paths added; // in the order the files were used
        Paths removed;
        Paths expected;
    };
    const Case cases[] = {
        {"newest first", {"/a.dat", "/b.dat"}, {}, {"/b.dat", "/a.dat"}},
        {"a file used again moves to the top",
         {"/a.dat", "/b.dat", "/c.dat", "/a.dat"},
         {},
         {"/a.dat", "/c.dat", "/b.dat"}},
        {"the ninth pushes the oldest out", usedInOrder(1, 9), {}, numbered(2, 9)},
        {"a file used again at the limit pushes nothing out",
         [] {
             Paths p = usedInOrder(1, 8);
             p.push_back("/d/1.dat");
             return p;
         }(),
         {},
         [] {
             Paths p = numbered(2, 8);
             p.insert(p.begin(), "/d/1.dat");
             return p;
         }()},
        {"an empty path is no file", {"/a.dat", ""}, {}, {"/a.dat"}},
        {"removing leaves the order of the rest",
         {"/a.dat", "/b.dat", "/c.dat"},
         {"/b.dat"},
         {"/c.dat", "/a.dat"}},
        {"removing a path not listed changes nothing", {"/a.dat"}, {"/x.dat"}, {"/a.dat"}},
        {"paths differing in case are two files", {"/A.dat", "/a.dat"}, {}, {"/a.dat", "/A.dat"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecentFiles files;
        for (const std::string& p : c.added)
            files.add(p);
        for (const std::string& p : c.removed)
            files.remove(p);
        EXPECT_EQ(files.paths(), c.expected);
    }
}

TEST(RecentFiles, LiveInTheirOwnSectionOfTheSettings) {
    MemorySettingsStore store;
    RecentFiles files;
    for (const std::string& p : numbered(1, 8))
        files.add(p);
    files.write(store);
    EXPECT_EQ(store.readString("Recent File List", "File1"), "/d/1.dat");
    EXPECT_EQ(store.readString("recent file list", "File8"), "/d/8.dat");
    EXPECT_EQ(RecentFiles::read(store).paths(), files.paths());

    // A shorter list takes its old values away.
    RecentFiles two({"/x.dat", "/y.dat"});
    two.write(store);
    EXPECT_EQ(store.childKeys("Recent File List"), (Paths{"File1", "File2"}));
}

TEST(RecentFiles, StoredListsWithGapsDuplicatesOrTooManyEntriesReadSensibly) {
    MemorySettingsStore store;
    store.writeString("Recent File List", "File1", "/a.dat");
    store.writeString("Recent File List", "File2", "");
    store.writeString("Recent File List", "File4", "/b.dat");
    store.writeString("Recent File List", "File5", "/a.dat");
    store.writeString("Recent File List", "File9", "/beyond.dat");
    EXPECT_EQ(RecentFiles::read(store).paths(), (Paths{"/a.dat", "/b.dat"}));
}
