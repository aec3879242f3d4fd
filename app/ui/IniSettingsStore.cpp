#include "app/ui/IniSettingsStore.h"

#include "app/NumberText.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            kSettingsOrganisation, kSettingsApplication)) {}

IniSettingsStore::IniSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

QString IniSettingsStore::groupFor(std::string_view section) const {
    const QString wanted = fromStd(section);
    for (const QString& group : settings_->childGroups())
        if (equalsNoCase(group.toStdString(), section))
            return group;
    return wanted;
}

std::optional<std::string> IniSettingsStore::readString(std::string_view section,
                                                        std::string_view key) const {
    const QString path = groupFor(section) + QLatin1Char('/') + fromStd(key);
    const QVariant v = settings_->value(path);
    if (!v.isValid())
        return std::nullopt;
    // A value holding commas comes back from the INI file as a list: join it again.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

void IniSettingsStore::writeString(std::string_view section, std::string_view key,
                                   std::string_view value) {
    settings_->setValue(groupFor(section) + QLatin1Char('/') + fromStd(key), fromStd(value));
}

std::vector<std::string> IniSettingsStore::childKeys(std::string_view section) const {
    std::vector<std::string> keys;
    settings_->beginGroup(groupFor(section));
    for (const QString& k : settings_->childKeys())
        keys.push_back(k.toStdString());
    settings_->endGroup();
    return keys;
}

void IniSettingsStore::remove(std::string_view section, std::string_view key) {
    settings_->remove(groupFor(section) + QLatin1Char('/') + fromStd(key));
}

void IniSettingsStore::sync() {
    settings_->sync();
}

} // namespace tsw::ui
