#pragma once
// The radio protocol's clock inside the GUI: while the protocol waits, the windows keep
// painting and timers keep running, but no keyboard or mouse input is taken (it stays
// queued), so a transfer can never be interrupted halfway by a click.

#include "link/Clock.h"

namespace tsw::ui {

class GuiClock : public Clock {
public:
    std::uint32_t tickMs() override;
    // Processes pending non-input events, then waits in short slices, processing again
    // between them, until `ms` have passed. sleepMs(0) only processes.
    void sleepMs(std::uint32_t ms) override;
};

// Throws away every keyboard and mouse event that is waiting, so that clicks made while the
// program was busy with the radio do not act on the next window.
void discardPendingInput();

} // namespace tsw::ui
