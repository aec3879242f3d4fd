// The simulated radio's state machine in virtual time: every request's reply bytes, the
// write-protected areas, the faults, noise at a wrong baud rate and the wire-time pacing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ImageLayout.h"
#include "tools/radiosim/RadioSimulator.h"
#include "tools/radiosim/SimOptions.h"

namespace tsw::radiosim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

Bytes text(std::string_view s) {
    return Bytes(s.begin(), s.end());
}
Bytes cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Drives a simulator in virtual time: each request is sent once the line is quiet, and
// everything the radio answers to it is collected.
struct Rig {
    explicit Rig(SimConfig c = defaultConfig()) : config(c), sim(std::move(c)) {}

    Bytes send(const Bytes& request, int baud = 0) {
        sim.receive(request, t, {baud ? baud : config.baud, 11});
        t += 1s; // long enough for every quiet spell and reply
        sim.advance(t);
        Bytes reply;
        for (const OutByte& b : sim.takeReplies(t))
            reply.push_back(b.value);
        return reply;
    }
    void programMode() { ASSERT_EQ(send(text("PROGRAM")), Bytes{kAck}); }
    void tuningMode() { ASSERT_EQ(send(text("TUNING ")), Bytes{kAck}); }
    Bytes readFrame(std::size_t address, std::uint8_t length = 0x40) {
        return send({0x52, static_cast<std::uint8_t>(address >> 8),
                     static_cast<std::uint8_t>(address & 0xFF), length});
    }
    Bytes writeFrame(std::size_t address, const Bytes& data) {
        Bytes frame{0x57, static_cast<std::uint8_t>(address >> 8),
                    static_cast<std::uint8_t>(address & 0xFF),
                    static_cast<std::uint8_t>(data.size())};
        return send(cat(frame, data));
    }

    SimConfig config;
    RadioSimulator sim;
    SimTime t{};
};

// Sends each request in turn; each reply must be the one listed.
void expectConversation(Rig& rig, const std::vector<std::pair<Bytes, Bytes>>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(rig.send(steps[i].first), steps[i].second) << "step " << i;
}

// One fault switched on: faultWith([](Faults& f) { f.nak = {2}; }).
template <typename Fn>
Faults faultWith(Fn set) {
    Faults f;
    set(f);
    return f;
}

SimConfig withFaults(Faults f) {
    SimConfig c = defaultConfig();
    c.faults = std::move(f);
    return c;
}

Bytes memoryBytes(const RadioImage& m, std::size_t at, std::size_t n) {
    return Bytes(m.raw().begin() + at, m.raw().begin() + at + n);
}

TEST(RadioSimulator, AnswersProgramWithAckAt9600AndSynAckAtTheOtherRates) {
    for (const int baud : kRadioBaudRates) {
        SimConfig c = defaultConfig();
        c.baud = baud;
        Rig rig(c);
        const Bytes expected = baud == 9600 ? Bytes{kAck} : Bytes{kSyn, kAck};
        EXPECT_EQ(rig.send(text("PROGRAM")), expected) << baud;
        EXPECT_EQ(rig.sim.mode(), Mode::Programming);
    }
}

TEST(RadioSimulator, BytesAtAnotherBaudRateAreNoise) {
    Rig rig;
    EXPECT_TRUE(rig.send(text("PROGRAM"), 19200).empty());
    EXPECT_EQ(rig.sim.mode(), Mode::Idle);
    // Noise in the middle spoils the request that was coming in.
    rig.sim.receive(text("PROG"), rig.t, {9600, 11});
    rig.sim.receive(text("R"), rig.t + 10us, {4800, 11});
    EXPECT_TRUE(rig.send(text("RAM")).empty());
    EXPECT_EQ(rig.send(text("PROGRAM")), Bytes{kAck});
}

