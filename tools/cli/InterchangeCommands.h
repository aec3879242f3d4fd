#pragma once
// The commands that trade data files with other programs: export-csv, import-csv and diff.

#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"

namespace tsw::cli {

int runExportCsv(const CliArgs& args, CliEnvironment& env);
int runImportCsv(const CliArgs& args, CliEnvironment& env);
// 0 equal, 1 different, 2 a file could not be read.
int runDiff(const CliArgs& args, CliEnvironment& env);

} // namespace tsw::cli
