#pragma once
// The list of recently used data files that File menu offers: the last eight files opened or
// saved, the most recent first, each path once. It lives in the settings, section
// "Recent File List", values "File1" (the most recent) to "File8"; a gap or an empty value in
// the stored list is skipped when it is read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tsw {

class SettingsStore;

class RecentFiles {
public:
    static constexpr std::size_t kLimit = 8;
    static constexpr std::string_view kSection = "Recent File List";

    RecentFiles() = default;
    explicit RecentFiles(std::vector<std::string> paths);

    // The paths, the most recent first.
    const std::vector<std::string>& paths() const { return paths_; }
    bool empty() const { return paths_.empty(); }

    // A file opened or saved: it goes to the top (moving up if it is listed already); the
    // oldest falls off when there are more than kLimit. An empty path changes nothing.
    void add(std::string_view path);
    // Takes the path off the list; false when it was not listed.
    bool remove(std::string_view path);

    static RecentFiles read(const SettingsStore& store);
    // Writes File1..FileN and removes the values of the list that are no longer used.
    void write(SettingsStore& store) const;

private:
    std::vector<std::string> paths_;
};

// The value name of the n-th entry (1-based): "File1".
std::string recentFileKey(std::size_t n);

} // namespace tsw
