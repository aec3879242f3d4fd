#pragma once
// Shared by the print layout tests: a language lookup that names each text by its id, images
// with a given number of used channels, and finders over placed items.

#include <algorithm>
#include <optional>
#include <string>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "print/PrintItem.h"

namespace tsw::print::test {

// "#3002105" for id 3002105: every printed label can be traced to its string id.
inline std::string idText(StringId id) {
    return "#" + std::to_string(id);
}

inline RadioImage defaultImage() {
    RadioImage image;
    buildDefaultImage(image, modelEntry(0).defaultIdentity);
    return image;
}

inline RadioImage imageWithUsedChannels(int used) {
    RadioImage image = defaultImage();
    for (int ch = used; ch < layout::kChannelCount; ++ch)
        image.setByte(layout::channelOffset(ch), 0xFF);
    return image;
}

// The first text item with exactly this text.
inline const PrintItem* findText(const PrintItems& items, const std::string& text) {
    const auto it = std::find_if(items.begin(), items.end(), [&](const PrintItem& item) {
        return item.kind == ItemKind::Text && item.text == text;
    });
    return it == items.end() ? nullptr : &*it;
}

// The text printed to the right of a label on the label's line (the value column).
inline std::optional<std::string> valueBeside(const PrintItems& items, const std::string& label) {
    const PrintItem* l = findText(items, label);
    if (!l)
        return std::nullopt;
    for (const PrintItem& item : items)
        if (item.kind == ItemKind::Text && item.line == l->line && item.x > l->x &&
            !item.fromBottom)
            return item.text;
    return std::nullopt;
}

inline double lastLine(const PrintItems& items) {
    double last = 0;
    for (const PrintItem& item : items)
        if (!item.fromBottom)
            last = std::max(last, item.line);
    return last;
}

} // namespace tsw::print::test
