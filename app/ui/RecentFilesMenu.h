#pragma once
// The recent files at the end of the File menu, above Exit: "&1 name.dat" ... "&8 name.dat",
// the most recent first, each with its full path as tooltip, followed by a separator. The list
// is kept in the settings (app/RecentFiles.h) and written back at every change.

#include <QObject>
#include <QString>
#include <vector>

#include "app/RecentFiles.h"

class QAction;
class QMenu;

namespace tsw {
class SettingsStore;
}

namespace tsw::ui {

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries go into `fileMenu` before `before` (the Exit item).
    RecentFilesMenu(SettingsStore& settings, QMenu* fileMenu, QAction* before,
                    QObject* parent = nullptr);

    const RecentFiles& files() const { return files_; }
    // A file opened or saved goes to the top.
    void add(const QString& path);
    void remove(const QString& path);
    // The entries now in the menu (for tests): their actions, the most recent first.
    const std::vector<QAction*>& entries() const { return entries_; }

signals:
    // The user chose an entry.
    void openRequested(const QString& path);

private:
    void rebuild();
    void store();

    SettingsStore& settings_;
    QMenu* menu_;
    QAction* before_;
    RecentFiles files_;
    std::vector<QAction*> entries_;
    QAction* separator_ = nullptr;
};

// The menu text of entry n (1-based): "&1 name.dat", with any '&' of the name doubled.
QString recentFileMenuText(int n, const QString& path);

} // namespace tsw::ui
