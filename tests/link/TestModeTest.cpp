#include "tests/link/LinkFixture.h"

#include "link/TestMode.h"
#include "link/TestModeCommands.h"
#include "link/Tuning.h"

using namespace tsw;
using namespace tsw::test;

namespace {

struct CountingUi : TestModeUi {
    void createDialog() override { ++created; }
    void runDialog() override {
        ++runs;
        if (during)
            during();
    }
    void destroyDialog() override { ++destroyed; }
    int created = 0, runs = 0, destroyed = 0;
    std::function<void()> during;
};

} // namespace

struct TestModeTest : LinkFixture {
    TestModeTest() {
        link.setDevicePath("/dev/fake");
        for (std::size_t i = 0; i < 128; ++i)
            g.image.setByte(layout::kTestFrequencies + i, static_cast<std::uint8_t>(i));
        radio.testChannels.assign(g.image.bytes().begin() + layout::kTestFrequencies,
                                  g.image.bytes().begin() + layout::kTestFrequencies + 128);
        for (std::size_t i = 0; i < 62; ++i)
            radio.tuningData[i] = static_cast<std::uint8_t>(200 - i);
    }
    CountingUi ui;
};

TEST_F(TestModeTest, MatchingTestChannelsOpenTheDialog) {
    bool nakSeenDuringEntry = false;
    ui.during = [&] { nakSeenDuringEntry = g.flags.acceptNak; };
    radio.nakAfterTestChannel = true; // a NAK ends a test channel reading as well as an ACK
    runTestMode(link, ui);
    EXPECT_EQ(ui.runs, 1);
    EXPECT_EQ(ui.destroyed, 1);
    EXPECT_FALSE(nakSeenDuringEntry);
    std::vector<Bytes> expected{bytesOf("TUNING "), {0x02}, {0x06}, {0x05}, {0x06}};
    for (std::uint8_t ch = 1; ch <= 16; ++ch) {
        expected.push_back({0x10, ch});
        expected.push_back({0x06});
    }
    EXPECT_EQ(writes(), expected);
    EXPECT_EQ(link.tuning.current[54], 200 - 54);
    EXPECT_EQ(link.tuning.initial[61], 200 - 61);
    EXPECT_FALSE(g.flags.testChannelsDiffer);
    EXPECT_FALSE(g.flags.testModeRequested);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(TestModeTest, OneDifferingTestChannelByteReleasesTheRadioInstead) {
    radio.testChannels[77] ^= 0x01;
    prompt.answers = {PromptAnswer::Ok};
    runTestMode(link, ui);
    EXPECT_EQ(ui.runs, 0);
    EXPECT_TRUE(g.flags.testChannelsDiffer);
    EXPECT_EQ(writes().back(), Bytes{0x45});
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].textId, StrId::TestChannelsDiffer);
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Stop);
    EXPECT_EQ(prompt.asked[0].captionId, StrId::ErrorCaption);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(TestModeTest, RetryReleasesTheRadioWaitsASecondAndStartsAgain) {
    int handshakes = 0;
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd == bytesOf("TUNING ") && handshakes++ == 0)
            reply.clear();
    };
    prompt.answers = {PromptAnswer::Retry};
    runTestMode(link, ui);
    EXPECT_EQ(ui.runs, 1);
    const auto w = writes();
    ASSERT_GE(w.size(), 3u);
    EXPECT_EQ(w[0], bytesOf("TUNING "));
    EXPECT_EQ(w[1], Bytes({0x45, 0x45}));
    EXPECT_EQ(w[2], bytesOf("TUNING "));
    std::uint64_t releaseAt = 0, againAt = 0;
    for (const auto& e : device.events) {
        if (e.kind != WireEvent::Kind::Write)
            continue;
        if (e.bytes == Bytes({0x45, 0x45}))
            releaseAt = e.time;
        else if (releaseAt && e.bytes == bytesOf("TUNING ") && !againAt)
            againAt = e.time;
    }
    EXPECT_EQ(againAt - releaseAt, 1000u);
}

