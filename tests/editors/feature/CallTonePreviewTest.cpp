#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/feature/CallTonePreview.h"
#include "tests/editors/feature/FakeTonePlayer.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

using FakePlayer = test::FakeTonePlayer;

class CallTonePreviewTest : public ::testing::Test {
protected:
    CallTonePreviewTest() { test::writeText(programDir.file("Call Tone 3.wav"), "RIFF"); }
    test::TempDir programDir;
    test::TempDir currentDir;
    FakePlayer player;
};

using Calls = std::vector<std::string>;

TEST_F(CallTonePreviewTest, PressingTwicePlaysAndStops) {
    CallTonePreview preview(player, programDir.path(), currentDir.path());
    EXPECT_EQ(preview.toggle("3").message, 0);
    EXPECT_TRUE(preview.playing());
    EXPECT_EQ(player.opened, programDir.file("Call Tone 3.wav"));
    EXPECT_EQ(preview.toggle("3").message, 0);
    EXPECT_FALSE(preview.playing());
    EXPECT_EQ(player.calls, (Calls{"open Call Tone 3.wav", "play", "stop", "close"}));
}

TEST_F(CallTonePreviewTest, TheCurrentDirectoryIsSearchedBeforeTheProgramDirectory) {
    test::writeText(currentDir.file("Call Tone 3.wav"), "RIFF");
    EXPECT_EQ(findCallTone("3", currentDir.path(), programDir.path()),
              currentDir.file("Call Tone 3.wav"));
    EXPECT_EQ(findCallTone("3", test::TempDir().path(), programDir.path()),
              programDir.file("Call Tone 3.wav"));
    EXPECT_TRUE(findCallTone("4", currentDir.path(), programDir.path()).empty());
    EXPECT_TRUE(findCallTone("../x", currentDir.path(), programDir.path()).empty());
    EXPECT_EQ(callToneFileName("10"), "Call Tone 10.wav");
}

TEST_F(CallTonePreviewTest, EachFailureGivesItsMessageWithTheFileName) {
    struct Case {
        const char* tone;
        bool openOk, playOk;
        StringId message;
        Calls calls;
    } const cases[] = {
        {"7", true, true, StrId::CallToneOpenFailed, {}}, // no such file
        {"3", false, true, StrId::CallToneOpenFailed, {"open Call Tone 3.wav"}},
        {"3", true, false, StrId::CallTonePlayFailed, {"open Call Tone 3.wav", "play", "close"}},
    };
    for (const Case& c : cases) {
        FakePlayer p;
        p.openOk = c.openOk;
        p.playOk = c.playOk;
        CallTonePreview preview(p, programDir.path(), currentDir.path());
        const auto r = preview.toggle(c.tone);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.fileName, callToneFileName(c.tone));
        EXPECT_FALSE(preview.playing());
        EXPECT_EQ(p.calls, c.calls);
    }
}

TEST_F(CallTonePreviewTest, AFailedStopKeepsPlaying) {
    CallTonePreview preview(player, programDir.path(), currentDir.path());
    preview.toggle("3");
    player.stopOk = false;
    const auto r = preview.toggle("3");
    EXPECT_EQ(r.message, StrId::CallToneStopFailed);
    EXPECT_EQ(r.fileName, "Call Tone 3.wav");
    EXPECT_TRUE(preview.playing());
    player.stopOk = true;
    EXPECT_EQ(preview.toggle("3").message, 0);
    EXPECT_FALSE(preview.playing());
}

TEST_F(CallTonePreviewTest, TheEndOfTheToneOrAnErrorReleasesThePlayer) {
    CallTonePreview preview(player, programDir.path(), currentDir.path());
    preview.toggle("3");
    preview.finished();
    EXPECT_FALSE(preview.playing());
    EXPECT_EQ(player.calls.back(), "close");

    preview.toggle("3");
    const auto r = preview.failed();
    EXPECT_EQ(r.message, StrId::CallTonePlayFailed);
    EXPECT_FALSE(preview.playing());
    EXPECT_EQ(preview.failed().message, 0); // nothing left to fail
    const std::size_t before = player.calls.size();
    preview.finished();
    EXPECT_EQ(player.calls.size(), before);
}

TEST_F(CallTonePreviewTest, ClosingTheWindowStopsTheSound) {
    {
        CallTonePreview preview(player, programDir.path(), currentDir.path());
        preview.toggle("3");
    }
    EXPECT_EQ(player.calls, (Calls{"open Call Tone 3.wav", "play", "stop", "close"}));
    FakePlayer idle;
    { CallTonePreview preview(idle, programDir.path(), currentDir.path()); }
    EXPECT_TRUE(idle.calls.empty());
}

} // namespace