TEST(RadioSimulator, ProgrammingModeConversation) {
    SimConfig c = defaultConfig();
    c.identity = {'X', '9', '9', '9', '9', 0x93, 0x01, 0x02};
    c.info.fill(0x41);
    c.version = textField<kVersionSize>("V2.5");
    Bytes info{0x4E};
    info.insert(info.end(), 32, 0x41);
    info.push_back(static_cast<std::uint8_t>(32 * 0x41));
    Rig rig(c);
    // Outside programming mode only the handshakes are answered.
    expectConversation(rig, {{{0x02}, {}},
                             {{0x52, 0, 0, 0x40}, {}},
                             {text("NRK"), {}},
                             {{0x45}, {}},
                             {{kAck}, {}},
                             {text("PROGRAM"), {kAck}},
                             {{0x02}, Bytes(c.identity.begin(), c.identity.end())},
                             {{kAck}, {kAck}},
                             {text("NRK"), info},
                             {{kAck}, {kAck}},
                             {{0x50}, cat(text("V2.5"), Bytes(6, 0xFF))},
                             {{kAck}, {kAck}},
                             {{kAck}, {}},              // an ACK nobody waits for
                             {text("PROGRAM"), {kAck}}, // a handshake, not a version request
                             {{0x52, 0x00}, {}},        // cut short: dropped after a quiet spell
                             {{0x45}, {kAck}},
                             {{0x02}, {}}});
    EXPECT_EQ(rig.sim.mode(), Mode::Idle);
}

TEST(RadioSimulator, ReadFramesReplyWith68BytesOfMemory) {
    Rig rig;
    rig.programMode();
    for (std::size_t address = 0; address < kImageSize; address += 0x40) {
        const Bytes reply = rig.readFrame(address);
        ASSERT_EQ(reply.size(), 68u);
        EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 4),
                  (Bytes{0x57, static_cast<std::uint8_t>(address >> 8),
                         static_cast<std::uint8_t>(address & 0xFF), 0x40}));
        EXPECT_EQ(Bytes(reply.begin() + 4, reply.end()),
                  memoryBytes(rig.config.memory, address, 64));
        EXPECT_EQ(rig.send({kAck}), Bytes{kAck});
    }
    EXPECT_EQ(rig.sim.framesReceived(), 16);
    // Out of the memory, or longer than a frame: NAK.
    EXPECT_EQ(rig.readFrame(0x3F0, 0x40), Bytes{kNak});
    EXPECT_EQ(rig.readFrame(0x000, 0x41), Bytes{kNak});
}

TEST(RadioSimulator, WriteFramesNeverChangeTheWriteProtectedAreas) {
    struct Case {
        std::size_t address;
        std::size_t length;
        std::size_t writable; // bytes of the frame outside the protected areas
    };
    const Case cases[] = {{0x000, 16, 16}, {0x170, 16, 16}, {0x180, 16, 0}, {0x1B0, 16, 8},
                          {0x1F8, 8, 8},   {0x330, 16, 16}, {0x338, 16, 8}, {0x340, 16, 0},
                          {0x3C0, 64, 0},  {0x1A0, 64, 40}};
    for (const Case& c : cases) {
        Rig rig;
        rig.programMode();
        const Bytes data(c.length, 0x5A);
        EXPECT_EQ(rig.writeFrame(c.address, data), Bytes{kAck}) << std::hex << c.address;
        std::size_t changed = 0;
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const bool isProtected = (i >= layout::kNoWriteArea1 && i < layout::kNoWriteArea1End) ||
                                     i >= layout::kTuningData;
            if (rig.sim.memory().byte(i) != rig.config.memory.byte(i)) {
                EXPECT_FALSE(isProtected) << std::hex << i;
                ++changed;
            }
        }
        EXPECT_EQ(changed, c.writable) << std::hex << c.address;
    }
}

TEST(RadioSimulator, UnframeableOrOutOfRangeWriteFramesAreRefused) {
    Rig rig;
    rig.programMode();
    // Length 0 and 0x80: NAK, and the bytes that follow at once are dropped.
    EXPECT_EQ(rig.send({0x57, 0x00, 0x00, 0x00, 0x02, 0x02}), Bytes{kNak});
    EXPECT_EQ(rig.send(cat({0x57, 0x00, 0x00, 0x80}, Bytes(0x80, 0x02))), Bytes{kNak});
    EXPECT_EQ(rig.writeFrame(0x3F8, Bytes(16, 0x00)), Bytes{kNak});
    EXPECT_EQ(rig.sim.memory(), rig.config.memory);
    EXPECT_EQ(rig.send({0x02}).size(), 8u) << "the radio listens again after a quiet spell";
}

