#include "tests/link/LinkFixture.h"

#include "app/ImageLayout.h"
#include "editors/feature/WriteRefusal.h"
#include "link/Transfer.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::test;

namespace {

struct RecordingProgress : TransferProgress {
    void setProgressRange(int lo, int hi) override { ranges.push_back({lo, hi}); }
    void setProgressPos(int p) override { positions.push_back(p); }
    std::vector<std::pair<int, int>> ranges;
    std::vector<int> positions;
};

struct RecordingWindows : ImageWindows {
    void setCurrentChannel(int c) override { calls.push_back("channel " + std::to_string(c)); }
    void closeAllEditors() override { calls.push_back("close"); }
    void openChannelInformation() override { calls.push_back("open"); }
    void refreshImageDisplay() override { calls.push_back("refresh"); }
    std::vector<std::string> calls;
};

// The pattern image with the radio's model code, so that the model check passes.
RadioImage radioPattern() {
    RadioImage image = patternImage();
    for (std::size_t i = 0; i < 5; ++i)
        image.setByte(layout::kModelCode + i, static_cast<std::uint8_t>("H5520"[i]));
    return image;
}

std::vector<std::vector<std::uint8_t>> readFrames() {
    std::vector<std::vector<std::uint8_t>> out;
    for (int h = 0; h < 4; ++h)
        for (int l = 0; l < 256; l += 64)
            out.push_back({'R', static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(l), 0x40});
    return out;
}

bool isReadFrame(const std::vector<std::uint8_t>& w) {
    return w.size() == 4 && w[0] == 'R';
}
bool isWriteFrame(const std::vector<std::uint8_t>& w) {
    return w.size() > 4 && w[0] == 'W';
}

} // namespace

struct TransferTest : LinkFixture {
    TransferTest() { link.setDevicePath("/dev/fake"); }
    bool read() { return transfer.readImageFromRadio(progress); }
    WriteOutcome write(bool verify = false) {
        return transfer.writeImageToRadio(progress, WriteRequest{.verify = verify});
    }
    Transfer transfer{link};
    RecordingProgress progress;
};

TEST_F(TransferTest, ReadSendsSixteenFramesEachAcknowledgedAndEndsAfterAPause) {
    radio.image = radioPattern();
    ASSERT_TRUE(read());
    std::vector<Bytes> expected{bytesOf("PROGRAM"), {0x02}, {0x06}, bytesOf("NRK"), {0x06}};
    for (const auto& f : readFrames()) {
        expected.push_back(f);
        expected.push_back({0x06});
    }
    expected.push_back({0x45});
    EXPECT_EQ(writes(), expected);
    EXPECT_TRUE(std::equal(transfer.receiveBuffer().begin(), transfer.receiveBuffer().end(),
                           radio.image.bytes().begin()));
    EXPECT_EQ(transfer.receivedCount(), 1024);
    std::vector<int> positions{0};
    for (int i = 1; i <= 16; ++i)
        positions.push_back(64 * i);
    EXPECT_EQ(progress.positions, positions);
    EXPECT_EQ(progress.ranges.back(), std::make_pair(0, 1024));
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(g.flags.readingFromRadio);
    // The end command follows the last acknowledgement after at least 250 ms.
    std::uint64_t lastRead = 0, endWrite = 0;
    for (const auto& e : device.events) {
        if (e.kind == WireEvent::Kind::Write && e.bytes == Bytes{0x45}) {
            endWrite = e.time;
            break;
        }
        if (e.kind == WireEvent::Kind::Read && !e.bytes.empty())
            lastRead = e.time;
    }
    EXPECT_GE(endWrite, lastRead + 250);
    EXPECT_EQ(std::count(clock.sleeps.begin(), clock.sleeps.end(), 250u), 1);
}

