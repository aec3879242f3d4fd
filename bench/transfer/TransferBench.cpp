// Reads and writes the simulated radio with tsw62m-cli and prints, per case, the measured time
// divided by the protocol's lower bound: every byte on the wire in both directions at 11 bit
// times (8N2), plus the waits the protocol itself prescribes (the failed baud-search attempts
// before the radio's rate, 50 ms before the identity, 250 ms after a read). A write with its
// check (write --verify) is measured against the sum of the write's and the read's bounds.
//
//   build/bench/bench_transfer [runs at 9600 baud, default 3]

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/DataFile.h"
#include "app/DefaultImage.h"
#include "tests/support/RadioSim.h"
#include "tests/support/Subprocess.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace tsw;
using namespace tsw::test;

// The search order of the handshake and the wait after each failed attempt.
constexpr std::array<int, 5> kSearchBauds = {9600, 19200, 4800, 2400, 1200};
constexpr std::array<double, 5> kSearchWaitMs = {500, 100, 100, 100, 100};
constexpr double kBitsPerByte = 11;
constexpr double kIdentityPauseMs = 50;
constexpr double kReadPauseMs = 250;

struct Bound {
    double wireMs = 0;
    double waitMs = 0;
    double totalSeconds() const { return (wireMs + waitMs) / 1000.0; }
};

double wireMs(double bytes, int baud) {
    return bytes * kBitsPerByte * 1000.0 / baud;
}

Bound lowerBound(bool read, int baud) {
    Bound b;
    std::size_t k = 0;
    while (kSearchBauds[k] != baud)
        ++k;
    for (std::size_t j = 0; j < k; ++j) {
        b.wireMs += wireMs(7, kSearchBauds[j]); // "PROGRAM" at a rate the radio ignores
        b.waitMs += kSearchWaitMs[j];
    }
    double bytes = 7 + (k == 0 ? 1 : 2);      // "PROGRAM", then ACK (or SYN, ACK)
    bytes += 1 + 8 + 1 + 1;                   // identity, our ACK, the radio's ACK
    bytes += 3 + 34 + 1 + 1;                  // information block (the serial number)
    bytes += read ? 16 * (4 + 68 + 1 + 1)     // read frames, replies, ACKs both ways
                  : 48 * (20 + 1) + (12 + 1); // write frames and their ACKs
    bytes += 1 + 1;                           // end command and its ACK
    b.wireMs += wireMs(bytes, baud);
    b.waitMs += kIdentityPauseMs + (read ? kReadPauseMs : 0);
    return b;
}

enum class Kind { Read, Write, WriteAndVerify };

struct Case {
    Kind kind;
    int baud;
    int runs;
    double target; // 0: none
};

Bound boundOf(Kind kind, int baud) {
    if (kind != Kind::WriteAndVerify)
        return lowerBound(kind == Kind::Read, baud);
    const Bound w = lowerBound(false, baud);
    const Bound r = lowerBound(true, baud);
    return {w.wireMs + r.wireMs, w.waitMs + r.waitMs};
}

const char* nameOf(Kind kind) {
    switch (kind) {
    case Kind::Read:
        return "read";
    case Kind::Write:
        return "write";
    case Kind::WriteAndVerify:
        return "write+verify";
    }
    return "";
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool runCase(const Case& c, const std::string& writeFile) {
    std::vector<double> seconds;
    TempDir dir;
    RadioSim sim({"--baud", std::to_string(c.baud)});
    for (int i = 0; i < c.runs; ++i) {
        std::vector<std::string> args;
        if (c.kind == Kind::Read)
            args = {"read", "--port", sim.port(), "--output", dir.file("read.dat").string()};
        else
            args = {"write", "--port", sim.port(), writeFile};
        if (c.kind == Kind::WriteAndVerify)
            args.push_back("--verify");
        const ProcessResult r = runProcess(cliExecutable(), args);
        if (r.exitCode != 0) {
            std::fprintf(stderr, "tsw62m-cli failed (%d): %s\n", r.exitCode, r.err.c_str());
            return false;
        }
        seconds.push_back(r.seconds);
    }
    const Bound b = boundOf(c.kind, c.baud);
    const double best = *std::min_element(seconds.begin(), seconds.end());
    const double ratio = median(seconds) / b.totalSeconds();
    char target[32] = "-";
    if (c.target > 0)
        std::snprintf(target, sizeof target, "<= %.2f%s", c.target,
                      ratio > c.target ? " MISSED" : "");
    std::printf("%-12s %6d %5d %10.3f %10.3f %9.3f %8.3f %8.3f  %s\n", nameOf(c.kind), c.baud,
                c.runs, median(seconds), b.totalSeconds(), b.wireMs / 1000.0, ratio,
                best / b.totalSeconds(), target);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    TempDir dir;
    RadioImage image;
    ModelIdentity id{};
    parseIdentityText(kDefaultIdentityText, id);
    buildDefaultImage(image, id);
    const std::string writeFile = dir.file("write.dat").string();
    if (!datafile::writeDataFile(writeFile, image)) {
        std::fprintf(stderr, "cannot write %s\n", writeFile.c_str());
        return 1;
    }
    std::printf("tsw62m-cli against tsw62m-radiosim: median time / lower bound\n");
    std::printf("%-12s %6s %5s %10s %10s %9s %8s %8s  %s\n", "case", "baud", "runs", "median s",
                "bound s", "wire s", "ratio", "best", "target");
    const Case cases[] = {{Kind::Read, 9600, runs, 1.10},
                          {Kind::Write, 9600, runs, 1.15},
                          {Kind::WriteAndVerify, 9600, runs, 1.10},
                          {Kind::Read, 2400, 1, 0},
                          {Kind::Write, 2400, 1, 0}};
    bool ok = true;
    for (const Case& c : cases)
        ok = runCase(c, writeFile) && ok;
    return ok ? 0 : 1;
}
