#include "app/ui/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

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

QPointer<QTranslator>& installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool applyQtLanguage(int languageCode) {
    const QLocale locale(languageOf(languageCode));
    QLocale::setDefault(locale);
    if (QTranslator* old = installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}

} // namespace tsw::ui