TEST_F(TransferTest, WriteSendsFortyNineFramesAroundTheReadOnlyAreas) {
    g.image = radioPattern();
    radio.image.fill(0x00);
    ASSERT_EQ(write(), WriteOutcome::Written);
    std::vector<WriteFrame> frames;
    for (const auto& w : writes()) {
        if (!isWriteFrame(w))
            continue;
        const WriteFrame f{static_cast<std::uint16_t>(w[1] * 256 + w[2]), w[3]};
        ASSERT_EQ(w.size(), 4u + f.length);
        frames.push_back(f);
    }
    ASSERT_EQ(frames.size(), 49u);
    std::vector<WriteFrame> expected;
    for (std::uint16_t a = 0; a < 0x180; a += 16)
        expected.push_back({a, 16});
    for (std::uint16_t a = 0x1B8; a < 0x1F8; a += 16)
        expected.push_back({a, 16});
    expected.push_back({0x1F8, 8});
    for (std::uint16_t a = 0x200; a < 0x340; a += 16)
        expected.push_back({a, 16});
    EXPECT_EQ(frames, expected);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool written = i < 0x180 || (i >= 0x1B8 && i < 0x340);
        EXPECT_EQ(radio.image.byte(i), written ? g.image.byte(i) : 0x00) << i;
    }
    EXPECT_EQ(progress.ranges.back(), std::make_pair(0, 811));
    EXPECT_EQ(progress.positions.size(), 50u);
    EXPECT_EQ(progress.positions[29], 0x1F8);
    EXPECT_EQ(progress.positions.back(), 816);
    EXPECT_EQ(writes().back(), Bytes{0x45});
    // No pause after a write: the end command follows the last acknowledgement at once.
    EXPECT_EQ(std::count(clock.sleeps.begin(), clock.sleeps.end(), 250u), 0);
}

TEST_F(TransferTest, WaitForBytesWantsTheExactCount) {
    ASSERT_TRUE(link.open());
    struct Case {
        std::size_t waiting;
        int asked;
        bool ready;
    };
    const Case cases[] = {
        {68, 68, true}, {69, 68, false}, {67, 68, false}, {1, 1, true}, {2, 1, false}};
    for (const auto& c : cases) {
        link.purgeReceive();
        device.deliver(Bytes(c.waiting, 0x57));
        const auto start = clock.now();
        link.waitForBytes(c.asked);
        EXPECT_EQ(g.flags.dataReady, c.ready) << c.waiting;
        EXPECT_EQ(g.flags.replyTimedOut, !c.ready) << c.waiting;
        EXPECT_EQ(clock.now() - start, c.ready ? 0u : 300u) << c.waiting; // 60 polls of 5 ms
        EXPECT_EQ(link.lastWaitingCount(), static_cast<int>(c.waiting));
    }
}

TEST_F(TransferTest, WaitBudgetCoversTwiceTheWireTimeAtSlowRates) {
    struct Case {
        const char* settings;
        int bytes;
        int polls;
    };
    const Case cases[] = {
        {"9600,N,8,2", 68, 60},                           // 78 ms on the wire: the 60-poll floor
        {"9600,N,8,2", 1, 60},   {"2400,N,8,2", 68, 125}, // 311.7 ms
        {"1200,N,8,2", 68, 250},                          // 623.3 ms
        {"1200,N,8,2", 1, 60},
    };
    for (const auto& c : cases) {
        link.setLineSettings(c.settings);
        EXPECT_EQ(link.waitBudgetPolls(c.bytes), c.polls) << c.settings;
    }
}

TEST_F(TransferTest, WaitAckTakesNakOnlyWhenAllowed) {
    ASSERT_TRUE(link.open());
    struct Case {
        std::vector<std::uint8_t> reply;
        bool acceptNak;
        bool ack;
        bool missing;
    };
    const Case cases[] = {
        {{0x06}, false, true, false}, {{0x15}, false, false, false}, {{0x15}, true, true, false},
        {{0x07}, true, false, false}, {{}, false, false, true},
    };
    for (const auto& c : cases) {
        g.flags.acceptNak = c.acceptNak;
        g.flags.ackMissing = false;
        link.purgeReceive();
        device.deliver(c.reply, 12);
        EXPECT_EQ(link.waitAck(), c.ack);
        EXPECT_EQ(g.flags.dataReady, c.ack);
        EXPECT_EQ(g.flags.ackMissing, c.missing);
    }
}

