#pragma once
// Runs a program to its end for a test or a benchmark: its output, its exit code and how long
// it took from start to end.

#include <chrono>
#include <string>
#include <vector>

namespace tsw::test {

struct ProcessResult {
    int exitCode = -1; // -1: it did not end normally (killed at the time-out, or a signal)
    std::string out;
    std::string err;
    double seconds = 0;
};

ProcessResult runProcess(const std::string& executable, const std::vector<std::string>& args,
                         std::chrono::milliseconds timeout = std::chrono::seconds(120));

// The command-line tool in the build's program directory ($TSW_BIN_DIR overrides).
std::string cliExecutable();

} // namespace tsw::test
