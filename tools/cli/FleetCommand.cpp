#include "tools/cli/FleetCommand.h"

#include "app/TextTemplate.h"
#include "editors/feature/WriteRefusal.h"
#include "fields/ConfigurationCheck.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetTexts.h"
#include "fleet/LinkFleetRadio.h"
#include "tools/cli/CheckCommands.h"
#include "tools/cli/CliPrompt.h"
#include "tools/cli/CliTexts.h"

namespace tsw::cli {

namespace {

using namespace tsw::fleet;

constexpr std::string_view kProgram = "tsw62m-cli";

FleetPlan planFrom(const CliArgs& args) {
    FleetPlan plan;
    plan.firstNumber = args.firstNumber;
    plan.count = args.count;
    plan.labelPattern = args.label;
    plan.labelLine = args.labelLine;
    plan.firstDtmfId = args.dtmfId;
    plan.firstCrewLinkId = args.crewLinkId;
    return plan;
}

// The settings the radio refuses and Check Configuration's errors, for one radio's copy.
std::optional<std::string> checkCopy(const RadioImage& image, std::ostream* findingsOut) {
    if (const auto refusal = checkBeforeWriting(image))
        return refusalText(*refusal, text);
    const auto findings = fields::checkConfiguration(image, &label);
    if (fields::countFindings(findings, fields::Severity::Error) == 0)
        return std::nullopt;
    if (findingsOut)
        printFindings(*findingsOut, findings);
    return text(StrId::FleetCheckErrors);
}

// Every radio's copy is checked before the first is written: an error in any stops it all.
std::optional<std::string> checkEveryCopy(const FleetPlan& plan, const RadioImage& configuration,
                                          int first, int last, std::ostream& err) {
    for (int n = first; n <= last; ++n) {
        RadioImage copy = configuration;
        applyValues(copy, plan, valuesFor(plan, n));
        if (auto refusal = checkCopy(copy, &err))
            return refusal;
    }
    return std::nullopt;
}

class CliFleetObserver : public FleetObserver {
public:
    CliFleetObserver(std::ostream& out, std::ostream& err, CliPrompt& prompt)
        : out_(out), err_(err), prompt_(prompt) {}

    void phase(FleetPhase phase, const std::string&) override {
        if (phase == FleetPhase::Writing)
            prompt_.startOver();
    }
    void skipped(const std::string& serial) override {
        err_ << fillTemplate(text(StrId::FleetSkipped), {serial}) << "\n";
        err_.flush();
    }
    void radioDone(const LogRow& row, int done, int total) override {
        out_ << (row.ok ? done : done + 1) << "/" << total << " " << row.serial;
        if (!row.label.empty())
            out_ << " " << row.label;
        if (!row.dtmfId.empty())
            out_ << " dtmf " << row.dtmfId;
        if (!row.crewLinkId.empty())
            out_ << " crewlink " << row.crewLinkId;
        if (row.ok)
            out_ << " ok\n";
        else
            out_ << " failed: " << row.message << "\n";
        out_.flush();
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    CliPrompt& prompt_;
};

int refused(CliEnvironment& env, const std::string& message) {
    env.err << kProgram << ": " << message << "\n";
    return kRefused;
}

int reportEnd(CliEnvironment& env, const CliArgs& args, const FleetOutcome& outcome) {
    const std::string done = std::to_string(outcome.done);
    const std::string total = std::to_string(args.count);
    switch (outcome.end) {
    case FleetEnd::Completed:
        env.out << fillTemplate(text(StrId::FleetFinished), {done, total}) << "\n";
        return kSuccess;
    case FleetEnd::TimedOut:
        env.err << kProgram << ": "
                << fillTemplate(text(StrId::FleetTimedOut), {std::to_string(args.waitSeconds)})
                << "\n";
        break;
    case FleetEnd::PortFailed:
        env.err << kProgram << ": " << text(StrId::FleetPortFailed) << "\n";
        break;
    case FleetEnd::LogFailed:
        env.err << kProgram << ": " << fillTemplate(text(StrId::FleetLogAppendFailed), {args.log})
                << "\n";
        break;
    case FleetEnd::Stopped:
        break;
    }
    env.err << fillTemplate(text(StrId::FleetStopped), {done, total}) << "\n";
    return kFailure;
}

} // namespace

int runFleet(const CliArgs& args, CliEnvironment& env, const RadioImage& configuration,
             const std::function<void(SerialLink&)>& setUpLink) {
    const FleetPlan plan = planFrom(args);
    LogWriter log;
    const LogOpen opened = log.open(args.log);
    if (opened != LogOpen::Opened)
        return refused(env, logOpenText(opened, log.reading(), args.log, text));
    const ResumePoint from = resumePoint(plan, *log.reading().summary);
    if (const PlanCheck check = checkPlan(plan, from.nextNumber, lastNumber(plan, from)); !check)
        return refused(env, planProblemText(check, text));
    if (const auto refusal =
            checkEveryCopy(plan, configuration, from.nextNumber, lastNumber(plan, from), env.err))
        return refused(env, *refusal);
    if (const LogOpen started = log.start(); started != LogOpen::Opened)
        return refused(env, logOpenText(started, log.reading(), args.log, text));
    if (from.done > 0)
        env.err << fillTemplate(text(StrId::FleetResumed),
                                {std::to_string(from.done), std::to_string(from.nextNumber)})
                << "\n";

    SilentPrompt silent;
    SerialLink lookLink(env.device, env.clock, silent, globals());
    CliPrompt prompt(env.err, args.retries, args.yes);
    SerialLink writeLink(env.device, env.clock, prompt, globals());
    setUpLink(lookLink);
    setUpLink(writeLink);
    LinkFleetRadio radio(lookLink, writeLink);

    FleetSetup setup;
    setup.plan = plan;
    setup.configuration = configuration;
    setup.check = [](const RadioImage& image) { return checkCopy(image, nullptr); };
    setup.waitLimitMs = static_cast<std::uint32_t>(args.waitSeconds) * 1000u;
    CliFleetObserver observer(env.out, env.err, prompt);
    FleetRun run(
        setup, radio, env.clock, [&log](const LogRow& row) { return log.append(row); }, observer);
    return reportEnd(env, args, run.run(from));
}

} // namespace tsw::cli
