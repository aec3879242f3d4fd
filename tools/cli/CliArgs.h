#pragma once
// The command line of tsw62m-cli:
//   read --port PORT [--output FILE]     info --port PORT
//   write --port PORT FILE [--yes] [--verify [--output READBACK]]
//   new --output FILE                    show FILE                          hexdump FILE
//   export-csv FILE [--output CSV]       import-csv CSV --into FILE [--output OUT]
//   diff FILE_A FILE_B                   diff FILE --port PORT              check FILE
//   fleet FILE --port PORT --count N --log LOG.csv [--first-number N] [--label TEXT]
//         [--label-line 1|2] [--dtmf-id FIRST] [--crewlink-id FIRST] [--wait SECONDS] [--yes]
// and on every verb --retries N, --lang CODE, --help; write also takes --force (write a
// configuration the check finds errors in). "--name value" and "--name=value" both work.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tsw::cli {

enum class Verb {
    None,
    Read,
    Write,
    Info,
    New,
    Show,
    Hexdump,
    ExportCsv,
    ImportCsv,
    Diff,
    Check,
    Fleet
};

inline constexpr std::string_view kDefaultOutput = "tsw62m.dat";
// --retries takes any whole number; more than this many retries are not made (a dead radio
// would keep a script waiting for minutes, each retry starting 2.5 s after the failure).
inline constexpr int kMaxRetries = 10;

struct CliArgs {
    Verb verb = Verb::None;
    std::string port;
    std::string output;
    std::string file;
    std::string secondFile; // diff: the image compared with `file` (or the radio on `port`)
    std::string into;       // import-csv: the data file the channels go into
    bool yes = false;
    bool verify = false; // write: read the radio back and compare
    bool force = false;  // write: also a configuration the check finds errors in
    bool help = false;
    int retries = 0;      // capped at kMaxRetries
    int retriesAsked = 0; // as given, for the notice when it was capped
    int languageCode = 2;
    // fleet: the radios, the log and the values each radio gets
    int count = 0;
    std::string log;
    int firstNumber = 1;
    std::optional<std::string> label;
    int labelLine = 2;
    std::optional<std::string> dtmfId;
    std::optional<int> crewLinkId;
    int waitSeconds = 120;
};

struct ParsedArgs {
    CliArgs args;
    std::string error; // a usage error when not empty
};

// The arguments after the program name.
ParsedArgs parseArgs(std::span<const std::string> args);

std::string_view verbName(Verb verb);

} // namespace tsw::cli
