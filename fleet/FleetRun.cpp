#include "fleet/FleetRun.h"

namespace tsw::fleet {

ResumePoint resumePoint(const FleetPlan& plan, const LogSummary& log) {
    ResumePoint p;
    p.done = log.okCount;
    p.nextNumber = log.highestOkNumber ? *log.highestOkNumber + 1 : plan.firstNumber;
    p.okSerials = log.okSerials;
    return p;
}

FleetOutcome FleetRun::run(const ResumePoint& from) {
    okSerials_ = from.okSerials;
    number_ = from.nextNumber;
    lastSerial_.clear();
    int done = from.done;
    const int total = setup_.plan.count;
    const auto outcome = [&](FleetEnd end) { return FleetOutcome{end, done, number_}; };
    while (done < total) {
        if (observer_.stopRequested())
            return outcome(FleetEnd::Stopped);
        observer_.connectNext(done, total);
        RadioIdentity radio;
        switch (waitForRadio(radio)) {
        case Wait::Radio:
            break;
        case Wait::Stopped:
            return outcome(FleetEnd::Stopped);
        case Wait::TimedOut:
            return outcome(FleetEnd::TimedOut);
        case Wait::PortFailed:
            return outcome(FleetEnd::PortFailed);
        }
        const LogRow row = programRadio(radio);
        if (!appendRow_(row))
            return outcome(FleetEnd::LogFailed);
        lastSerial_ = row.serial;
        if (row.ok) {
            ++done;
            ++number_;
            okSerials_.insert(row.serial);
        }
        observer_.phase(FleetPhase::Done, row.serial);
        observer_.radioDone(row, done, total);
    }
    return outcome(FleetEnd::Completed);
}

// A radio already logged ok is never written again; the radio just handled only when the
// user says so (it failed, and is to be tried again).
bool FleetRun::wanted(const std::string& serial, bool continued) const {
    if (okSerials_.count(serial))
        return false;
    return serial != lastSerial_ || continued || lastSerial_.empty();
}

FleetRun::Wait FleetRun::waitForRadio(RadioIdentity& found) {
    observer_.phase(FleetPhase::Waiting, {});
    const std::uint32_t start = clock_.tickMs();
    std::string skippedSerial;
    bool continued = false;
    while (true) {
        continued = observer_.continueRequested() || continued;
        const RadioLook look = radio_.look();
        if (look.result == LookResult::PortFailed)
            return Wait::PortFailed;
        if (look.result == LookResult::Radio) {
            if (wanted(look.identity.serial, continued)) {
                found = look.identity;
                return Wait::Radio;
            }
            if (look.identity.serial != skippedSerial) {
                skippedSerial = look.identity.serial;
                observer_.skipped(skippedSerial);
            }
        }
        // Waits about a second, in short steps so that a stop or a continue is taken at once.
        const std::uint32_t pollStart = clock_.tickMs();
        while (clock_.tickMs() - pollStart < kPollIntervalMs) {
            if (observer_.stopRequested())
                return Wait::Stopped;
            if (observer_.continueRequested()) {
                continued = true;
                break;
            }
            clock_.sleepMs(50);
        }
        if (setup_.waitLimitMs && clock_.tickMs() - start >= *setup_.waitLimitMs)
            return Wait::TimedOut;
    }
}

LogRow FleetRun::programRadio(const RadioIdentity& radio) {
    const RadioValues values = valuesFor(setup_.plan, number_);
    LogRow row;
    row.time = setup_.timestamp();
    row.serial = radio.serial;
    row.firmware = radio.firmware;
    row.number = number_;
    row.label = values.label.value_or("");
    row.dtmfId = values.dtmfId.value_or("");
    row.crewLinkId = values.crewLinkId ? std::to_string(*values.crewLinkId) : "";
    RadioImage image = setup_.configuration;
    applyValues(image, setup_.plan, values);
    observer_.phase(FleetPhase::Checking, radio.serial);
    if (setup_.check)
        if (auto refusal = setup_.check(image)) {
            row.message = *refusal;
            return row;
        }
    observer_.phase(FleetPhase::Writing, radio.serial);
    const WriteReport report = radio_.writeAndVerify(image);
    // The radio answers its serial number again when the write begins: that is the radio
    // that was written, should the user have swapped radios in between.
    if (!report.serial.empty())
        row.serial = report.serial;
    row.ok = report.verified;
    row.message = report.message;
    return row;
}

} // namespace tsw::fleet