TEST_F(TransferTest, ReadAtTheSlowRatesCompletes) {
    // A 68-byte reply takes 312 ms at 2400 baud and 623 ms at 1200: more than 60 polls.
    for (std::uint32_t baud : {2400u, 1200u}) {
        LinkRig r;
        r.radio.baud = baud;
        r.radio.style = FakeRadio::HandshakeStyle::SynThenAck;
        r.radio.image = radioPattern();
        r.link.setDevicePath("/dev/fake");
        Transfer t(r.link);
        RecordingProgress p;
        EXPECT_TRUE(t.readImageFromRadio(p)) << baud;
        EXPECT_TRUE(std::equal(t.receiveBuffer().begin(), t.receiveBuffer().end(),
                               r.radio.image.bytes().begin()));
    }
}

TEST_F(TransferTest, AFaultyReplyFailsTheReadAndCancelClosesTheConnection) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const Case cases[] = {
        {"69 bytes", [](Bytes& r) { r.push_back(0x00); }},
        {"67 bytes", [](Bytes& r) { r.pop_back(); }},
        {"wrong first byte", [](Bytes& r) { r[0] = 0x58; }},
        {"no reply", [](Bytes& r) { r.clear(); }},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.image = radioPattern();
        r.radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
            if (cmd == Bytes{'R', 0x01, 0x40, 0x40})
                c.change(reply);
        };
        const RadioImage before = r.g.image;
        r.prompt.answers = {PromptAnswer::Cancel};
        r.link.setDevicePath("/dev/fake");
        Transfer t(r.link);
        RecordingProgress progress;
        EXPECT_FALSE(t.readImageFromRadio(progress)) << c.what;
        EXPECT_EQ(r.prompt.askedIds(), std::vector<StringId>{StrId::RadioLinkFailed}) << c.what;
        const auto w = r.writes();
        EXPECT_EQ(w.back(), Bytes{0x45}) << c.what;
        EXPECT_EQ(std::count_if(w.begin(), w.end(), isReadFrame), 6) << c.what;
        EXPECT_FALSE(r.link.isOpen());
        EXPECT_TRUE(r.g.image == before);
        EXPECT_FALSE(r.g.flags.readingFromRadio);
    }
}

TEST_F(TransferTest, ReplyLengthsNeverOverfillTheBuffer) {
    radio.image = radioPattern();
    // Length bytes above 64 still take 64 bytes; the read stays aligned and complete.
    radio.filter = [](const Bytes& cmd, Bytes& reply, int) {
        if (cmd.size() == 4 && cmd[0] == 'R')
            reply[3] = 0xFF;
    };
    ASSERT_TRUE(read());
    EXPECT_EQ(transfer.receivedCount(), 1024);
    EXPECT_TRUE(std::equal(transfer.receiveBuffer().begin(), transfer.receiveBuffer().end(),
                           radio.image.bytes().begin()));

    const Bytes data(68, 0x57);
    EXPECT_EQ(readReplyData(std::span<const std::uint8_t, 68>(data.data(), 68), 1024)->size(), 64u);
    EXPECT_EQ(readReplyData(std::span<const std::uint8_t, 68>(data.data(), 68), 10)->size(), 10u);
}

TEST_F(TransferTest, ShortReplyLengthsLeaveTheReadIncomplete) {
    radio.filter = [](const Bytes& cmd, Bytes& reply, int) {
        if (cmd.size() == 4 && cmd[0] == 'R')
            reply[3] = 0x20;
    };
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(read());
    EXPECT_EQ(transfer.receivedCount(), 16 * 32);
}

