#include "app/ui/RecentFilesMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "app/Settings.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

QString recentFileMenuText(int n, const QString& path) {
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(n).arg(name);
}

RecentFilesMenu::RecentFilesMenu(SettingsStore& settings, QMenu* fileMenu, QAction* before,
                                 QObject* parent)
    : QObject(parent), settings_(settings), menu_(fileMenu), before_(before),
      files_(RecentFiles::read(settings)) {
    menu_->setToolTipsVisible(true);
    rebuild();
}

void RecentFilesMenu::add(const QString& path) {
    files_.add(toStd(path));
    store();
}

void RecentFilesMenu::remove(const QString& path) {
    if (files_.remove(toStd(path)))
        store();
}

void RecentFilesMenu::store() {
    files_.write(settings_);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    for (QAction* a : entries_)
        delete a;
    entries_.clear();
    delete separator_;
    separator_ = nullptr;
    int n = 0;
    for (const std::string& stored : files_.paths()) {
        const QString path = fromStd(stored);
        auto* a = new QAction(recentFileMenuText(++n, path), menu_);
        a->setToolTip(path);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] { emit openRequested(path); });
        menu_->insertAction(before_, a);
        entries_.push_back(a);
    }
    if (!entries_.empty())
        separator_ = menu_->insertSeparator(before_);
}

} // namespace tsw::ui