TEST_F(TestModeTest, AFailureAmongTheTestChannelsNeverLeavesNakAccepted) {
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd == Bytes({0x10, 9}))
            reply.clear();
    };
    prompt.answers = {PromptAnswer::Cancel};
    runTestMode(link, ui);
    EXPECT_EQ(ui.runs, 0);
    EXPECT_EQ(prompt.askedIds(), std::vector<StringId>{StrId::RadioLinkFailed});
    EXPECT_FALSE(g.flags.acceptNak);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(TestModeTest, NakAnywhereElseIsAFailure) {
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd == Bytes{0x06} && reply.size() == 1 && reply[0] == 0x06 && radio.commandCount == 4)
            reply = {0x15}; // the ACK after the tuning data
    };
    prompt.answers = {PromptAnswer::Cancel};
    runTestMode(link, ui);
    EXPECT_EQ(ui.runs, 0);
    EXPECT_EQ(prompt.asked.size(), 1u);
}

TEST_F(TestModeTest, DialogCommandsSendTheirBytes) {
    ASSERT_TRUE(link.open());
    radio.mode = FakeRadio::Mode::Tuning;
    TestModeSession s(link);
    const auto from = writes().size();
    EXPECT_TRUE(s.selectSignalling(3));
    EXPECT_TRUE(s.togglePtt());
    EXPECT_TRUE(g.flags.pttOn);
    EXPECT_EQ(link.readTimeoutConstant(), 500u);
    EXPECT_TRUE(s.setWide()); // transmitting: the transmitter goes off first
    EXPECT_FALSE(g.flags.pttOn);
    EXPECT_TRUE(g.flags.wideSelected);
    EXPECT_TRUE(s.setNarrow());
    EXPECT_TRUE(s.openTuningItem(0x61));
    s.close(3);
    const auto w = writes();
    const std::vector<Bytes> expected{{0x11, 3}, {0x08, 0x0D}, {0x08, 0x0E}, {0x46},    {0x47},
                                      {0x05},    {0x06},       {0x61, 0x0D}, {0x11, 3}, {0x45}};
    EXPECT_EQ(std::vector<Bytes>(w.begin() + static_cast<long>(from), w.end()), expected);
}

TEST(TestModeSessionTest, EveryCommandButPttSwitchesTheTransmitterOffFirst) {
    using Bytes = LinkRig::Bytes;
    struct Case {
        const char* name;
        std::function<void(TestModeSession&)> run;
        std::vector<Bytes> sent; // after the transmitter is off
    };
    const std::vector<Case> cases = {
        {"channel", [](TestModeSession& s) { s.selectTestChannel(2); }, {{0x10, 2}, {0x06}}},
        {"signalling", [](TestModeSession& s) { s.selectSignalling(4); }, {{0x11, 4}}},
        {"wide", [](TestModeSession& s) { s.setWide(); }, {{0x46}}},
        {"narrow", [](TestModeSession& s) { s.setNarrow(); }, {{0x47}}},
        {"tuning item",
         [](TestModeSession& s) { s.openTuningItem(0x1C); },
         {{0x05}, {0x06}, {0x1C, 0x0D}}},
        {"print", [](TestModeSession& s) { s.readTuningForPrint(); }, {{0x05}, {0x06}}},
        {"close", [](TestModeSession& s) { s.close(1); }, {{0x11, 1}, {0x45}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig;
        rig.link.setDevicePath("/dev/fake");
        ASSERT_TRUE(rig.link.open());
        rig.radio.mode = FakeRadio::Mode::Tuning;
        rig.g.flags.pttOn = true;
        TestModeSession s(rig.link);
        const auto from = rig.writes().size();
        c.run(s);
        std::vector<Bytes> expected{{0x08, 0x0E}};
        expected.insert(expected.end(), c.sent.begin(), c.sent.end());
        const auto w = rig.writes();
        EXPECT_EQ(std::vector<Bytes>(w.begin() + static_cast<long>(from), w.end()), expected);
        EXPECT_FALSE(rig.g.flags.pttOn);
        EXPECT_TRUE(rig.prompt.asked.empty());
    }
}

TEST_F(TestModeTest, PttWaitsEightHundredMillisecondsThenKeepsFiveHundred) {
    ASSERT_TRUE(link.open());
    const auto start = clock.now();
    EXPECT_FALSE(TestModeCommands(link).setPtt(true)); // not in tuning mode: no answer
    EXPECT_EQ(clock.now() - start, 800u);
    EXPECT_EQ(link.readTimeoutConstant(), 500u);
}

TEST_F(TestModeTest, CancelInsideTheDialogLosesTheLinkAndLaterFailuresAreNotAsked) {
    ASSERT_TRUE(link.open()); // the radio never answers
    TestModeSession s(link);
    prompt.answers = {PromptAnswer::Retry, PromptAnswer::Cancel};
    EXPECT_FALSE(s.setWide());
    EXPECT_TRUE(s.closeRequested());
    EXPECT_TRUE(g.flags.linkLost);
    auto w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), Bytes{0x46}), 2);
    EXPECT_EQ(w.back(), Bytes{0x45}); // Wide releases the radio before closing
    // Channel, signalling and PTT commands now count as done without a question.
    EXPECT_TRUE(s.selectTestChannel(2));
    EXPECT_TRUE(s.selectSignalling(2));
    EXPECT_TRUE(s.togglePtt());
    EXPECT_EQ(prompt.asked.size(), 2u);
}

