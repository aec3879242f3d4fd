#include "link/ui/GuiClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <thread>

namespace tsw::ui {

namespace {

constexpr std::uint32_t kSliceMs = 5;

void processNonInput() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool isInput(QEvent::Type t) {
    switch (t) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return isInput(event->type()); }
};

} // namespace

std::uint32_t GuiClock::tickMs() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void GuiClock::sleepMs(std::uint32_t ms) {
    const std::uint32_t start = tickMs();
    processNonInput();
    while (true) {
        const std::uint32_t elapsed = tickMs() - start;
        if (elapsed >= ms)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kSliceMs, ms - elapsed)));
        processNonInput();
    }
}

void discardPendingInput() {
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    InputSwallower swallower;
    app->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    app->removeEventFilter(&swallower);
}

} // namespace tsw::ui
