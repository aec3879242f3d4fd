#include "link/Clock.h"

#include <chrono>
#include <thread>

namespace tsw {

std::uint32_t RealClock::tickMs() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

void RealClock::sleepMs(std::uint32_t ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace tsw
