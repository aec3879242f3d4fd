// tsw62m: the desktop program.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/ui/CMainFrame.h"
#include "app/ui/CQb5812App.h"

namespace {

// Benchmarks start the program with TSW62M_STARTUP_PROBE set to the CLOCK_MONOTONIC time (ns)
// at which they launched it: once the first Channel Information command has been handled the
// program prints the time since then (and the CPU time it used) and ends without touching
// the settings.
void armStartupProbe(tsw::ui::CQb5812App& app) {
    const char* t0 = std::getenv("TSW62M_STARTUP_PROBE");
    if (!t0)
        return;
    const long long start = std::atoll(t0);
    QTimer::singleShot(0, qApp, [&app, start] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec;
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("startup-ms %.3f cpu-ms %.3f\n", static_cast<double>(ns - start) / 1e6,
                    cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
        std::fflush(stdout);
        app.skipSettingsAtExit();
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TSW62M"));
    QApplication::setOrganizationName(QStringLiteral("TALVERN"));
    QApplication::setQuitOnLastWindowClosed(false);

    tsw::ui::CQb5812App app(tsw::ui::CQb5812App::parseCommandLine(QApplication::arguments()));
    if (!app.initInstance())
        return app.exitCode();
    QObject::connect(app.mainFrame(), &tsw::ui::CMainFrame::closed, &qtApp,
                     &QCoreApplication::quit);
    armStartupProbe(app);
    return app.exitInstance(QApplication::exec());
}