TEST_F(TransferTest, RetryAfterAFailedFrameReadsTheIdentityAgainAndRestartsAtTheFirstFrame) {
    radio.image = radioPattern();
    int dropped = 0;
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd == Bytes{'R', 0x01, 0x40, 0x40} && dropped++ == 0)
            reply.clear();
    };
    prompt.answers = {PromptAnswer::Retry};
    ASSERT_TRUE(read());
    const auto w = writes();
    const auto failed = std::find(w.begin(), w.end(), Bytes{'R', 0x01, 0x40, 0x40});
    ASSERT_NE(failed, w.end());
    EXPECT_EQ(*(failed + 1), Bytes{0x02}); // identity again, no new handshake
    EXPECT_EQ(*(failed + 2), Bytes{0x06});
    EXPECT_EQ(*(failed + 3), Bytes({'R', 0x00, 0x00, 0x40}));
    EXPECT_EQ(std::count(w.begin(), w.end(), bytesOf("PROGRAM")), 1);
    EXPECT_EQ(std::count_if(w.begin(), w.end(), isReadFrame), 6 + 16);
    EXPECT_TRUE(std::equal(transfer.receiveBuffer().begin(), transfer.receiveBuffer().end(),
                           radio.image.bytes().begin()));
    // The bar stays where it stopped until the new attempt's first frame moves it.
    const std::vector<int> tail(progress.positions.begin() + 5, progress.positions.begin() + 8);
    EXPECT_EQ(tail, (std::vector<int>{320, 64, 128}));
}

TEST_F(TransferTest, ARetryStartsTwoAndAHalfSecondsAfterTheFailureAtTheEarliest) {
    // The radio may still wait for the acknowledgement of its last reply and would swallow a
    // request sent sooner; the time the user takes to answer counts towards the pause.
    struct Case {
        std::uint64_t answerMs;
        std::uint64_t identityAfterMs; // from the question to the identity request
    };
    const Case cases[] = {{0, 2500 + 50}, {1000, 2500 + 50}, {2499, 2500 + 50}, {4000, 4000 + 50}};
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.image = radioPattern();
        r.link.setDevicePath("/dev/fake");
        int dropped = 0;
        r.radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
            if (cmd == Bytes{'R', 0x00, 0x80, 0x40} && dropped++ == 0)
                reply[0] = 0x58; // a wrong first byte
        };
        std::uint64_t askedAt = 0;
        r.prompt.onAsk = [&](const Prompt&) {
            askedAt = r.clock.now();
            r.clock.advanceTo(askedAt + c.answerMs);
            r.device.deliver({0x06}); // a stray byte that must not be taken for a reply
        };
        r.prompt.answers = {PromptAnswer::Retry};
        Transfer t(r.link);
        RecordingProgress p;
        ASSERT_TRUE(t.readImageFromRadio(p)) << c.answerMs;
        std::uint64_t identityAt = 0;
        for (const auto& e : r.device.events)
            if (e.kind == WireEvent::Kind::Write && e.bytes == Bytes{0x02} && e.time > askedAt)
                identityAt = e.time;
        EXPECT_EQ(identityAt - askedAt, c.identityAfterMs) << c.answerMs;
    }
}

TEST_F(TransferTest, RetryAfterAFailedWriteFrameRestartsTheWriteAtAddressZero) {
    int nak = 0;
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (isWriteFrame(cmd) && cmd[1] == 0x02 && cmd[2] == 0x30 && nak++ == 0)
            reply = {0x15}; // a NAK is no acknowledgement in a transfer
    };
    prompt.answers = {PromptAnswer::Retry};
    ASSERT_EQ(write(), WriteOutcome::Written);
    const auto w = writes();
    EXPECT_EQ(std::count_if(w.begin(), w.end(), isWriteFrame), 33 + 49);
    const auto failed = std::find_if(w.begin(), w.end(), [](const Bytes& b) {
        return isWriteFrame(b) && b[1] == 0x02 && b[2] == 0x30;
    });
    EXPECT_EQ(*(failed + 1), Bytes{0x02});
    EXPECT_EQ((*(failed + 3))[1], 0x00);
    EXPECT_EQ((*(failed + 3))[2], 0x00);
}

