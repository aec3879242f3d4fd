#include "app/WindowPlace.h"

#include <algorithm>
#include <array>

#include "app/Settings.h"

namespace tsw::place {
namespace {

constexpr int kCoordinateLimit = 1000000;

bool coversNone(const Rect& r, const std::vector<Rect>& keepClear) {
    return std::none_of(keepClear.begin(), keepClear.end(),
                        [&](const Rect& k) { return r.intersects(k); });
}

// The places tried in order, each at the window's size.
std::vector<Rect> candidates(const NewWindow& w, int width, int height) {
    std::vector<Rect> out;
    if (w.remembered)
        out.push_back(keepInside({w.remembered->x, w.remembered->y, width, height}, w.area));
    if (!w.open.empty()) {
        const Rect& last = w.open.back();
        const int step = std::max(1, w.cascadeStep);
        for (int k = 1;; ++k) {
            const Rect r{last.x + k * step, last.y + k * step, width, height};
            if (!w.area.contains(r))
                break;
            out.push_back(r);
        }
    }
    for (auto it = w.open.rbegin(); it != w.open.rend(); ++it) {
        out.push_back({it->right(), it->y, width, height});
        out.push_back({it->x, it->bottom(), width, height});
    }
    out.push_back({w.area.x, w.area.y, width, height});
    return out;
}

} // namespace

bool Rect::intersects(const Rect& o) const {
    return !empty() && !o.empty() && x < o.right() && o.x < right() && y < o.bottom() &&
           o.y < bottom();
}

bool Rect::contains(const Rect& o) const {
    return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
}

std::optional<Rect> parseRect(std::string_view text) {
    std::array<int, 4> v{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::size_t end = i + 1 < v.size() ? text.find(',', at) : text.size();
        if (end == std::string_view::npos)
            return std::nullopt;
        const auto n = parseDecimalInt(text.substr(at, end - at));
        if (!n || *n > kCoordinateLimit || *n < -kCoordinateLimit)
            return std::nullopt;
        v[i] = *n;
        at = end + 1;
    }
    if (v[2] < 1 || v[3] < 1)
        return std::nullopt;
    return Rect{v[0], v[1], v[2], v[3]};
}

std::string formatRect(const Rect& r) {
    return std::to_string(r.x) + ',' + std::to_string(r.y) + ',' + std::to_string(r.width) + ',' +
           std::to_string(r.height);
}

Rect keepInside(Rect r, const Rect& area) {
    if (area.empty())
        return r;
    r.width = std::min(r.width, area.width);
    r.height = std::min(r.height, area.height);
    r.x = std::clamp(r.x, area.x, area.right() - r.width);
    r.y = std::clamp(r.y, area.y, area.bottom() - r.height);
    return r;
}

Rect placeNewWindow(const NewWindow& w) {
    const int width =
        std::clamp(w.remembered ? w.remembered->width : w.width, 1, std::max(1, w.area.width));
    const int height =
        std::clamp(w.remembered ? w.remembered->height : w.height, 1, std::max(1, w.area.height));
    const std::vector<Rect> tried = candidates(w, width, height);
    for (const Rect& r : tried)
        if (w.area.contains(r) && coversNone(r, w.keepClear))
            return r;
    if (w.remembered)
        return tried.front();
    if (!w.open.empty())
        return keepInside(
            {w.open.back().x + w.cascadeStep, w.open.back().y + w.cascadeStep, width, height},
            w.area);
    return keepInside({w.area.x, w.area.y, width, height}, w.area);
}

} // namespace tsw::place
