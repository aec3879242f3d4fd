// tsw62m-radiosim: a simulated HX-5520 (UHF) radio on a pseudo-terminal.

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/DataFile.h"
#include "tools/radiosim/PtyDriver.h"
#include "tools/radiosim/RadioSimulator.h"
#include "tools/radiosim/SimLog.h"
#include "tools/radiosim/SimOptions.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void onStopSignal(int) {
    gStop = 1;
}

void installSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: ppoll returns and the loop ends
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

int fail(const std::string& text, int code) {
    std::fprintf(stderr, "tsw62m-radiosim: %s\n", text.c_str());
    return code;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tsw::radiosim;
    const std::vector<std::string> args(argv + 1, argv + argc);
    SimOptions options;
    if (auto error = parseOptions(args, options); !error.empty())
        return fail(error + " (see --help)", 2);
    if (options.help) {
        std::fputs(helpText().c_str(), stdout);
        return 0;
    }
    if (auto error = loadImage(options); !error.empty())
        return fail(error, 1);
    SimLog log;
    if (!options.logPath.empty() && !log.open(options.logPath))
        return fail("cannot write the log " + options.logPath, 1);

    RadioSimulator sim(options.config);
    PtyDriver::SaveFn save;
    if (options.save) {
        save = [path = options.imagePath](const tsw::RadioImage& memory) {
            const auto written = tsw::datafile::writeDataFile(path, memory);
            return written ? std::string() : written.message;
        };
    }
    PtyDriver driver(sim, log, save);
    if (auto error = driver.open(); !error.empty())
        return fail(error, 1);

    installSignals();
    std::printf("%s\n", driver.slavePath().c_str());
    std::fflush(stdout);
    if (::isatty(STDERR_FILENO))
        std::fprintf(stderr, "tsw62m-radiosim: HX-5520 on %s at %d baud (Ctrl+C ends it)\n",
                     driver.slavePath().c_str(), options.config.baud);
    const bool watchInput = !options.untilKilled && ::fcntl(STDIN_FILENO, F_GETFD) >= 0;
    const int stopFd = watchInput ? STDIN_FILENO : -1;
    driver.run(stopFd, gStop);
    return 0;
}
