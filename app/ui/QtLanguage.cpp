#include "app/ui/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <vector>

namespace tsw::ui {
namespace {

QLocale::Language languageOf(int code) {
    switch (code) {
    case 1:
        return QLocale::Dutch;
    case 3:
        return QLocale::French;
    case 4:
        return QLocale::German;
    case 5:
        return QLocale::Italian;
    case 6:
        return QLocale::Spanish;
    default:
        return QLocale::English;
    }
}

// Qt's catalogues of the texts the program shows: the widgets, dialogs and key names, and the
// help window's search page ("Search for:", "0 - 0 of 0 Hits").
constexpr const char* kCatalogues[] = {"qtbase", "qt_help"};

std::vector<QPointer<QTranslator>>& installed() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled() {
    for (QPointer<QTranslator>& old : installed()) {
        if (old) {
            QCoreApplication::removeTranslator(old);
            delete old;
        }
    }
    installed().clear();
}

} // namespace

bool applyQtLanguage(int languageCode) {
    const QLocale locale(languageOf(languageCode));
    QLocale::setDefault(locale);
    removeInstalled();
    bool base = false;
    for (const char* catalogue : kCatalogues) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(locale, QLatin1String(catalogue), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
        installed().emplace_back(translator);
        if (catalogue == kCatalogues[0])
            base = true;
    }
    return base;
}

} // namespace tsw::ui
