#include "tools/radiosim/PtyDriver.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace tsw::radiosim {

namespace {

struct SpeedEntry {
    speed_t code;
    int baud;
};

constexpr SpeedEntry kSpeeds[] = {
    {B50, 50},       {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
    {B200, 200},     {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
    {B2400, 2400},   {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600},
};

constexpr SimTime kIdleWake = std::chrono::milliseconds(50);

} // namespace

std::optional<LineSettings> lineFromTermios(unsigned speedCode, unsigned controlFlags) {
    const auto entry = std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                                    [&](const SpeedEntry& e) { return e.code == speedCode; });
    if (entry == std::end(kSpeeds))
        return std::nullopt;
    int dataBits = 8;
    switch (controlFlags & CSIZE) {
    case CS5:
        dataBits = 5;
        break;
    case CS6:
        dataBits = 6;
        break;
    case CS7:
        dataBits = 7;
        break;
    default:
        break;
    }
    const int parity = (controlFlags & PARENB) ? 1 : 0;
    const int stop = (controlFlags & CSTOPB) ? 2 : 1;
    return LineSettings{entry->baud, 1 + dataBits + parity + stop};
}

PtyDriver::PtyDriver(RadioSimulator& sim, SimLog& log, SaveFn save)
    : sim_(sim), log_(log), save_(std::move(save)), start_(std::chrono::steady_clock::now()) {}

PtyDriver::~PtyDriver() {
    if (ownSlave_ >= 0)
        ::close(ownSlave_);
    if (master_ >= 0)
        ::close(master_);
}

std::string PtyDriver::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return "cannot create a pseudo-terminal";
    const char* name = ::ptsname(master_);
    if (!name)
        return "cannot name the pseudo-terminal";
    slavePath_ = name;
    // Raw before anyone opens the slave: no echo, no line editing. 9600 8N2 to begin with.
    termios tio{};
    if (::tcgetattr(master_, &tio) != 0)
        return "cannot read the pseudo-terminal's settings";
    ::cfmakeraw(&tio);
    tio.c_cflag |= CSTOPB | CLOCAL | CREAD;
    ::cfsetspeed(&tio, B9600);
    if (::tcsetattr(master_, TCSANOW, &tio) != 0)
        return "cannot set the pseudo-terminal's settings";
    ownSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ownSlave_ < 0)
        return "cannot open " + slavePath_;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    return {};
}

SimTime PtyDriver::now() const {
    return std::chrono::duration_cast<SimTime>(std::chrono::steady_clock::now() - start_);
}

LineSettings PtyDriver::currentLine() {
    termios tio{};
    std::optional<LineSettings> line;
    if (::tcgetattr(master_, &tio) == 0)
        line = lineFromTermios(::cfgetospeed(&tio), tio.c_cflag);
    // A rate the table does not know is no rate the radio runs at.
    const LineSettings current = line.value_or(LineSettings{0, 11});
    if (current != lastLine_) {
        log_.note(now(), "line: " + std::to_string(current.baud) + " baud, " +
                             std::to_string(current.bitsPerByte) + " bits a byte");
        log_.setBurstGap(byteTime(current) * 5 / 2);
        lastLine_ = current;
    }
    return current;
}

void PtyDriver::run(int stopFd, const volatile std::sig_atomic_t& stop) {
    while (!stop) {
        const SimTime t = now();
        const LineSettings line = currentLine();
        sim_.advance(t);
        flushNotes(t);
        sendDue(t, line);
        const auto next = sim_.nextReplyTime();
        if (unsent_.empty() && (!next || *next - t > byteTime(line) * 5 / 2))
            log_.endBurst();

        pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const nfds_t count = stopFd >= 0 ? 2 : 1;
        const long long waitNs = pollTimeoutNs(now());
        const timespec timeout{static_cast<time_t>(waitNs / 1'000'000'000),
                               static_cast<long>(waitNs % 1'000'000'000)};
        if (::ppoll(fds, count, &timeout, nullptr) < 0)
            continue; // a signal: the loop looks at `stop`
        if (fds[0].revents & POLLIN)
            receiveFromLine();
        if (count == 2 && fds[1].revents && stopInputEnded(stopFd))
            break;
    }
    flushNotes(std::nullopt);
    log_.endBurst();
}

void PtyDriver::receiveFromLine() {
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const SimTime t = now();
    const LineSettings line = currentLine();
    const std::span<const std::uint8_t> bytes(buffer, static_cast<std::size_t>(n));
    flushNotes(t);
    log_.bytes(t, kLogIn, bytes);
    sim_.receive(bytes, t, line);
    flushNotes(t);
}

void PtyDriver::sendDue(SimTime t, const LineSettings& line) {
    const auto due = sim_.takeReplies(t);
    if (!due.empty() && !sim_.lineMatches(line)) {
        // The program's side listens at another rate: what the radio sends is lost.
        log_.note(t, std::to_string(due.size()) + " reply bytes lost: the line runs at " +
                         std::to_string(line.baud) + " baud");
    } else {
        // Logged at their wire times, so that a reply is one line however late this turn is.
        for (const OutByte& b : due) {
            log_.bytes(b.at, kLogOut, std::span(&b.value, 1));
            unsent_.push_back(b.value);
        }
    }
    writePending();
}

void PtyDriver::writePending() {
    if (unsent_.empty())
        return;
    const ssize_t n = ::write(master_, unsent_.data(), unsent_.size());
    if (n <= 0)
        return; // the terminal's queue is full: try again on the next turn
    unsent_.erase(unsent_.begin(), unsent_.begin() + n);
}

void PtyDriver::flushNotes(std::optional<SimTime> upTo) {
    for (SimNote& n : sim_.takeNotes())
        notes_.push_back(std::move(n));
    while (!notes_.empty() && (!upTo || notes_.front().at <= *upTo)) {
        log_.note(notes_.front().at, notes_.front().text);
        notes_.pop_front();
    }
    if (sim_.takeMemoryChanged() && save_) {
        if (auto error = save_(sim_.memory()); !error.empty())
            log_.note(now(), "saving failed: " + error);
    }
}

std::int64_t PtyDriver::pollTimeoutNs(SimTime t) const {
    SimTime next = t + kIdleWake;
    if (const auto d = sim_.nextDeadline())
        next = std::min(next, *d);
    if (const auto r = sim_.nextReplyTime())
        next = std::min(next, *r);
    if (!unsent_.empty())
        next = std::min(next, t + std::chrono::milliseconds(1));
    if (!notes_.empty())
        next = std::min(next, notes_.front().at);
    return std::max<std::int64_t>(0, (next - t).count());
}

bool PtyDriver::stopInputEnded(int stopFd) {
    char buffer[256];
    const ssize_t n = ::read(stopFd, buffer, sizeof buffer);
    return n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN);
}

} // namespace tsw::radiosim
