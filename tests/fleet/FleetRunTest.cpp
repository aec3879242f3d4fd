// The fleet run against a scripted radio on virtual time.

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "app/ImageLayout.h"
#include "fleet/FleetRun.h"
#include "tests/support/FakeSerialDevice.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fleet;
using namespace tsw::test;

namespace {

// A bench on which radios are connected one after the other: `connected` answers a look
// until the radio has been written, then the next one in the queue is connected (after
// `swapMs` of virtual time). Radios named in `failing` fail their write.
class BenchRadio : public FleetRadio {
public:
    BenchRadio(VirtualClock& clock, std::deque<std::string> serials)
        : clock_(clock), queue_(std::move(serials)) {
        connectNext();
    }

    RadioLook look() override {
        ++looks;
        if (portFails)
            return {LookResult::PortFailed, {}};
        if (connected_.empty() || clock_.now() < connectedAt_)
            return {LookResult::NoRadio, {}};
        return {LookResult::Radio, {connected_, "V1.000"}};
    }

    WriteReport writeAndVerify(const RadioImage& image) override {
        written.push_back({connected_, image});
        WriteReport r;
        r.serial = connected_;
        r.verified = !failing.count(connected_) || failing[connected_]-- <= 0;
        r.message = r.verified ? "" : "no answer";
        if (swapAfterWrite)
            connectNext();
        return r;
    }

    void connectNext() {
        connected_.clear();
        if (queue_.empty())
            return;
        connected_ = queue_.front();
        queue_.pop_front();
        connectedAt_ = clock_.now() + swapMs;
    }

    std::vector<std::pair<std::string, RadioImage>> written;
    std::map<std::string, int> failing; // serial -> how many writes fail
    bool swapAfterWrite = true;
    bool portFails = false;
    std::uint64_t swapMs = 3000;
    int looks = 0;

private:
    VirtualClock& clock_;
    std::deque<std::string> queue_;
    std::string connected_;
    std::uint64_t connectedAt_ = 0;
};

class RecordingObserver : public FleetObserver {
public:
    void skipped(const std::string& serial) override {
        skips.push_back(serial);
        continueOnce = continueOnSkip;
    }
    void radioDone(const LogRow& row, int done, int) override {
        doneCounts.push_back(done);
        (void)row;
    }
    bool stopRequested() override {
        return stopAfter >= 0 && doneCounts.size() >= std::size_t(stopAfter);
    }
    bool continueRequested() override { return std::exchange(continueOnce, false); }

    std::vector<std::string> skips;
    std::vector<int> doneCounts;
    int stopAfter = -1;
    bool continueOnce = false;
    bool continueOnSkip = false; // the user presses Enter when told the radio is done
};

struct Bench {
    explicit Bench(std::deque<std::string> serials) : radio(clock, std::move(serials)) {
        setup.plan.count = 3;
        setup.plan.labelPattern = "UNIT {n:02}";
        setup.plan.firstDtmfId = "101";
        setup.plan.firstCrewLinkId = 1001;
        setup.configuration = defaultRadioImage();
        setup.waitLimitMs = 120'000;
        setup.timestamp = [] { return std::string("T"); };
    }

    FleetOutcome run(const LogSummary& log = {}) {
        FleetRun fleetRun(
            setup, radio, clock,
            [this](const LogRow& row) {
                rows.push_back(row);
                return logWorks;
            },
            observer);
        return fleetRun.run(resumePoint(setup.plan, log));
    }

    std::vector<std::string> serials() const {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back(r.serial + (r.ok ? " ok " : " failed ") + std::to_string(r.number));
        return out;
    }