TEST_F(TransferTest, IdentityRetryAndHandshakeCancel) {
    int dropped = 0;
    radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
        if (cmd == Bytes{0x02} && dropped++ == 0)
            reply.clear();
    };
    prompt.answers = {PromptAnswer::Retry};
    ASSERT_TRUE(read());
    auto w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), Bytes{0x02}), 2);
    EXPECT_EQ(std::count(w.begin(), w.end(), bytesOf("PROGRAM")), 1);

    // A silent radio: Retry searches again, Cancel runs the closing steps.
    device.events.clear();
    radio.baud = 300;
    prompt.answers = {PromptAnswer::Retry, PromptAnswer::Cancel};
    EXPECT_FALSE(read());
    w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), bytesOf("PROGRAM")), 10);
    EXPECT_EQ(w.back(), Bytes{0x45});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(TransferTest, APortThatDoesNotOpenSendsNothingAndLeavesNoModeFlag) {
    device.failOpen = true;
    prompt.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    EXPECT_FALSE(read());
    EXPECT_FALSE(g.flags.readingFromRadio);
    EXPECT_EQ(write(), WriteOutcome::Unchanged);
    EXPECT_FALSE(g.flags.writingToRadio);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(prompt.askedIds(),
              (std::vector<StringId>{StrId::PortOpenFailed, StrId::PortOpenFailed}));
}

TEST_F(TransferTest, ModelCodeCancelAbandonsTheWriteBeforeAnyFrame) {
    g.image.setByte(layout::kModelCode, 'Q');
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_EQ(write(), WriteOutcome::Unchanged);
    const auto w = writes();
    EXPECT_EQ(std::count_if(w.begin(), w.end(), isWriteFrame), 0);
    EXPECT_EQ(w.back(), Bytes{0x45});
    EXPECT_FALSE(link.isOpen());
}

TEST(WriteChecks, RefusalsNameTheMissingSettings) {
    using namespace layout;
    struct Case {
        const char* what;
        int pttTiming;  // >= 0: channel 5 sends a DTMF PTT ID with this timing
        int ch5Further; // channel 5's "further" value when it sends one
        std::vector<std::pair<std::size_t, std::uint8_t>> bytes; // then set these
        const char* text;                                        // empty: no refusal
    };
    const Case cases[] = {
        {"defaults", -1, 0, {}, ""},
        {"signalling without fleet",
         -1,
         0,
         {{kFeatPttIdType, 1}, {kCrewOwnFleet, 0xFF}, {kScanPriority, 1}, {kPriorityChannel, 0xFF}},
         "<3003059>\n\"<3400003>\"\n\"<3400005>\""}, // the priority channel is not reached
        {"signalling with fleet", -1, 0, {{kFeatPttIdType, 1}, {kCrewOwnFleet, 3}}, ""},
        {"begin code missing", 0, 3, {{kPttIdBeginCode, 0xFF}}, "<3003059>\n\"<3010017>\""},
        {"end code missing", 1, 3, {}, "<3003059>\n\"<3010019>\""},
        {"both missing",
         2,
         3,
         {{kPttIdBeginCode, 0xFF}},
         "<3003059>\n\"<3010017>\"\n\"<3010019>\""},
        {"both wanted, end missing", 2, 3, {}, "<3003059>\n\"<3010019>\""},
        {"both present", 2, 3, {{kPttIdEndCode, '1'}}, ""},
        {"channel value 15 asks for nothing", 1, 15, {}, ""},
        {"priority channel missing",
         -1,
         0,
         {{kScanPriority, 1}, {kPriorityChannel, 0xFF}},
         "<3003059>\n\n\"<3007033>\""},
        {"priority channel set", -1, 0, {{kScanPriority, 1}, {kPriorityChannel, 2}}, ""},
    };
    for (const auto& c : cases) {
        RadioImage image = radioPattern();
        // A default-like base: PTT ID off in every channel, codes present, scan without priority.
        for (int ch = 0; ch < 16; ++ch)
            image.setBits(channelOffset(ch) + kChSteps, kChFurtherMask14, 0);
        image.setByte(kFeatPttIdType, 0);
        image.setByte(kPttIdBeginCode, '1');
        image.setByte(kPttIdEndCode, 0xFF);
        image.setByte(kScanPriority, 0);
        if (c.pttTiming >= 0) {
            image.setBits(channelOffset(4) + kChSteps, kChFurtherMask14,
                          static_cast<std::uint8_t>(c.ch5Further));
            image.setByte(kFeatPttId, static_cast<std::uint8_t>(c.pttTiming));
        }
        for (const auto& [offset, value] : c.bytes)
            image.setByte(offset, value);
        const auto refusal = checkBeforeWriting(image);
        EXPECT_EQ(refusal ? refusalText(*refusal, idText) : std::string{}, c.text) << c.what;
        if (refusal) {
            const Prompt p = refusalPrompt(*refusal, idText);
            EXPECT_EQ(p.icon, PromptIcon::Stop);
            EXPECT_EQ(p.captionId, StrId::ErrorCaption);
            EXPECT_EQ(p.buttons, PromptButtons::Ok);
        }
    }
}

