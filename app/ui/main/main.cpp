// tsw62m: the desktop program.

#include <QApplication>

#include "app/ui/CMainFrame.h"
#include "app/ui/CQb5812App.h"
#include "app/ui/main/StartupProbe.h"

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
    tsw::probe::armStartupProbe(app.mainFrame()); // benchmarks only
    return app.exitInstance(QApplication::exec());
}
