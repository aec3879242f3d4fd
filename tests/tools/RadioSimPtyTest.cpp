// The simulator executable on a real pseudo-terminal, driven like a serial port: 9600 8N2,
// the "PROGRAM" handshake, a read frame, a saved write frame and the log.

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <termios.h>
#include <unistd.h>

#include "app/ImageLayout.h"
#include "tests/support/RadioSim.h"
#include "tools/radiosim/SimConfig.h"

namespace tsw::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The slave side opened as the program opens its port.
class SerialClient {
public:
    explicit SerialClient(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd_ < 0)
            throw std::runtime_error("cannot open " + path);
        setSpeed(B9600);
    }
    ~SerialClient() { ::close(fd_); }

    void setSpeed(speed_t speed) {
        termios tio{};
        ::tcgetattr(fd_, &tio);
        ::cfmakeraw(&tio);
        tio.c_cflag |= CSTOPB | CLOCAL | CREAD;
        ::cfsetspeed(&tio, speed);
        ::tcsetattr(fd_, TCSANOW, &tio);
    }
    void send(const Bytes& bytes) {
        ::tcflush(fd_, TCIFLUSH);
        ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    Bytes receive(std::size_t n, std::chrono::milliseconds timeout = 1000ms) {
        Bytes got;
        const auto deadline = Clock::now() + timeout;
        while (got.size() < n) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd p{fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                break;
            std::uint8_t buffer[256];
            const ssize_t r = ::read(fd_, buffer, std::min(sizeof buffer, n - got.size()));
            if (r <= 0)
                break;
            got.insert(got.end(), buffer, buffer + r);
        }
        return got;
    }

private:
    int fd_ = -1;
};

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(RadioSimPty, HandshakeAndOneReadFrameAt9600EightN2) {
    TempDir dir;
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7));
    RadioSim radio = RadioSim::withImage(dir, image, {"--log", dir.file("sim.log").string()});
    SerialClient port(radio.port());

    // Another baud rate is noise: no answer.
    port.setSpeed(B19200);
    port.send({'P', 'R', 'O', 'G', 'R', 'A', 'M'});
    EXPECT_TRUE(port.receive(1, 150ms).empty());

    port.setSpeed(B9600);
    port.send({'P', 'R', 'O', 'G', 'R', 'A', 'M'});
    EXPECT_EQ(port.receive(1), Bytes{0x06});

    const auto start = Clock::now();
    port.send({0x52, 0x01, 0x40, 0x40});
    const Bytes reply = port.receive(68);
    const auto took = Clock::now() - start;
    ASSERT_EQ(reply.size(), 68u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 4), (Bytes{0x57, 0x01, 0x40, 0x40}));
    for (std::size_t i = 0; i < 64; ++i)
        EXPECT_EQ(reply[4 + i], image.byte(0x140 + i)) << i;
    // 72 bytes on the wire at 11 bits a byte and 9600 baud take 82.5 ms.
    EXPECT_GE(took, 80ms);
    EXPECT_TRUE(port.receive(1, 30ms).empty()) << "nothing more than 68 bytes";
    port.send({0x06});
    EXPECT_EQ(port.receive(1), Bytes{0x06});

    radio.stop();
    const std::string log = readText(dir.file("sim.log"));
    EXPECT_NE(log.find("> 50 52 4F 47 52 41 4D"), std::string::npos) << log;
    EXPECT_NE(log.find("< 57 01 40 40"), std::string::npos) << log;
}

TEST(RadioSimPty, SavesTakenWriteFramesAndSurvivesAReopenedPort) {
    TempDir dir;
    const RadioImage before = radiosim::defaultConfig().memory;
    RadioSim radio = RadioSim::withImage(dir, before);
    {
        SerialClient port(radio.port());
        port.send({'P', 'R', 'O', 'G', 'R', 'A', 'M'});
        ASSERT_EQ(port.receive(1), Bytes{0x06});
    }
    SerialClient port(radio.port()); // closed and opened again: the radio is still there
    Bytes frame{0x57, 0x01, 0xB0, 0x10};
    frame.insert(frame.end(), 16, 0xA5);
    port.send(frame);
    EXPECT_EQ(port.receive(1), Bytes{0x06});
    port.send({0x45});
    EXPECT_EQ(port.receive(1), Bytes{0x06});
    radio.stop();

    const RadioImage after = radio.image();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool written = i >= layout::kIdentity && i < layout::kIdentity + 8;
        EXPECT_EQ(after.byte(i), written ? 0xA5 : before.byte(i)) << std::hex << i;
    }
}

TEST(RadioSimPty, RefusesBadOptions) {
    EXPECT_THROW(RadioSim({"--baud", "38400"}), std::runtime_error);
    EXPECT_THROW(RadioSim({"--image", "/nonexistent/radio.dat"}), std::runtime_error);
}

} // namespace
} // namespace tsw::test
