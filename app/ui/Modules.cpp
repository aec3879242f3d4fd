#include "app/ui/Modules.h"

#include <QCoreApplication>
#include <QLibrary>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"

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

const char* commandModuleFile(int command) {
    switch (command) {
    case cmd::FilePrint:
    case cmd::FilePrintPreview:
        return kPrintModuleFile;
    default:
        return nullptr;
    }
}

bool loadCommandModule(int command, const QString& directory) {
    const char* file = commandModuleFile(command);
    if (!file)
        return false;
    QLibrary module(directory + QLatin1Char('/') + QLatin1String(file));
    return load(module);
}

} // namespace tsw::ui
