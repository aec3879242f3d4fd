#pragma once
// Time for the radio protocol: a millisecond tick counter and a sleep. Production uses the
// RealClock; the GUI's clock repaints its windows inside sleepMs (without taking user input),
// so a window never looks hung while the protocol waits; tests use a virtual clock whose
// sleep advances time without waiting.

#include <cstdint>

namespace tsw {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual std::uint32_t tickMs() = 0;
    // Waits `ms` milliseconds. sleepMs(0) does not wait: it only lets the GUI repaint.
    virtual void sleepMs(std::uint32_t ms) = 0;
};

// The monotonic system clock and a plain thread sleep.
class RealClock : public Clock {
public:
    std::uint32_t tickMs() override;
    void sleepMs(std::uint32_t ms) override;
};

} // namespace tsw
