// tsw62m: the desktop program.

#include <QApplication>

#include "app/ui/MainWindow.h"
#include "app/ui/main/Application.h"
#include "app/ui/main/EditorWindows.h"
#include "app/ui/main/StartupProbe.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TSW62M"));
    QApplication::setOrganizationName(QStringLiteral("TALVERN"));
    QApplication::setQuitOnLastWindowClosed(false);

    tsw::ui::registerEditorWindows();
    tsw::ui::Application app(tsw::ui::Application::parseCommandLine(QApplication::arguments()));
    if (!app.initInstance())
        return app.exitCode();
    QObject::connect(app.mainWindow(), &tsw::ui::MainWindow::closed, &qtApp,
                     &QCoreApplication::quit);
    tsw::probe::armStartupProbe(app.mainWindow()); // benchmarks only
    return app.exitInstance(QApplication::exec());
}
