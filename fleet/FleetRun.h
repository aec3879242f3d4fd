#pragma once
// A fleet run: one configuration into a series of radios, each with its own values (see
// FleetNumbering.h), each written, read back and logged (FleetLog.h).
//
// For each radio: wait until a radio answers (a short look at its identity about every
// second), skip a radio whose serial number the log holds as ok and the radio just handled,
// put its values into a copy of the configuration, check the copy, write it, read it back,
// append the log row, tell the user to connect the next radio. A radio that fails gives its
// number to the next one. Everything outside (the radio, the check, the clock, the log, the
// user) comes through the interfaces below, so the loop runs against fakes in the tests.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "app/RadioImage.h"
#include "fleet/FleetLog.h"
#include "fleet/FleetNumbering.h"
#include "link/Clock.h"

namespace tsw::fleet {

inline constexpr std::uint32_t kPollIntervalMs = 1000;

struct RadioIdentity {
    std::string serial;
    std::string firmware;
};

enum class LookResult { Radio, NoRadio, PortFailed };

struct RadioLook {
    LookResult result = LookResult::NoRadio;
    RadioIdentity identity;
};

struct WriteReport {
    bool verified = false; // written and read back equal
    std::string serial;    // the serial number the radio gave during the write (may be empty)
    std::string message;   // why not, when not verified
};

// The radio on the port.
class FleetRadio {
public:
    virtual ~FleetRadio() = default;
    // A short look: the identity of the radio that answers, leaving it as it was.
    virtual RadioLook look() = 0;
    // Writes the image and reads it back in one connection.
    virtual WriteReport writeAndVerify(const RadioImage& image) = 0;
};

enum class FleetPhase { Waiting, Checking, Writing, Done };

// The user's side of a run: what is going on, and whether to stop or go on at once.
class FleetObserver {
public:
    virtual ~FleetObserver() = default;
    virtual void phase(FleetPhase phase, const std::string& serial) { (void)phase, (void)serial; }
    // A radio answered that the run does not write (already ok in the log, or just handled).
    virtual void skipped(const std::string& serial) { (void)serial; }
    // After each radio: its row and how many of the total have verified so far.
    virtual void radioDone(const LogRow& row, int done, int total) {
        (void)row, (void)done, (void)total;
    }
    // The user is to connect the next radio.
    virtual void connectNext(int done, int total) { (void)done, (void)total; }
    // Asked between steps: true ends the run (the current radio is finished first).
    virtual bool stopRequested() { return false; }
    // Asked while waiting: true once when the user says the next radio is connected; the
    // radio just handled (a failed one) may then be tried again.
    virtual bool continueRequested() { return false; }
};

struct FleetSetup {
    FleetPlan plan;
    RadioImage configuration;
    // Checks a radio's copy before it is written; an error text when it must not be.
    std::function<std::optional<std::string>(const RadioImage&)> check;
    // How long to wait for a radio between two (nothing: until stopped).
    std::optional<std::uint32_t> waitLimitMs;
    std::function<std::string()> timestamp = localTimestamp;
};

enum class FleetEnd {
    Completed,  // the count has verified
    Stopped,    // the user stopped it
    TimedOut,   // no new radio came within the wait
    PortFailed, // the port could not be opened
    LogFailed,  // a row could not be appended to the log
};

struct FleetOutcome {
    FleetEnd end = FleetEnd::Completed;
    int done = 0;       // radios that verified, those of the log included
    int nextNumber = 0; // the number the next radio would get
};

// Where a run starts from its log: the radios done and the next number.
struct ResumePoint {
    int done = 0;
    int nextNumber = 0;
    std::set<std::string> okSerials;
};
ResumePoint resumePoint(const FleetPlan& plan, const LogSummary& log);

// The numbers the rest of the run can hand out, first..last, to check with checkPlan.
inline int lastNumber(const FleetPlan& plan, const ResumePoint& from) {
    return from.nextNumber + std::max(plan.count - from.done, 1) - 1;
}

class FleetRun {
public:
    // `appendRow` appends one row to the log, true when it is written (LogWriter::append).
    using AppendRow = std::function<bool(const LogRow&)>;
    FleetRun(const FleetSetup& setup, FleetRadio& radio, Clock& clock, AppendRow appendRow,
             FleetObserver& observer)
        : setup_(setup), radio_(radio), clock_(clock), appendRow_(std::move(appendRow)),
          observer_(observer) {}

    FleetOutcome run(const ResumePoint& from);

private:
    enum class Wait { Radio, Stopped, TimedOut, PortFailed };
    Wait waitForRadio(RadioIdentity& found);
    bool wanted(const std::string& serial, bool continued) const;
    LogRow programRadio(const RadioIdentity& radio);

    const FleetSetup& setup_;
    FleetRadio& radio_;
    Clock& clock_;
    AppendRow appendRow_;
    FleetObserver& observer_;
    std::set<std::string> okSerials_;
    std::string lastSerial_;
    int number_ = 0;
};

} // namespace tsw::fleet
