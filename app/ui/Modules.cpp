#include "app/ui/Modules.h"

#include <QLibrary>

namespace tsw::ui {

QFunctionPointer moduleEntry(const QString& directory, const char* file, const char* entry) {
    QLibrary module(directory + QLatin1Char('/') + QLatin1String(file));
    return module.resolve(entry);
}

} // namespace tsw::ui
