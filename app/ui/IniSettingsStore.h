#pragma once
// The settings store of the desktop program: a QSettings INI file in the user's configuration
// folder (organisation "TALVERN", application "TSW62M": ~/.config/TALVERN/TSW62M.ini).
//
// INI group names are case-sensitive in QSettings; this store compares section names without
// regard to case itself: a section is read from, and written into, the first existing group
// whose name matches ("BackUp" finds "Backup"), and a new group takes the spelling of its
// first write. QSettings writes the file atomically (a temporary file renamed over it).

#include <QSettings>
#include <QString>
#include <memory>

#include "app/Settings.h"

namespace tsw::ui {

inline constexpr char kSettingsOrganisation[] = "TALVERN";
inline constexpr char kSettingsApplication[] = "TSW62M";

class IniSettingsStore : public SettingsStore {
public:
    // The user's settings file of the program.
    IniSettingsStore();
    // A given INI file (tests).
    explicit IniSettingsStore(const QString& path);

    std::optional<std::string> readString(std::string_view section,
                                          std::string_view key) const override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::vector<std::string> childKeys(std::string_view section) const override;
    void remove(std::string_view section, std::string_view key) override;

    // Writes pending changes to the file now (also done when the store is destroyed).
    void sync();
    QString fileName() const { return settings_->fileName(); }

private:
    QString groupFor(std::string_view section) const;
    std::unique_ptr<QSettings> settings_;
};

} // namespace tsw::ui
