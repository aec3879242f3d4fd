#include "app/ui/UiText.h"

#include <QtGlobal>

#include "app/AppGlobals.h"

// Outside any namespace, as the resource initialiser requires.
static void initTswResources() {
    Q_INIT_RESOURCE(tsw62m);
}

namespace tsw::ui {

void ensureResources() {
    static const bool done = (initTswResources(), true);
    (void)done;
}

QString uiText(StringId id) {
    return QString::fromStdString(globals().language.text(id));
}
QString plainText(StringId id) {
    return QString::fromStdString(globals().language.plainText(id));
}
QString fromStd(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string toStd(const QString& s) {
    return s.toStdString();
}

} // namespace tsw::ui
