#pragma once
// The simulator's command line.

#include <span>
#include <string>

#include "tools/radiosim/SimConfig.h"

namespace tsw::radiosim {

struct SimOptions {
    SimConfig config = defaultConfig();
    std::string imagePath;    // --image: the radio's memory lives in this data file
    bool save = false;        // --save: taken write frames and stored tuning values go back to it
    std::string logPath;      // --log: every byte in and out
    bool untilKilled = false; // --until-killed: the end of standard input does not end it
    bool help = false;
};

// Parses the arguments after the program name into `out`. Returns an error text, empty when
// every argument was understood. Files are not touched here (see loadImage).
std::string parseOptions(std::span<const std::string> args, SimOptions& out);

// Reads --image into the memory. A file that does not exist is created from the default
// memory when --save is given. Returns an error text, empty on success.
std::string loadImage(SimOptions& options);

std::string helpText();

} // namespace tsw::radiosim
