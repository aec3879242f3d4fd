#include "app/RecentFiles.h"

#include <algorithm>

#include "app/Settings.h"

namespace tsw {

RecentFiles::RecentFiles(std::vector<std::string> paths) {
    // Added oldest first, so that duplicates and the limit are handled as by add().
    for (auto it = paths.rbegin(); it != paths.rend(); ++it)
        add(*it);
}

void RecentFiles::add(std::string_view path) {
    if (path.empty())
        return;
    remove(path);
    paths_.insert(paths_.begin(), std::string(path));
    if (paths_.size() > kLimit)
        paths_.resize(kLimit);
}

bool RecentFiles::remove(std::string_view path) {
    const auto it = std::find(paths_.begin(), paths_.end(), path);
    if (it == paths_.end())
        return false;
    paths_.erase(it);
    return true;
}

std::string recentFileKey(std::size_t n) {
    return "File" + std::to_string(n);
}

RecentFiles RecentFiles::read(const SettingsStore& store) {
    std::vector<std::string> paths;
    for (std::size_t n = 1; n <= kLimit; ++n)
        if (auto path = store.readString(kSection, recentFileKey(n)); path && !path->empty())
            paths.push_back(std::move(*path));
    return RecentFiles(std::move(paths));
}

void RecentFiles::write(SettingsStore& store) const {
    for (std::size_t n = 1; n <= kLimit; ++n) {
        if (n <= paths_.size())
            store.writeString(kSection, recentFileKey(n), paths_[n - 1]);
        else
            store.remove(kSection, recentFileKey(n));
    }
}

} // namespace tsw