TEST_F(TestModeTest, TuningAdjustmentCommands) {
    ASSERT_TRUE(link.open());
    radio.mode = FakeRadio::Mode::Tuning;
    link.tuning.initial[54] = 0x31;
    const auto index = initialTuningIndex(kBatteryLevelItem);
    ASSERT_TRUE(index.has_value());
    TuningAdjustment battery(link, kBatteryLevelItem, kBatteryLevelItem,
                             static_cast<std::uint8_t>(link.tuning.initial[*index]));
    const auto from = writes().size();
    EXPECT_TRUE(battery.ok(200));
    EXPECT_TRUE(battery.cancel());
    std::uint8_t reading = 0;
    EXPECT_EQ(battery.meterTick(false, reading), TuningAdjustment::Tick::Idle);
    EXPECT_EQ(battery.meterTick(true, reading), TuningAdjustment::Tick::Reading);
    EXPECT_EQ(reading, 0x77);
    EXPECT_EQ(link.readTimeoutConstant(), 300u);
    const auto w = writes();
    const std::vector<Bytes> expected{{0x1C, 0x20, 200}, {0x1C, 0x0E}, {0x1C, 0x20, 0x31},
                                      {0x1C, 0x0E},      {0x1C, 0x0A}, {0x06}};
    EXPECT_EQ(std::vector<Bytes>(w.begin() + static_cast<long>(from), w.end()), expected);
    EXPECT_EQ(initialTuningIndex(kVox1Item), 56u);
    EXPECT_EQ(initialTuningIndex(kVox10Item), 57u);
    EXPECT_FALSE(initialTuningIndex(0x61).has_value());
}

TEST_F(TestModeTest, AMissingAcknowledgementIsAskedAboutUntilTheUserGivesUp) {
    ASSERT_TRUE(link.open());
    radio.mode = FakeRadio::Mode::Tuning;
    int drops = 1;
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd.size() == 3 && drops > 0) {
            --drops;
            reply.clear();
        }
    };
    TuningAdjustment vox(link, kVox1Item, kVox1Item, 10);
    prompt.answers = {PromptAnswer::Retry};
    EXPECT_TRUE(vox.setValue(5)); // the second try is acknowledged
    auto w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), Bytes({kVox1Item, 0x20, 5})), 2);
    drops = 1;
    prompt.answers = {PromptAnswer::Cancel};
    const auto start = clock.now();
    EXPECT_FALSE(vox.setValue(6));
    EXPECT_GE(clock.now() - start, 300u); // the missing ACK took the 60-poll wait
    EXPECT_TRUE(vox.closeRequested());
    EXPECT_EQ(writes().back(), Bytes{0x45});
    radio.mode = FakeRadio::Mode::Idle;
    EXPECT_FALSE(vox.setValue(7)); // given up: not asked again
    EXPECT_EQ(prompt.asked.size(), 2u);
}

TEST_F(TestModeTest, AMissingMeterReadingStopsAndAsks) {
    ASSERT_TRUE(link.open());
    TuningAdjustment vox(link, kVox10Item, kVox10Item, 10);
    std::uint8_t reading = 0;
    const auto start = clock.now();
    EXPECT_EQ(vox.meterTick(true, reading), TuningAdjustment::Tick::Failed);
    EXPECT_EQ(clock.now() - start, 300u);
    prompt.answers = {PromptAnswer::Retry, PromptAnswer::Cancel};
    EXPECT_TRUE(vox.meterRetry());
    EXPECT_FALSE(vox.meterRetry());
    EXPECT_EQ(writes().back(), Bytes{0x45});
}
