#pragma once
// Runs a program to its end for a test or a benchmark: its output, its exit code and how long
// it took from start to end.

#include <chrono>
#include <string>
#include <sys/types.h>
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

// Starts `executable` with `args`; its standard input, output and error are the given
// descriptors (-1: this process's own). Returns its pid, or -1 when it could not start.
pid_t spawnProcess(const std::string& executable, const std::vector<std::string>& args, int in,
                   int out, int err);

// A program of the build's program directory ($TSW_BIN_DIR overrides it).
std::string binExecutable(const std::string& name);
inline std::string cliExecutable() {
    return binExecutable("tsw62m-cli");
}

} // namespace tsw::test
