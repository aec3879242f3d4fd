#pragma once
// Runs the simulated radio (tsw62m-radiosim) for a test: starts it with the given options,
// takes the pseudo-terminal's path from its first line of output, and ends it when the
// object goes. The executable is looked for in $TSW_BIN_DIR, else in the build's bin folder.
//
//     TempDir dir;
//     RadioSim radio = RadioSim::withImage(dir, image, {"--fault-no-ack", "3"});
//     ... open radio.port() at 9600 8N2 and talk to it ...
//     radio.stop();                       // the image file is final once it has stopped
//     RadioImage written = radio.image(); // what the radio's memory holds now

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

#include "app/RadioImage.h"
#include "tests/support/TestSupport.h"

namespace tsw::test {

class RadioSim {
public:
    // Starts the simulator; throws std::runtime_error when it does not come up.
    explicit RadioSim(std::vector<std::string> options = {});
    ~RadioSim();
    RadioSim(RadioSim&& other) noexcept;
    RadioSim& operator=(RadioSim&&) = delete;
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    // A radio whose memory is `image`, kept in dir/radio.dat with --save, so that writes
    // land in the file; `more` options follow.
    static RadioSim withImage(const TempDir& dir, const RadioImage& image,
                              std::vector<std::string> more = {});

    const std::string& port() const { return port_; } // the slave's path, e.g. /dev/pts/3
    bool running();
    // Closes its input so that it ends, and waits (kills it after two seconds).
    void stop();

    // The radio's memory as its --image file holds it (throws without --image).
    RadioImage image() const;
    const std::filesystem::path& imagePath() const { return imagePath_; }

    static std::string executable();
    static void writeImageFile(const std::filesystem::path& path, const RadioImage& image);
    static RadioImage readImageFile(const std::filesystem::path& path);

private:
    pid_t pid_ = -1;
    int input_ = -1; // the simulator's standard input; closing it ends the simulator
    std::string port_;
    std::filesystem::path imagePath_;
};

} // namespace tsw::test
