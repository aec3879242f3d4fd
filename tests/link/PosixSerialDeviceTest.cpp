// The termios device against a real pseudo-terminal.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "link/PosixSerialDevice.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

namespace {

struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            return;
        termios t{};
        ::tcgetattr(master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
        slave = ::ptsname(master);
    }
    ~Pty() {
        if (master >= 0)
            ::close(master);
    }
    std::vector<std::uint8_t> drain() {
        std::vector<std::uint8_t> out(256);
        ::usleep(20000);
        const ssize_t n = ::read(master, out.data(), out.size());
        out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return out;
    }
    int master = -1;
    std::string slave;
};

using Ms = std::chrono::milliseconds;

long elapsedMs(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(PosixSerialDevice, WorksOnAPseudoTerminal) {
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    PosixSerialDevice dev;
    ASSERT_TRUE(dev.open(pty.slave));
    EXPECT_TRUE(dev.isSerialDevice());
    // No modem lines on a pty: the DTR/RTS request counts as done.
    ASSERT_TRUE(dev.applyLineSettings(LineSettings{2400, Parity::None, 8, StopBits::Two}));
    termios seen{};
    ASSERT_EQ(::tcgetattr(pty.master, &seen), 0);
    EXPECT_EQ(::cfgetospeed(&seen), static_cast<speed_t>(B2400));
    EXPECT_NE(seen.c_cflag & CSTOPB, 0u);

    const std::uint8_t out[] = {'P', 'R', 'O'};
    ASSERT_TRUE(dev.write(out, sizeof out));
    EXPECT_EQ(pty.drain(), (std::vector<std::uint8_t>{'P', 'R', 'O'}));

    ASSERT_EQ(::write(pty.master, "\x06\x16", 2), 2);
    ::usleep(20000);
    EXPECT_EQ(dev.bytesWaiting(), 2);
    std::uint8_t in[4] = {};
    EXPECT_EQ(dev.read(in, 1, 100), 1);
    EXPECT_EQ(in[0], 0x06);
    // Asking for more than comes: the read ends at its total time-out with what arrived.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dev.read(in, 3, 150), 1);
    EXPECT_GE(elapsedMs(start), 140);
    EXPECT_LT(elapsedMs(start), 1000);

    ASSERT_EQ(::write(pty.master, "junk", 4), 4);
    ::usleep(20000);
    EXPECT_TRUE(dev.purgeReceive());
    EXPECT_EQ(dev.bytesWaiting(), 0);
    EXPECT_TRUE(dev.close());
    EXPECT_EQ(dev.bytesWaiting(), -1);
}

TEST(PosixSerialDevice, OpensExclusivelyAndCanBeOpenedAgainAfterClosing) {
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    PosixSerialDevice first, second;
    ASSERT_TRUE(first.open(pty.slave));
    EXPECT_FALSE(second.open(pty.slave));
    EXPECT_EQ(second.lastOpenError(), OpenError::Busy);
    EXPECT_TRUE(first.close());
    // The exclusive mode went with the close, though the master keeps the terminal alive.
    EXPECT_TRUE(second.open(pty.slave));
    EXPECT_TRUE(second.close());
}

TEST(PosixSerialDevice, RefusesWhatIsNoSerialLine) {
    PosixSerialDevice dev;
    EXPECT_FALSE(dev.open("/dev/no-such-port"));
    EXPECT_EQ(dev.lastOpenError(), OpenError::NotFound);
    EXPECT_FALSE(dev.lastErrorText().empty());

    ASSERT_TRUE(dev.open("/dev/null"));
    EXPECT_FALSE(dev.isSerialDevice());
    EXPECT_FALSE(dev.applyLineSettings(LineSettings{}));
    dev.close();

    tsw::test::TempDir dir;
    tsw::test::writeText(dir.file("plain"), "x");
    ASSERT_TRUE(dev.open(dir.file("plain").string()));
    EXPECT_FALSE(dev.isSerialDevice());
    dev.close();

    if (::geteuid() != 0) {
        tsw::test::writeText(dir.file("locked"), "x");
        ::chmod(dir.file("locked").c_str(), 0);
        EXPECT_FALSE(dev.open(dir.file("locked").string()));
        EXPECT_EQ(dev.lastOpenError(), OpenError::PermissionDenied);
    }
}

TEST(PosixSerialDevice, LineSettingsThatCannotBeTakenFail) {
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    PosixSerialDevice dev;
    ASSERT_TRUE(dev.open(pty.slave));
    EXPECT_FALSE(dev.applyLineSettings(LineSettings{12345, Parity::None, 8, StopBits::Two}));
    // A pseudo-terminal keeps 8 bits without parity: other formats must not pass as taken.
    EXPECT_FALSE(dev.applyLineSettings(LineSettings{9600, Parity::Even, 7, StopBits::One}));
    EXPECT_TRUE(dev.applyLineSettings(LineSettings{}));
}
