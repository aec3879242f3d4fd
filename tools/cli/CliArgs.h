#pragma once
// The command line of tsw62m-cli:
//   read --port PORT [--output FILE]     write --port PORT FILE [--yes]     info --port PORT
//   new --output FILE                    show FILE                          hexdump FILE
// and on every verb --retries N, --lang CODE, --help. "--name value" and "--name=value" both work.

#include <span>
#include <string>
#include <string_view>

namespace tsw::cli {

enum class Verb { None, Read, Write, Info, New, Show, Hexdump };

inline constexpr std::string_view kDefaultOutput = "tsw62m.dat";
inline constexpr int kMaxRetries = 1000;

struct CliArgs {
    Verb verb = Verb::None;
    std::string port;
    std::string output;
    std::string file;
    bool yes = false;
    bool help = false;
    int retries = 0;
    int languageCode = 2;
};

struct ParsedArgs {
    CliArgs args;
    std::string error; // a usage error when not empty
};

// The arguments after the program name.
ParsedArgs parseArgs(std::span<const std::string> args);

std::string_view verbName(Verb verb);

} // namespace tsw::cli