TEST(ApplyRead, TakesTheImageSetsChannelBitsAndMarksItSaved) {
    AppGlobals g;
    g.currentFileName = "old.dat";
    RadioImage incoming = radioPattern();
    for (int ch = 0; ch < 16; ++ch)
        incoming.setByte(layout::channelOffset(ch), ch == 2 ? 0x05 : 0xFF);
    incoming.setWord(layout::kBitmapA, 0x8001); // bits only set, never cleared
    incoming.setByte(layout::kBandCode, 0x93);
    RecordingWindows windows;
    applySuccessfulRead(g, incoming.bytes(), windows);
    EXPECT_EQ(g.image.word(layout::kBitmapA), 0x8005);
    EXPECT_EQ(test::differingOffsets(g.image, incoming),
              std::vector<std::size_t>{layout::kBitmapA});
    EXPECT_EQ(g.identity[5], 0x93);
    EXPECT_EQ(g.currentFileName, "tsw62m.dat");
    EXPECT_FALSE(hasUnsavedChanges(g));
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"channel 0", "close", "open", "refresh"}));
}

// ---- Checking a write, and what a failed write leaves ------------------------------------

namespace {

struct PhaseProgress : TransferProgress {
    void setPhase(TransferPhase p) override { phases.push_back(p); }
    void setProgressRange(int lo, int hi) override { ranges.push_back({lo, hi}); }
    std::vector<TransferPhase> phases;
    std::vector<std::pair<int, int>> ranges;
};

} // namespace

TEST(WrittenAreas, TheCheckComparesTheWrittenBytesOnly) {
    struct Case {
        std::size_t offset;
        bool written;
    };
    const Case cases[] = {{0x000, true}, {0x17F, true},  {0x180, false}, {0x1B7, false},
                          {0x1B8, true}, {0x1F8, true},  {0x1FF, true},  {0x200, true},
                          {0x33F, true}, {0x340, false}, {0x3FF, false}};
    RadioImage written = patternImage();
    for (const auto& c : cases) {
        EXPECT_EQ(isWrittenOffset(c.offset), c.written) << c.offset;
        RadioImage held = written;
        held.setByte(c.offset, static_cast<std::uint8_t>(written.byte(c.offset) ^ 0x01));
        const VerifyResult r = verifyWrite(written, held);
        EXPECT_EQ(r.passed(), !c.written) << c.offset;
        EXPECT_EQ(r.differing,
                  c.written ? std::vector<std::size_t>{c.offset} : std::vector<std::size_t>{})
            << c.offset;
        EXPECT_TRUE(r.readBack == held);
        // Beside the written image, the held bytes differ exactly where the check failed.
        EXPECT_EQ(differingOffsets(written, heldAtWrittenOffsets(written, held)), r.differing);
    }
    std::size_t count = 0;
    for (std::size_t a = 0; a < kImageSize; ++a)
        count += isWrittenOffset(a) ? 1 : 0;
    EXPECT_EQ(count, 0x180u + (0x340u - 0x1B8u));
}

