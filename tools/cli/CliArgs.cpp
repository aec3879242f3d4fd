#include "tools/cli/CliArgs.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tsw::cli {

namespace {

struct VerbEntry {
    std::string_view name;
    Verb verb;
};

constexpr std::array<VerbEntry, 11> kVerbs{{{"read", Verb::Read},
                                            {"write", Verb::Write},
                                            {"info", Verb::Info},
                                            {"new", Verb::New},
                                            {"show", Verb::Show},
                                            {"hexdump", Verb::Hexdump},
                                            {"export-csv", Verb::ExportCsv},
                                            {"import-csv", Verb::ImportCsv},
                                            {"diff", Verb::Diff},
                                            {"check", Verb::Check},
                                            {"fleet", Verb::Fleet}}};

// The largest number of six digits, the most parseNumber reads.
constexpr int kMaxDigitsNumber = 999'999;

std::optional<int> parseNumber(std::string_view text, int min, int max) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

// Which options and how many files each verb takes.
struct VerbRules {
    bool port = false;
    bool output = false;
    bool yes = false;
    bool verify = false;
    bool file = false;
    bool needsOutput = false;
    bool into = false;       // --into FILE, required
    bool secondFile = false; // a second file name, required (diff: unless --port is given)
    bool force = false;
    bool fleet = false; // --count, --log and the per-radio values
};

VerbRules rulesFor(Verb v) {
    switch (v) {
    case Verb::Read:
        return {.port = true, .output = true};
    case Verb::Write:
        return {
            .port = true, .output = true, .yes = true, .verify = true, .file = true, .force = true};
    case Verb::Info:
        return {.port = true};
    case Verb::New:
        return {.output = true, .needsOutput = true};
    case Verb::Show:
    case Verb::Hexdump:
        return {.file = true};
    case Verb::ExportCsv:
        return {.output = true, .file = true};
    case Verb::ImportCsv:
        return {.output = true, .file = true, .into = true};
    case Verb::Diff: // with --port the radio stands in for the second file
        return {.port = true, .file = true, .secondFile = true};
    case Verb::Check:
        return {.file = true};
    case Verb::Fleet:
        return {.port = true, .yes = true, .file = true, .fleet = true};
    case Verb::None:
        break;
    }
    return {};
}

// Which fleet options were given.
struct FleetGiven {
    bool any = false;
    bool count = false;
    bool log = false;
};

std::string checkFleet(const CliArgs& a, const FleetGiven& given) {
    if (!given.count)
        return "fleet needs --count N";
    if (!given.log)
        return "fleet needs --log LOG.csv";
    if (!a.label && !a.dtmfId && !a.crewLinkId)
        return "fleet needs at least one of --label, --dtmf-id and --crewlink-id";
    return {};
}

// Checks that the options given fit the verb; an error text or empty.
std::string checkForVerb(const CliArgs& a, bool portGiven, bool outputGiven,
                         const FleetGiven& fleet) {
    const VerbRules r = rulesFor(a.verb);
    const std::string verb(verbName(a.verb));
    if (fleet.any && !r.fleet)
        return "--count, --log, --first-number, --label, --label-line, --dtmf-id, --crewlink-id "
               "and --wait apply to fleet only";
    if (portGiven && !r.port)
        return "--port does not apply to " + verb;
    if (outputGiven && !r.output)
        return "--output does not apply to " + verb;
    if (a.yes && !r.yes)
        return "--yes does not apply to " + verb;
    if (a.verify && !r.verify)
        return "--verify does not apply to " + verb;
    if (a.verb == Verb::Write && outputGiven && !a.verify)
        return "--output applies to write only with --verify";
    if (a.force && !r.force)
        return "--force does not apply to " + verb;
    if (!a.file.empty() && !r.file)
        return verb + " takes no file name";
    if (!a.into.empty() && !r.into)
        return "--into does not apply to " + verb;
    if (!a.secondFile.empty() && !r.secondFile)
        return "too many file names";
    if (a.help)
        return {};
    const bool diffWithRadio = a.verb == Verb::Diff && portGiven;
    if (diffWithRadio && !a.secondFile.empty())
        return "diff takes one file name with --port";
    if (r.port && a.port.empty() && a.verb != Verb::Diff)
        return verb + " needs --port PORT";
    if (r.needsOutput && a.output.empty())
        return verb + " needs --output FILE";
    if (r.file && a.file.empty())
        return verb + " needs a file name";
    if (r.into && a.into.empty())
        return verb + " needs --into FILE";
    if (r.secondFile && a.secondFile.empty() && !diffWithRadio)
        return verb + " needs two file names, or a file name and --port PORT";
    if (r.fleet)
        return checkFleet(a, fleet);
    return {};
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A fleet option and its value: nothing when `arg` is none of them, else an error text (empty
// when the value is good).
template <typename Value>
std::optional<std::string> parseFleetOption(const std::string& arg, Value value, CliArgs& a,
                                            FleetGiven& given) {
    static constexpr std::array<std::string_view, 8> kOptions = {
        "--count",      "--log",     "--first-number", "--label",
        "--label-line", "--dtmf-id", "--crewlink-id",  "--wait"};
    if (std::find(kOptions.begin(), kOptions.end(), arg) == kOptions.end())
        return std::nullopt;
    given.any = true;
    const std::optional<std::string> v = value();
    if (!v)
        return arg + " needs a value";
    const auto number = [&](int min, int max, int& out) -> std::string {
        const auto n = parseNumber(*v, min, max);
        if (!n)
            return arg + " needs a whole number from " + std::to_string(min) + " to " +
                   std::to_string(max);
        out = *n;
        return {};
    };
    if (arg == "--count") {
        given.count = true;
        return number(1, 9999, a.count);
    }
    if (arg == "--first-number")
        return number(0, kMaxDigitsNumber, a.firstNumber);
    if (arg == "--label-line")
        return number(1, 2, a.labelLine);
    if (arg == "--wait")
        return number(1, 86'400, a.waitSeconds);
    if (arg == "--crewlink-id") {
        int id = 0;
        std::string error = number(0, kMaxDigitsNumber, id);
        a.crewLinkId = id;
        return error;
    }
    if (arg == "--dtmf-id") {
        a.dtmfId = *v;
        return allDigits(*v) ? std::string() : arg + " needs digits";
    }
    if (arg == "--label") {
        a.label = *v;
        return std::string();
    }
    given.log = true;
    a.log = *v;
    return v->empty() ? arg + " needs a value" : std::string();
}

} // namespace

std::string_view verbName(Verb verb) {
    for (const auto& e : kVerbs)
        if (e.verb == verb)
            return e.name;
    return {};
}

ParsedArgs parseArgs(std::span<const std::string> args) {
    ParsedArgs result;
    CliArgs& a = result.args;
    bool portGiven = false;
    bool outputGiven = false;
    FleetGiven fleetGiven;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const auto fail = [&](std::string text) {
            result.error = std::move(text);
            return result;
        };
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (arg == "--yes") {
            a.yes = true;
        } else if (arg == "--verify") {
            a.verify = true;
        } else if (arg == "--force") {
            a.force = true;
        } else if (arg == "--port" || arg == "--output") {
            const auto v = value();
            if (!v || v->empty())
                return fail(arg + " needs a value");
            (arg == "--port" ? a.port : a.output) = *v;
            (arg == "--port" ? portGiven : outputGiven) = true;
        } else if (arg == "--into") {
            const auto v = value();
            if (!v || v->empty())
                return fail(arg + " needs a value");
            a.into = *v;
        } else if (const auto fleetError = parseFleetOption(arg, value, a, fleetGiven)) {
            if (!fleetError->empty())
                return fail(*fleetError);
        } else if (arg == "--retries") {
            const auto v = value();
            const auto n = v ? parseNumber(*v, 0, kMaxDigitsNumber) : std::nullopt;
            if (!n)
                return fail("--retries needs a whole number (at most " +
                            std::to_string(kMaxRetries) + " retries are made)");
            a.retriesAsked = *n;
            a.retries = std::min(*n, kMaxRetries);
        } else if (arg == "--lang") {
            const auto v = value();
            const auto n = v ? parseNumber(*v, 1, 6) : std::nullopt;
            if (!n)
                return fail("--lang needs a language code from 1 to 6");
            a.languageCode = *n;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
        } else if (a.verb == Verb::None) {
            for (const auto& e : kVerbs)
                if (e.name == arg)
                    a.verb = e.verb;
            if (a.verb == Verb::None)
                return fail("unknown command " + arg);
        } else if (a.file.empty()) {
            a.file = arg;
        } else if (a.secondFile.empty()) {
            a.secondFile = arg;
        } else {
            return fail("too many file names");
        }
    }
    if (a.verb == Verb::None) {
        if (!a.help)
            result.error = "no command given";
        return result;
    }
    if (a.verb == Verb::Read && !outputGiven)
        a.output = std::string(kDefaultOutput);
    result.error = checkForVerb(a, portGiven, outputGiven, fleetGiven);
    return result;
}

} // namespace tsw::cli
