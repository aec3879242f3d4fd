#pragma once
// check FILE, and the parts that diff and write share with it: a data file read for a report,
// the findings of Check Configuration as lines, the differences of two images as a table.
//
//   error: Channel 3 / RX Frequency [MHz]: The bytes 2A 31 60 44 are no frequency ...
//   warning: Channel 9 / TX Frequency [MHz]: The channel transmits on ...

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "app/RadioImage.h"
#include "fields/ConfigurationCheck.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"

namespace tsw::cli {

// Exit statuses of check and diff.
inline constexpr int kReportClean = 0;   // check: no error; diff: equal
inline constexpr int kReportFound = 1;   // check: an error; diff: different
inline constexpr int kReportTrouble = 2; // a file (or for diff the radio) could not be read

// A data file's image; nullopt (the reason on standard error) when it cannot be read.
std::optional<RadioImage> readImageForReport(CliEnvironment& env, const std::string& path);

// One line per finding: "error: <field>: <message>" or "warning: ...".
void printFindings(std::ostream& out, std::span<const fields::Finding> findings);

// The differences of `a` and `b` as diff prints them, columns headed `nameA` and `nameB`;
// kReportClean when they are equal, kReportFound when they differ.
int printDifferences(CliEnvironment& env, const RadioImage& a, const std::string& nameA,
                     const RadioImage& b, const std::string& nameB);

// check FILE: kReportClean without errors (warnings allowed), kReportFound with at least one,
// kReportTrouble when the file cannot be read.
int runCheck(const CliArgs& args, CliEnvironment& env);

} // namespace tsw::cli
