#include "tests/support/RadioSim.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "app/DataFile.h"
#include "tests/support/Subprocess.h"

namespace tsw::test {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(5);
constexpr auto kStopTimeout = std::chrono::seconds(2);

// Reads one line from `fd` within the time-out; throws when none comes.
std::string readFirstLine(int fd) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            throw std::runtime_error("tsw62m-radiosim printed no port within 5 s");
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n <= 0)
            throw std::runtime_error("tsw62m-radiosim ended before printing its port");
        if (c == '\n')
            return line;
        line += c;
    }
}

} // namespace

std::string RadioSim::executable() {
    return binExecutable("tsw62m-radiosim");
}

RadioSim::RadioSim(std::vector<std::string> options) {
    for (std::size_t i = 0; i + 1 < options.size(); ++i)
        if (options[i] == "--image")
            imagePath_ = options[i + 1];
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        throw std::runtime_error("pipe failed");
    }
    const std::string exe = executable();
    pid_ = spawnProcess(exe, options, in[0], out[1], -1);
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    if (pid_ <= 0) {
        pid_ = -1;
        ::close(out[0]);
        stop();
        throw std::runtime_error("cannot start " + exe);
    }
    try {
        port_ = readFirstLine(out[0]);
    } catch (...) {
        ::close(out[0]);
        stop();
        throw;
    }
    ::close(out[0]);
}

RadioSim::RadioSim(RadioSim&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), input_(std::exchange(other.input_, -1)),
      port_(std::move(other.port_)), imagePath_(std::move(other.imagePath_)) {}

RadioSim::~RadioSim() {
    stop();
}

RadioSim RadioSim::withImage(const TempDir& dir, const RadioImage& image,
                             std::vector<std::string> more) {
    const auto path = dir.file("radio.dat");
    writeImageFile(path, image);
    std::vector<std::string> options{"--image", path.string(), "--save"};
    options.insert(options.end(), more.begin(), more.end());
    return RadioSim(std::move(options));
}

bool RadioSim::running() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void RadioSim::stop() {
    if (input_ >= 0) {
        ::close(input_);
        input_ = -1;
    }
    if (pid_ <= 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno != EINTR)) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

RadioImage RadioSim::image() const {
    if (imagePath_.empty())
        throw std::runtime_error("the simulator was started without --image");
    return readImageFile(imagePath_);
}

void RadioSim::writeImageFile(const std::filesystem::path& path, const RadioImage& image) {
    if (!datafile::writeDataFile(path.string(), image))
        throw std::runtime_error("cannot write " + path.string());
}

RadioImage RadioSim::readImageFile(const std::filesystem::path& path) {
    RadioImage image;
    if (datafile::readDataFile(path.string(), image) != datafile::ReadResult::Ok)
        throw std::runtime_error("cannot read " + path.string());
    return image;
}

} // namespace tsw::test
