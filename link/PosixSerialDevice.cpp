#include "link/PosixSerialDevice.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/kd.h>
#endif

namespace tsw {

namespace {

struct SpeedEntry {
    std::uint32_t baud;
    speed_t speed;
};

constexpr SpeedEntry kSpeeds[] = {
    {50, B50},         {75, B75},     {110, B110},   {134, B134},     {150, B150},
    {200, B200},       {300, B300},   {600, B600},   {1200, B1200},   {1800, B1800},
    {2400, B2400},     {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400},
#ifdef B57600
    {57600, B57600},
#endif
#ifdef B115200
    {115200, B115200},
#endif
#ifdef B230400
    {230400, B230400},
#endif
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B921600
    {921600, B921600},
#endif
};

bool speedFor(std::uint32_t baud, speed_t& out) {
    for (const auto& e : kSpeeds) {
        if (e.baud == baud) {
            out = e.speed;
            return true;
        }
    }
    return false;
}

tcflag_t sizeFlag(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

void setParity(termios& t, Parity parity) {
    t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD);
#ifdef CMSPAR
    t.c_cflag &= ~static_cast<tcflag_t>(CMSPAR);
#endif
    switch (parity) {
    case Parity::None:
        break;
    case Parity::Even:
        t.c_cflag |= PARENB;
        break;
    case Parity::Odd:
        t.c_cflag |= PARENB | PARODD;
        break;
#ifdef CMSPAR
    case Parity::Mark:
        t.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case Parity::Space:
        t.c_cflag |= PARENB | CMSPAR;
        break;
#else
    case Parity::Mark:
    case Parity::Space:
        break; // rejected by the caller
#endif
    }
}

using SteadyClock = std::chrono::steady_clock;

int msLeft(SteadyClock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

} // namespace

PosixSerialDevice::~PosixSerialDevice() {
    if (fd_ >= 0)
        close();
}

void PosixSerialDevice::recordOpenFailure(int err) {
    switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        lastOpenError_ = OpenError::NotFound;
        break;
    case EACCES:
    case EPERM:
        lastOpenError_ = OpenError::PermissionDenied;
        break;
    case EBUSY:
    case EWOULDBLOCK:
        lastOpenError_ = OpenError::Busy;
        break;
    default:
        lastOpenError_ = OpenError::Other;
        break;
    }
    lastErrorText_ = std::strerror(err);
}

bool PosixSerialDevice::open(const std::string& path) {
    if (fd_ >= 0)
        close();
    lastOpenError_ = OpenError::None;
    lastErrorText_.clear();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        recordOpenFailure(errno);
        return false;
    }
    // Exclusive use: an advisory lock for every process that honours it, and the terminal's
    // own exclusive mode against any further open.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        recordOpenFailure(errno == EWOULDBLOCK ? EBUSY : errno);
        ::close(fd);
        return false;
    }
    if (::isatty(fd))
        ::ioctl(fd, TIOCEXCL);
    fd_ = fd;
    return true;
}

bool PosixSerialDevice::close() {
    if (fd_ < 0)
        return false;
    // The exclusive mode belongs to the terminal, not to this descriptor: release it, or a
    // terminal that someone else keeps open stays locked for our own next open.
    if (::isatty(fd_))
        ::ioctl(fd_, TIOCNXCL);
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
}

bool PosixSerialDevice::setQueueSizes(std::uint16_t, std::uint16_t) {
    return fd_ >= 0;
}

bool PosixSerialDevice::applyLineSettings(const LineSettings& s) {
    if (fd_ < 0)
        return false;
    speed_t speed{};
    if (!speedFor(s.baud, speed))
        return false;
#ifndef CMSPAR
    if (s.parity == Parity::Mark || s.parity == Parity::Space)
        return false;
#endif
    termios t{};
    if (::tcgetattr(fd_, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB);
#ifdef CRTSCTS
    t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cflag |= sizeFlag(s.dataBits);
    if (s.stopBits != StopBits::One)
        t.c_cflag |= CSTOPB;
    setParity(t, s.parity);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0)
        return false;
    if (::tcsetattr(fd_, TCSANOW, &t) != 0)
        return false;
    // tcsetattr succeeds when any part was taken: check that the character format held.
    termios check{};
    if (::tcgetattr(fd_, &check) != 0)
        return false;
    const tcflag_t format = CSIZE | CSTOPB | PARENB | PARODD;
    if ((check.c_cflag & format) != (t.c_cflag & format) || ::cfgetospeed(&check) != speed)
        return false;
    return setModemLines();
}

bool PosixSerialDevice::setModemLines() {
    // A device without modem lines (a pseudo-terminal) answers ENOTTY or EINVAL: nothing to do.
    const auto acceptable = [](int rc) { return rc == 0 || errno == ENOTTY || errno == EINVAL; };
    int dtr = TIOCM_DTR;
    if (!acceptable(::ioctl(fd_, TIOCMBIS, &dtr)))
        return false;
    int rts = TIOCM_RTS;
    return acceptable(::ioctl(fd_, TIOCMBIC, &rts));
}

bool PosixSerialDevice::purgeReceive() {
    if (fd_ < 0)
        return false;
    return ::tcflush(fd_, TCIFLUSH) == 0;
}

int PosixSerialDevice::bytesWaiting() {
    if (fd_ < 0)
        return -1;
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) != 0)
        return -1;
    return n;
}

int PosixSerialDevice::read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) {
    if (fd_ < 0)
        return -1;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd_, buffer + got, count - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return got > 0 ? static_cast<int>(got) : -1;
        const int left = msLeft(deadline);
        if (left == 0)
            break;
        pollfd p{fd_, POLLIN, 0};
        const int rc = ::poll(&p, 1, left);
        if (rc < 0 && errno != EINTR)
            return got > 0 ? static_cast<int>(got) : -1;
        if (rc > 0 && (p.revents & (POLLERR | POLLNVAL)) != 0)
            return got > 0 ? static_cast<int>(got) : -1;
        if (rc > 0 && (p.revents & POLLHUP) != 0 && (p.revents & POLLIN) == 0)
            return got > 0 ? static_cast<int>(got) : -1;
    }
    return static_cast<int>(got);
}

bool PosixSerialDevice::write(const std::uint8_t* data, std::size_t count) {
    if (fd_ < 0)
        return false;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(2000);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        const int left = msLeft(deadline);
        if (left == 0)
            return false;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, left) < 0 && errno != EINTR)
            return false;
    }
    return true;
}

bool PosixSerialDevice::isSerialDevice() {
    if (fd_ < 0 || !::isatty(fd_))
        return false;
    termios t{};
    if (::tcgetattr(fd_, &t) != 0)
        return false;
#if defined(__linux__)
    // A virtual console is a terminal too, but no serial line.
    char kbType = 0;
    if (::ioctl(fd_, KDGKBTYPE, &kbType) == 0)
        return false;
#endif
    // It must accept serial line settings: the present ones with the programming speed.
    if (::cfsetospeed(&t, B9600) != 0 || ::cfsetispeed(&t, B9600) != 0)
        return false;
    termios before{};
    ::tcgetattr(fd_, &before);
    const bool ok = ::tcsetattr(fd_, TCSANOW, &t) == 0;
    ::tcsetattr(fd_, TCSANOW, &before);
    return ok;
}

} // namespace tsw