TEST_F(TransferTest, VerifyReadsTheRadioBackInTheSameConnection) {
    g.image = radioPattern();
    radio.image.fill(0x00);
    PhaseProgress phases;
    ASSERT_EQ(transfer.writeImageToRadio(phases, WriteRequest{.verify = true}),
              WriteOutcome::Verified);
    const auto w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), bytesOf("PROGRAM")), 1);
    EXPECT_EQ(std::count_if(w.begin(), w.end(), isWriteFrame), 49);
    EXPECT_EQ(std::count_if(w.begin(), w.end(), isReadFrame), 16);
    const auto lastWrite = std::find_if(w.rbegin(), w.rend(), isWriteFrame);
    const auto firstRead = std::find_if(w.begin(), w.end(), isReadFrame);
    EXPECT_EQ(lastWrite.base(), firstRead); // the read frames follow the last write frame
    EXPECT_EQ(w.back(), Bytes{0x45});
    // As after a read, the end command waits 250 ms.
    EXPECT_EQ(std::count(clock.sleeps.begin(), clock.sleeps.end(), 250u), 1);
    EXPECT_EQ(phases.phases,
              (std::vector<TransferPhase>{TransferPhase::Writing, TransferPhase::Verifying}));
    EXPECT_EQ(phases.ranges.back(), std::make_pair(0, 1024));
    EXPECT_TRUE(transfer.verifyResult().readBack == radio.image);
    EXPECT_EQ(transfer.framesTaken(), 49);
}

TEST_F(TransferTest, VerifyNamesTheBytesTheRadioHoldsOtherwise) {
    g.image = radioPattern();
    // The radio keeps 0x121 and 0x1F9 with their low bit flipped, and the tuning area as it was.
    radio.filter = [&](const Bytes& cmd, Bytes&, int) {
        if (isWriteFrame(cmd) && cmd[1] == 0x01 && (cmd[2] == 0x20 || cmd[2] == 0xF8)) {
            const std::size_t a = cmd[2] == 0x20 ? 0x121 : 0x1F9;
            radio.image.setByte(a, static_cast<std::uint8_t>(radio.image.byte(a) ^ 0x01));
        }
    };
    radio.image.setByte(0x350, 0x77);
    ASSERT_EQ(write(true), WriteOutcome::VerifyFailed);
    EXPECT_EQ(transfer.verifyResult().differing, (std::vector<std::size_t>{0x121, 0x1F9}));
    EXPECT_EQ(transfer.verifyResult().readBack.byte(0x121), g.image.byte(0x121) ^ 0x01);
    EXPECT_EQ(transfer.verifyResult().readBack.byte(0x350), 0x77);
}