TEST(RadioSimulator, AfterADataReplyTheFirstByteWithinTwoSecondsIsTakenForTheAck) {
    // Each request follows the reply before it by one second (the rig's pace) plus `pause`.
    struct Case {
        const char* what;
        Bytes dataRequest; // answered by data the radio wants acknowledged
        std::chrono::milliseconds pause;
        bool nextAnswered; // the identity request that follows
    };
    const Case cases[] = {
        {"identity, at once", {0x02}, 0ms, false},
        {"read frame, at once", {0x52, 0x00, 0x40, 0x40}, 0ms, false},
        {"information block, at once", text("NRK"), 0ms, false},
        {"read frame, 0.9 s later", {0x52, 0x00, 0x40, 0x40}, 900ms, false},
        {"read frame, 1.1 s later", {0x52, 0x00, 0x40, 0x40}, 1100ms, true},
        {"identity, 2.5 s later", {0x02}, 2500ms, true},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.programMode();
        ASSERT_FALSE(rig.send(c.dataRequest).empty()) << c.what;
        rig.t += c.pause;
        const Bytes reply = rig.send({0x02});
        EXPECT_EQ(!reply.empty(), c.nextAnswered) << c.what;
        // Swallowed or answered and acknowledged, the radio takes requests again afterwards.
        EXPECT_EQ(rig.send({kAck}), c.nextAnswered ? Bytes{kAck} : Bytes{}) << c.what;
        EXPECT_EQ(rig.send({0x02}).size(), 8u) << c.what;
    }
}

TEST(RadioSimulator, TheAckItselfIsAnsweredAndTuningModeDoesNotWaitForIt) {
    Rig rig;
    rig.programMode();
    EXPECT_EQ(rig.readFrame(0x000).size(), 68u);
    EXPECT_EQ(rig.send({kAck}), Bytes{kAck});
    rig.tuningMode();
    EXPECT_EQ(rig.send({0x02}).size(), 8u);
    EXPECT_EQ(rig.send({0x11, 1}), Bytes{kAck}); // the next command is answered at once
}

TEST(RadioSimulator, TuningModeCommands) {
    Rig rig;
    const RadioImage& m = rig.config.memory;
    expectConversation(rig, {{text("TUNING "), {kAck}},
                             {{0x05}, memoryBytes(m, layout::kTuningData, kTuningBlockSize)},
                             {{kAck}, {kAck}},
                             {{0x10, 3}, memoryBytes(m, layout::testFrequencyOffset(2), 8)},
                             {{kAck}, {kAck}},
                             {{0x10, 0}, {kNak}},
                             {{0x10, 17}, {kNak}},
                             {{0x11, 2}, {kAck}},
                             {{0x08, 0x0D}, {kAck}},
                             {{0x08, 0x0E}, {kAck}},
                             {{0x08, 0x33}, {kNak}},
                             {{0x47}, {kAck}},
                             {{0x46}, {kAck}},
                             {{0x30, 0x0D}, {}},       // no such tuning item
                             {{0x52, 0, 0, 0x40}, {}}, // no read frames in tuning mode
                             {{0x45}, {kAck}}});
    EXPECT_EQ(rig.sim.mode(), Mode::Idle);
}

