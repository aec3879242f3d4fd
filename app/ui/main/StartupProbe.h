#pragma once
// The start-up probe the benchmark (bench/startup) arms through the environment. The program
// and the benchmark's reference windows use this same header, so all are measured alike.
//
// TSW62M_STARTUP_PROBE holds the CLOCK_MONOTONIC time (ns) at which the process was launched.
// When it is set:
//   - handled(): the start-up work is done (called from the first posted event). Prints
//     "handled-ms <wall> cpu-ms <cpu>".
//   - then the first paint of the window that begins after that moment is awaited; once that
//     paint has run through (all its widgets), prints "painted-ms <wall> cpu-ms <cpu>".
//   - the process then ends at once (_Exit): nothing after is start-up, settings stay as
//     they were. With TSW62M_STARTUP_PROBE_STOP=handled it ends right after handled() (the
//     instruction counts are taken that way).

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tsw::probe {

inline bool startupProbeArmed() {
    return std::getenv("TSW62M_STARTUP_PROBE") != nullptr;
}

class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget* window) : window_(window) {
        start_ = std::atoll(std::getenv("TSW62M_STARTUP_PROBE"));
        const char* stop = std::getenv("TSW62M_STARTUP_PROBE_STOP");
        stopAtHandled_ = stop && std::strcmp(stop, "handled") == 0;
    }

    // Call once start-up's own work is done.
    void handled() {
        report("handled-ms");
        if (stopAtHandled_ || !window_)
            std::_Exit(0);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || paintSeen_ || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget*>(watched)->window() != window_)
            return false;
        // The rest of this paint runs within the current event; a zero timer fires after it.
        paintSeen_ = true;
        QTimer::singleShot(0, this, [this] {
            report("painted-ms");
            std::_Exit(0);
        });
        return false;
    }

private:
    void report(const char* what) const {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
        std::printf("%s %.3f cpu-ms %.3f\n", what, static_cast<double>(ns - start_) / 1e6,
                    cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
        std::fflush(stdout);
    }

    QPointer<QWidget> window_;
    long long start_ = 0;
    bool stopAtHandled_ = false;
    bool paintSeen_ = false;
};

// Arms the probe for `window` when the benchmark asked for it: handled() runs from the first
// posted event after this call (queued behind anything start-up posted before).
inline void armStartupProbe(QWidget* window) {
    if (!startupProbeArmed())
        return;
    auto* probe = new StartupProbe(window);
    probe->setParent(qApp);
    QTimer::singleShot(0, probe, [probe] { probe->handled(); });
}

} // namespace tsw::probe