    VirtualClock clock;
    BenchRadio radio;
    RecordingObserver observer;
    FleetSetup setup;
    std::vector<LogRow> rows;
    bool logWorks = true;
};

std::string messageLine(const RadioImage& image, std::size_t line) {
    std::string out;
    for (std::size_t i = 0; i < layout::kMessageLineLength && image.byte(line + i) != 0xFF; ++i)
        out.push_back(static_cast<char>(image.byte(line + i)));
    return out;
}

TEST(FleetRun, NumbersEachRadioThatVerifiesAndLogsIt) {
    Bench b({"S1", "S2", "S3"});
    const FleetOutcome out = b.run();
    EXPECT_EQ(out.end, FleetEnd::Completed);
    EXPECT_EQ(out.done, 3);
    EXPECT_EQ(b.serials(), (std::vector<std::string>{"S1 ok 1", "S2 ok 2", "S3 ok 3"}));
    ASSERT_EQ(b.radio.written.size(), 3u);
    EXPECT_EQ(messageLine(b.radio.written[2].second, layout::kMessageLine2), "UNIT 03");
    EXPECT_EQ(b.rows[2].label, "UNIT 03");
    EXPECT_EQ(b.rows[2].dtmfId, "103");
    EXPECT_EQ(b.rows[2].crewLinkId, "1003");
    EXPECT_EQ(b.rows[2].firmware, "V1.000");
    // The configuration itself is never changed; each radio gets a copy.
    EXPECT_EQ(messageLine(b.setup.configuration, layout::kMessageLine2), "");
}

TEST(FleetRun, PollsAboutOnceASecondWhileWaiting) {
    Bench b({"S1", "S2", "S3"});
    b.radio.swapMs = 10'000;
    b.run();
    // The first radio after 3 s, two swaps of 10 s each: a look about once a second.
    EXPECT_GE(b.radio.looks, 4 + 2 * 10);
    EXPECT_LE(b.radio.looks, 4 + 2 * 12);
}

TEST(FleetRun, AFailedRadioGivesItsNumberToTheNext) {
    Bench b({"S1", "S2", "S3", "S4"});
    b.radio.failing["S2"] = 1;
    const FleetOutcome out = b.run();
    EXPECT_EQ(out.end, FleetEnd::Completed);
    EXPECT_EQ(b.serials(),
              (std::vector<std::string>{"S1 ok 1", "S2 failed 2", "S3 ok 2", "S4 ok 3"}));
    EXPECT_EQ(b.rows[1].message, "no answer");
}

TEST(FleetRun, AFailedRadioStillConnectedIsTriedAgainOnlyWhenTheUserSaysSo) {
    Bench b({"S1", "S2"});
    b.radio.swapAfterWrite = false;
    b.radio.failing["S1"] = 1;
    b.setup.plan.count = 1;
    b.setup.waitLimitMs = 5000;
    EXPECT_EQ(b.run().end, FleetEnd::TimedOut);
    EXPECT_EQ(b.serials(), (std::vector<std::string>{"S1 failed 1"}));
    EXPECT_EQ(b.observer.skips, (std::vector<std::string>{"S1"}));

    Bench again({"S1", "S2"});
    again.radio.swapAfterWrite = false;
    again.radio.failing["S1"] = 1;
    again.setup.plan.count = 1;
    again.observer.continueOnSkip = true;
    EXPECT_EQ(again.run().end, FleetEnd::Completed);
    EXPECT_EQ(again.serials(), (std::vector<std::string>{"S1 failed 1", "S1 ok 1"}));
}

TEST(FleetRun, ResumesAfterTheHighestNumberThatVerifiedAndSkipsRadiosDone) {
    Bench b({"S2", "S9", "S10"});
    b.setup.plan.count = 4;
    LogSummary log;
    log.okCount = 2;
    log.highestOkNumber = 5;
    log.okSerials = {"S1", "S2"};
    // S2 is on the bench already done: it is skipped, and the dealer connects the next.
    b.setup.waitLimitMs = 6000;
    EXPECT_EQ(b.run(log).end, FleetEnd::TimedOut);
    EXPECT_TRUE(b.radio.written.empty());
    EXPECT_EQ(b.observer.skips, (std::vector<std::string>{"S2"}));

    b.radio.connectNext(); // the dealer puts S2 aside
    b.setup.waitLimitMs = 120'000;
    const FleetOutcome out = b.run(log);
    EXPECT_EQ(out.end, FleetEnd::Completed);
    EXPECT_EQ(out.done, 4);
    EXPECT_EQ(b.serials(), (std::vector<std::string>{"S9 ok 6", "S10 ok 7"}));
    EXPECT_EQ(b.rows[0].dtmfId, "106");
    EXPECT_EQ(b.rows[1].crewLinkId, "1007");
}

TEST(FleetRun, EndsWhenTheUserStopsAfterTheCurrentRadio) {
    Bench b({"S1", "S2", "S3"});
    b.observer.stopAfter = 1;
    const FleetOutcome out = b.run();
    EXPECT_EQ(out.end, FleetEnd::Stopped);
    EXPECT_EQ(out.done, 1);
    EXPECT_EQ(out.nextNumber, 2);
    EXPECT_EQ(b.serials(), (std::vector<std::string>{"S1 ok 1"}));
}

TEST(FleetRun, StopsWhenThePortFailsOrTheLogCannotBeAppendedTo) {
    Bench port({"S1"});
    port.radio.portFails = true;
    EXPECT_EQ(port.run().end, FleetEnd::PortFailed);
    EXPECT_TRUE(port.radio.written.empty());

    Bench log({"S1", "S2"});
    log.logWorks = false;
    const FleetOutcome out = log.run();
    EXPECT_EQ(out.end, FleetEnd::LogFailed);
    EXPECT_EQ(log.radio.written.size(), 1u);
}

TEST(FleetRun, ACopyTheCheckRefusesIsLoggedAndNotWritten) {
    Bench b({"S1", "S2", "S3", "S4"});
    b.setup.check = [](const RadioImage& image) -> std::optional<std::string> {
        if (image.byte(layout::kDtmfIdCode + 2) == '2')
            return "refused";
        return std::nullopt;
    };
    b.setup.plan.count = 1;
    b.setup.plan.firstNumber = 2;
    b.setup.plan.firstDtmfId = "102";
    b.setup.waitLimitMs = 5000;
    EXPECT_EQ(b.run().end, FleetEnd::TimedOut);
    EXPECT_TRUE(b.radio.written.empty());
    ASSERT_EQ(b.rows.size(), 1u);
    EXPECT_EQ(b.rows[0].message, "refused");
}

TEST(FleetRun, ResumePointStartsAtTheFirstNumberWithoutOkRows) {
    FleetPlan plan;
    plan.firstNumber = 11;
    plan.count = 5;
    LogSummary log;
    EXPECT_EQ(resumePoint(plan, log).nextNumber, 11);
    EXPECT_EQ(lastNumber(plan, resumePoint(plan, log)), 15);
    log.okCount = 2;
    log.highestOkNumber = 13;
    EXPECT_EQ(resumePoint(plan, log).nextNumber, 14);
    EXPECT_EQ(lastNumber(plan, resumePoint(plan, log)), 16);
}

} // namespace