TEST(RadioSimulator, TuningValuesAreSetStoredAndRead) {
    Rig rig;
    rig.tuningMode();
    const std::uint8_t stored = rig.sim.tuningValue(54);
    EXPECT_EQ(rig.send({0x1C, 0x0D}), Bytes{kAck});
    EXPECT_EQ(rig.sim.selectedItem(), 0x1C);
    EXPECT_EQ(rig.send({0x1C, 0x0A}), Bytes{stored}) << "the meter follows the live value";
    EXPECT_TRUE(rig.send({kAck}).empty());
    EXPECT_EQ(rig.send({0x1C, 0x20, 200}), Bytes{kAck});
    EXPECT_EQ(rig.send({0x1C, 0x0A}), Bytes{200});
    EXPECT_EQ(rig.sim.tuningValue(54), stored) << "set is not store";
    EXPECT_FALSE(rig.sim.takeMemoryChanged());
    EXPECT_EQ(rig.send({0x1C, 0x0E}), Bytes{kAck});
    EXPECT_EQ(rig.sim.tuningValue(54), 200);
    EXPECT_EQ(rig.sim.memory().byte(layout::kTuningData + 54), 200);
    EXPECT_TRUE(rig.sim.takeMemoryChanged());

    EXPECT_EQ(rig.send({0x61, 0x0D}), Bytes{kAck});
    EXPECT_EQ(rig.send({0x61, 0x20, 7}), Bytes{kAck});
    EXPECT_EQ(rig.send({0x22, 0x0A}), Bytes{7}) << "0x22 reads the selected item";
    EXPECT_EQ(rig.send({0x05})[0], rig.sim.tuningValue(0));
}

TEST(RadioSimulator, TestChannelNakOption) {
    SimConfig c = defaultConfig();
    c.faults.testChannelNak = true;
    Rig rig(c);
    rig.tuningMode();
    EXPECT_EQ(rig.send({0x10, 1}).size(), 8u);
    EXPECT_EQ(rig.send({kAck}), Bytes{kNak});
}

TEST(RadioSimulator, ReadFrameFaultsHitTheNumberedFrameOnly) {
    struct Case {
        const char* name;
        Faults faults;
        Bytes secondReplyHead; // first byte(s) of the reply to frame 2
        std::size_t secondReplySize;
        Bytes secondClose; // the radio's answer to the program's ACK after frame 2
    };
    const Case cases[] = {
        {"no ACK", faultWith([](Faults& f) { f.noAck = {2}; }), {0x57}, 68, {}},
        {"NAK", faultWith([](Faults& f) { f.nak = {2}; }), {0x57}, 68, {kNak}},
        {"bad first", faultWith([](Faults& f) { f.badFirst = {2}; }), {0xA8}, 68, {kAck}},
        {"extra byte", faultWith([](Faults& f) { f.extraByte = {2}; }), {0x57}, 69, {kAck}},
    };
    for (const Case& c : cases) {
        Rig rig(withFaults(c.faults));
        rig.programMode();
        for (int frame = 1; frame <= 3; ++frame) {
            const Bytes reply = rig.readFrame(0x40 * (frame - 1));
            const Bytes close = rig.send({kAck});
            if (frame == 2) {
                EXPECT_EQ(reply.size(), c.secondReplySize) << c.name;
                EXPECT_EQ(reply.front(), c.secondReplyHead.front()) << c.name;
                EXPECT_EQ(close, c.secondClose) << c.name;
            } else {
                EXPECT_EQ(reply.size(), 68u) << c.name;
                EXPECT_EQ(close, Bytes{kAck}) << c.name;
            }
        }
    }
}

TEST(RadioSimulator, WriteFrameFaults) {
    struct Case {
        const char* name;
        Faults faults;
        Bytes reply;
        bool taken;
    };
    const Case cases[] = {
        {"no ACK", faultWith([](Faults& f) { f.noAck = {1}; }), {}, false},
        {"NAK", faultWith([](Faults& f) { f.nak = {1}; }), {kNak}, false},
        {"bad first", faultWith([](Faults& f) { f.badFirst = {1}; }), {0xF9}, true},
        {"extra byte", faultWith([](Faults& f) { f.extraByte = {1}; }), {kAck, 0x00}, true},
    };
    for (const Case& c : cases) {
        Rig rig(withFaults(c.faults));
        rig.programMode();
        EXPECT_EQ(rig.writeFrame(0x000, Bytes(16, 0x11)), c.reply) << c.name;
        EXPECT_EQ(rig.sim.memory().byte(0) == 0x11, c.taken) << c.name;
        EXPECT_EQ(rig.writeFrame(0x010, Bytes(16, 0x22)), Bytes{kAck}) << c.name;
    }
}

