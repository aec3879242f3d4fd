#include "app/ui/Modules.h"

#include <QCoreApplication>
#include <QLibrary>

#include "app/AppGlobals.h"
#include "app/ui/Shell.h"

namespace tsw::ui {

namespace {

bool load(QLibrary& module) {
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (module.load())
        return true;
    qWarning("%s", qPrintable(module.errorString()));
    return false;
}

} // namespace

QString moduleDirectory() {
    const std::string& dir = globals().programDirectory;
    return dir.empty() ? QCoreApplication::applicationDirPath() : QString::fromStdString(dir);
}

QFunctionPointer moduleEntry(const QString& directory, const char* file, const char* entry) {
    QLibrary module(directory + QLatin1Char('/') + QLatin1String(file));
    return load(module) ? module.resolve(entry) : nullptr;
}

std::function<void(Shell&)> printModuleCommand(int command) {
    return [command](Shell& shell) {
        const auto run = reinterpret_cast<PrintCommandEntry>(
            moduleEntry(moduleDirectory(), kPrintModuleFile, kPrintCommandEntry));
        if (run)
            run(command, shell.window());
    };
}

} // namespace tsw::ui
