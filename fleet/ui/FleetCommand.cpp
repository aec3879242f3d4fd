// Program > Write to Several Radios.

#include <QApplication>
#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "fleet/LinkFleetRadio.h"
#include "fleet/ui/FleetDialog.h"
#include "link/ui/RadioLink.h"

namespace tsw::ui {

namespace {

// Waiting between radios takes the user's input (Stop, Enter): unlike a transfer, nothing is
// half done while it waits.
class InputClock : public Clock {
public:
    explicit InputClock(Clock& base) : base_(base) {}
    std::uint32_t tickMs() override { return base_.tickMs(); }
    void sleepMs(std::uint32_t ms) override {
        const std::uint32_t start = tickMs();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (tickMs() - start >= ms)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (true);
    }

private:
    Clock& base_;
};

} // namespace

void runWriteToSeveralRadios(Shell& shell) {
    RadioLink& radioLink = RadioLink::instance();
    if (radioLink.busy())
        return;
    RadioLink::Busy busy(radioLink);
    // The field being edited is committed when it loses the focus.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    SerialLink& writeLink = radioLink.link();
    fleet::SilentPrompt silent;
    SerialLink lookLink(radioLink.device(), radioLink.clock(), silent, globals());
    lookLink.setPortResolver([&radioLink](int n) { return radioLink.devicePathOf(n); });
    lookLink.setPortNumber(writeLink.portNumber());
    fleet::LinkFleetRadio radio(lookLink, writeLink);
    InputClock waitClock(radioLink.clock());
    const AppGlobals& g = globals();
    FleetDialog dialog(g.image, radio, waitClock,
                       fromStd(fleet::defaultLogPath(g.currentFilePath, g.dataDirectory)),
                       shell.window());
    dialog.exec();
}

} // namespace tsw::ui
