#pragma once
// Puts the RadioSimulator on a pseudo-terminal: the program opens the slave side as its
// serial port; the simulator reads and writes the master side. The driver reads the line
// settings the program gave the slave from the master (tcgetattr), hands received bytes to
// the simulator with their arrival time, and writes the simulator's replies when they are
// due.

#include <csignal>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/radiosim/RadioSimulator.h"
#include "tools/radiosim/SimLog.h"

namespace tsw::radiosim {

// The line as a terminal's settings give it; none for a rate this table does not know.
std::optional<LineSettings> lineFromTermios(unsigned speedCode, unsigned controlFlags);

class PtyDriver {
public:
    using SaveFn = std::function<std::string(const RadioImage&)>; // error text or empty

    PtyDriver(RadioSimulator& sim, SimLog& log, SaveFn save);
    ~PtyDriver();
    PtyDriver(const PtyDriver&) = delete;
    PtyDriver& operator=(const PtyDriver&) = delete;

    // Creates the pseudo-terminal in raw mode. Returns an error text, empty on success.
    std::string open();
    const std::string& slavePath() const { return slavePath_; }

    // Serves until `stopFd` (if not -1) reaches its end or `stop` becomes non-zero.
    void run(int stopFd, const volatile std::sig_atomic_t& stop);

private:
    SimTime now() const;
    LineSettings currentLine();
    void receiveFromLine();
    void sendDue(SimTime now, const LineSettings& line);
    void writePending();
    void flushNotes(std::optional<SimTime> upTo);
    std::int64_t pollTimeoutNs(SimTime now) const;
    bool stopInputEnded(int stopFd);

    RadioSimulator& sim_;
    SimLog& log_;
    SaveFn save_;
    int master_ = -1;
    int ownSlave_ = -1; // kept open so that the program may close and reopen the port
    std::string slavePath_;
    std::chrono::steady_clock::time_point start_;
    std::optional<LineSettings> lastLine_;
    std::vector<std::uint8_t> unsent_;
    std::deque<SimNote> notes_; // logged once their time has come, in step with the bytes
};

} // namespace tsw::radiosim
