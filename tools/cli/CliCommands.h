#pragma once
// Runs one tsw62m-cli command line. Everything the outside world provides (streams, the serial
// device, the clock, the program directory, the port mapping) comes in the environment, so the
// tests can drive the tool against a fake radio on virtual time.

#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "link/Clock.h"
#include "link/PortNames.h"
#include "link/SerialDevice.h"

namespace tsw::cli {

enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsageError = 2, kRefused = 3 };

struct CliEnvironment {
    std::ostream& out;
    std::ostream& err;
    SerialDevice& device;
    Clock& clock;
    std::string programDirectory; // where the language files are
    PortMapping portMapping;      // the settings' "Ports" section
    std::function<std::vector<std::string>()> listDevices = [] { return listSerialDevices(); };
};

// The arguments after the program name; the exit code.
int runCli(std::span<const std::string> args, CliEnvironment& env);

} // namespace tsw::cli
