#include "editors/feature/FieldTable.h"

#include <climits>

#include "app/AppGlobals.h"
#include "app/NumberText.h"

namespace tsw::feature {

int listIndexOf(std::span<const ListEntry> entries, int code) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].code == code)
            return static_cast<int>(i);
    return -1;
}

std::string rowText(const FieldForm& form, int row, const TextLookup& text) {
    const auto rows = form.rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return {};
    const auto plain = [&text](StringId id) {
        std::string t = text(id);
        std::erase(t, '&');
        return t;
    };
    switch (rows[static_cast<std::size_t>(row)].kind) {
    case FieldKind::Check:
        return plain(form.checked(row) ? StrId::FlagOn : StrId::FlagOff);
    case FieldKind::List: {
        const auto entries = form.listEntries(row);
        const int index = form.listIndex(row);
        return index >= 0 && static_cast<std::size_t>(index) < entries.size()
                   ? plain(entries[static_cast<std::size_t>(index)].text)
                   : std::string();
    }
    default:
        return form.text(row).value_or(std::string());
    }
}

int readNumber(std::string_view text) {
    std::string copy(text);
    return clampNumberText(copy, INT_MAX, 0, 1);
}

int stepWrapped(int value, int min, int max, int step, int direction) {
    if (direction != 0 && (value < min || value > max))
        return direction > 0 ? min : max;
    return stepValue(value, max, min, step, direction);
}

std::string readCharacters(const RadioImage& image, std::size_t offset, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t b = image.byte(offset + i);
        if (b == 0xFF || b == 0x00)
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

void writeCharacters(RadioImage& image, std::size_t offset, std::size_t length,
                     std::string_view text) {
    for (std::size_t i = 0; i < length; ++i)
        image.setByte(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

} // namespace tsw::feature