TEST(RadioSimulator, AStoreFaultKeepsTheWrittenByteWithItsLowBitFlipped) {
    Rig rig(withFaults(faultWith([](Faults& f) { f.store = {0x011, 0x1F9, 0x3A0}; })));
    rig.programMode();
    const RadioImage before = rig.sim.memory();
    EXPECT_EQ(rig.writeFrame(0x010, Bytes(16, 0x40)), Bytes{kAck}); // acknowledged all the same
    EXPECT_EQ(rig.writeFrame(0x1F8, Bytes(8, 0x22)), Bytes{kAck});
    EXPECT_EQ(rig.writeFrame(0x3A0, Bytes(16, 0x22)), Bytes{kAck}); // write-protected area
    for (std::size_t a = 0; a < kImageSize; ++a) {
        std::uint8_t expected = before.byte(a);
        if (a >= 0x010 && a < 0x020)
            expected = a == 0x011 ? 0x41 : 0x40;
        else if (a >= 0x1F8 && a < 0x200)
            expected = a == 0x1F9 ? 0x23 : 0x22;
        EXPECT_EQ(rig.sim.memory().byte(a), expected) << a;
    }
    // What the memory holds is what a read returns.
    EXPECT_EQ(rig.readFrame(0x000)[4 + 0x11], 0x41);
}

TEST(RadioSimulator, SilenceAfterNFrames) {
    Rig rig(withFaults(faultWith([](Faults& f) { f.silenceAfter = 2; })));
    rig.programMode();
    EXPECT_EQ(rig.readFrame(0x000).size(), 68u);
    EXPECT_EQ(rig.send({kAck}), Bytes{kAck});
    EXPECT_EQ(rig.writeFrame(0x000, Bytes(16, 0)), Bytes{kAck});
    EXPECT_TRUE(rig.sim.silent());
    EXPECT_TRUE(rig.writeFrame(0x010, Bytes(16, 0)).empty());
    EXPECT_TRUE(rig.send({0x45}).empty());
    EXPECT_TRUE(rig.send(text("PROGRAM")).empty());

    Rig mute(withFaults(faultWith([](Faults& f) { f.silenceAfter = 0; })));
    EXPECT_TRUE(mute.send(text("PROGRAM")).empty());
}

TEST(RadioSimulator, WrongInformationChecksumFault) {
    Rig rig(withFaults(faultWith([](Faults& f) { f.infoChecksum = true; })));
    rig.programMode();
    const Bytes block = rig.send(text("NRK"));
    ASSERT_EQ(block.size(), 34u);
    std::uint8_t sum = 0;
    for (std::size_t i = 1; i <= 32; ++i)
        sum = static_cast<std::uint8_t>(sum + block[i]);
    EXPECT_NE(block[33], sum);
}

// ---- Wire time ------------------------------------------------------------------------------