TEST_F(TransferTest, AFailedWriteSaysWhetherTheRadioTookAnyOfIt) {
    using A = PromptAnswer;
    struct Case {
        const char* what;
        std::vector<int> failingFrames; // write frames (1-based, over all attempts) answered NAK
        int failingReadFrame;           // 1-based read frame of the check with no reply; 0: none
        bool verify;
        std::vector<A> answers;
        WriteOutcome outcome;
        int writeFrames; // sent in all
    };
    const Case cases[] = {
        {"first frame refused", {1}, 0, false, {A::Cancel}, WriteOutcome::Unchanged, 1},
        {"fifth frame refused", {5}, 0, false, {A::Cancel}, WriteOutcome::PartlyWritten, 5},
        {"last frame refused", {49}, 0, false, {A::Cancel}, WriteOutcome::PartlyWritten, 49},
        {"part written, then the first frame of the retry refused",
         {10, 11},
         0,
         false,
         {A::Retry, A::Cancel},
         WriteOutcome::PartlyWritten,
         11},
        {"refused, retried, written", {3}, 0, false, {A::Retry}, WriteOutcome::Written, 3 + 49},
        {"the check's read fails, cancelled",
         {},
         4,
         true,
         {A::Cancel},
         WriteOutcome::NotVerified,
         49},
        {"the check's read fails, retried: read again, not written again",
         {},
         4,
         true,
         {A::Retry},
         WriteOutcome::Verified,
         49},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.g.image = radioPattern();
        r.link.setDevicePath("/dev/fake");
        int writeFrame = 0, readFrame = 0;
        r.radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
            if (isWriteFrame(cmd) &&
                std::count(c.failingFrames.begin(), c.failingFrames.end(), ++writeFrame))
                reply = {0x15};
            if (isReadFrame(cmd) && ++readFrame == c.failingReadFrame)
                reply.clear();
        };
        r.prompt.answers.assign(c.answers.begin(), c.answers.end());
        Transfer t(r.link);
        RecordingProgress p;
        EXPECT_EQ(t.writeImageToRadio(p, WriteRequest{.verify = c.verify}), c.outcome) << c.what;
        const auto w = r.writes();
        EXPECT_EQ(std::count_if(w.begin(), w.end(), isWriteFrame), c.writeFrames) << c.what;
        EXPECT_FALSE(r.link.isOpen()) << c.what;
        EXPECT_TRUE(r.prompt.answers.empty()) << c.what;
    }
}

TEST_F(TransferTest, AnotherImageCanBeWrittenAndItsModelIsChecked) {
    RadioImage other = radioPattern();
    other.setByte(0x300, 'B');
    g.image = radioPattern();
    g.image.setByte(layout::kModelCode, 'Q'); // the program's image names another model
    ASSERT_EQ(transfer.writeImageToRadio(progress, WriteRequest{.image = &other}),
              WriteOutcome::Written);
    EXPECT_TRUE(prompt.asked.empty()); // the image written matches the radio
    EXPECT_EQ(radio.image.byte(0x300), 'B');
}

TEST_F(TransferTest, TheSerialNumberIsReadFirstAndAFaultyBlockDoesNotStopTheTransfer) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change; // of the information block reply
        std::string serial;
        std::uint64_t pauseMs; // waited after the block before the first frame
    };
    const Case cases[] = {
        {"well formed", [](Bytes&) {}, "AB12-CD34", 0},
        {"wrong checksum", [](Bytes& r) { r.back() ^= 0x01; }, "", 0},
        {"cut short", [](Bytes& r) { r.resize(20); }, "", 2500},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.image = radioPattern();
        r.link.setDevicePath("/dev/fake");
        const std::string serial = "AB12-CD34";
        std::copy(serial.begin(), serial.end(), r.radio.infoData.begin() + 16);
        r.radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
            if (cmd == bytesOf("NRK"))
                c.change(reply);
        };
        Transfer t(r.link);
        RecordingProgress p;
        ASSERT_TRUE(t.readImageFromRadio(p)) << c.what;
        EXPECT_EQ(t.radioSerial(), c.serial) << c.what;
        EXPECT_EQ(std::count(r.clock.sleeps.begin(), r.clock.sleeps.end(), 2500u),
                  c.pauseMs ? 1 : 0)
            << c.what;
        EXPECT_TRUE(std::equal(t.receiveBuffer().begin(), t.receiveBuffer().end(),
                               r.radio.image.bytes().begin()));
    }
}
