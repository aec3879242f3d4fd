#pragma once
// fleet FILE --port PORT --count N --log LOG.csv ...: one configuration into N numbered
// radios, one line per radio on standard output:
//
//   3/20 A1B2-C3D4E5F UNIT 03 dtmf 103 crewlink 1003 ok
//   4/20 A1B2-C3D4E60 UNIT 04 dtmf 104 crewlink 1004 failed: <why>

#include <functional>

#include "app/RadioImage.h"
#include "link/SerialLink.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliCommands.h"

namespace tsw::cli {

// `configuration` is the data file's image; `setUpLink` points a link at the port. 0 when
// the count verified, 1 when the run stopped short, 3 when it was refused before anything
// was sent.
int runFleet(const CliArgs& args, CliEnvironment& env, const RadioImage& configuration,
             const std::function<void(SerialLink&)>& setUpLink);

} // namespace tsw::cli