TEST(RadioSimulatorPacing, ByteTimeIsBitsOverBaud) {
    EXPECT_EQ(byteTime({9600, 11}).count(), 1'145'833);
    EXPECT_EQ(byteTime({1200, 11}).count(), 9'166'666);
    EXPECT_EQ(byteTime({19200, 10}).count(), 520'833);
}

TEST(RadioSimulatorPacing, RequestsCountOnceTheirWireTimeHasPassed) {
    SimConfig c = defaultConfig();
    c.faults.delayMs = 0;
    RadioSimulator sim(c);
    const SimTime bt = byteTime({9600, 11});
    const SimTime t0 = 5ms;
    sim.receive(text("PROGRAM"), t0, {9600, 11});
    // The ACK crosses the wire one byte time after the seventh byte has arrived.
    ASSERT_EQ(sim.nextReplyTime(), t0 + 8 * bt);
    EXPECT_TRUE(sim.takeReplies(t0 + 8 * bt - 1ns).empty());
    EXPECT_EQ(sim.takeReplies(t0 + 8 * bt).size(), 1u);

    // A read request that arrives in two pieces while the wire is still busy queues behind.
    const SimTime t1 = 100ms;
    sim.receive(Bytes{0x52, 0x00}, t1, {9600, 11});
    sim.receive(Bytes{0x00, 0x40}, t1 + 1us, {9600, 11});
    const auto reply = sim.takeReplies(1s);
    ASSERT_EQ(reply.size(), 68u);
    EXPECT_EQ(reply.front().at, t1 + 5 * bt);
    EXPECT_EQ(reply.back().at, t1 + 4 * bt + 68 * bt);
    for (std::size_t k = 1; k < reply.size(); ++k)
        EXPECT_EQ(reply[k].at - reply[k - 1].at, bt);
}

TEST(RadioSimulatorPacing, RepliesWaitForTheWireAndForTheDelayFault) {
    SimConfig c = defaultConfig();
    c.faults.delayMs = 40;
    RadioSimulator sim(c);
    const SimTime bt = byteTime({9600, 11});
    sim.receive(text("PROGRAM"), 0ns, {9600, 11});
    EXPECT_EQ(sim.nextReplyTime(), 7 * bt + 40ms + bt);
    sim.takeReplies(1s);
    // Two requests in one burst: the second reply starts when the first has left.
    sim.receive(Bytes{0x02, 0x06, 0x02}, 1s, {9600, 11});
    const auto replies = sim.takeReplies(2s);
    ASSERT_EQ(replies.size(), 8u + 1 + 8);
    EXPECT_EQ(replies[0].at, 1s + bt + 40ms + bt);
    EXPECT_EQ(replies[8].at, replies[7].at + bt);
}

TEST(RadioSimulatorPacing, VersionRequestWaitsForAQuietSpell) {
    RadioSimulator sim(defaultConfig());
    const SimTime bt = byteTime({9600, 11});
    sim.receive(text("PROGRAM"), 0ns, {9600, 11});
    sim.takeReplies(1s);
    sim.receive(Bytes{0x50}, 1s, {9600, 11});
    EXPECT_FALSE(sim.nextReplyTime());
    ASSERT_EQ(sim.nextDeadline(), 1s + bt + kSilenceByteTimes * bt);
    sim.advance(*sim.nextDeadline());
    EXPECT_EQ(sim.nextReplyTime(), 1s + bt + kSilenceByteTimes * bt + bt);
}

// A dealer's bench: after each programming session that wrote the memory the next serial
// number answers; a session that only read does not change it, nor does the end of the list.
TEST(RadioSimulator, FleetAnswersTheNextSerialNumberAfterASessionThatWrote) {
    SimOptions options;
    ASSERT_EQ(parseOptions(std::vector<std::string>{"--fleet", "RADIO-1,RADIO-2"}, options), "");
    Rig rig(options.config);
    const auto serial = [&rig] {
        rig.programMode();
        const Bytes block = rig.send(text("NRK"));
        EXPECT_EQ(rig.send({kAck}), Bytes{kAck});
        EXPECT_EQ(rig.send({0x45}), Bytes{kAck});
        return std::string(block.begin() + 1 + kInfoTextSize,
                           block.begin() + 1 + kInfoTextSize + 7);
    };
    EXPECT_EQ(serial(), "RADIO-1");
    rig.programMode();
    EXPECT_EQ(rig.readFrame(0x000).size(), 68u);
    EXPECT_EQ(rig.send({kAck}), Bytes{kAck});
    EXPECT_EQ(rig.send({0x45}), Bytes{kAck});
    EXPECT_EQ(serial(), "RADIO-1");
    for (int radio = 0; radio < 2; ++radio) {
        rig.programMode();
        EXPECT_EQ(rig.writeFrame(0x000, Bytes(16, 0x11)), Bytes{kAck});
        EXPECT_EQ(rig.send({0x45}), Bytes{kAck});
        EXPECT_EQ(serial(), "RADIO-2");
    }
}

} // namespace
} // namespace tsw::radiosim
