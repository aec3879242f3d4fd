#include "fields/FieldCatalogue.h"

#include <cstdio>

#include "app/ImageLayout.h"
#include "app/TextTemplate.h"
#include "fields/CatalogueParts.h"

namespace tsw::fields {

namespace {

std::string plain(StringId id, const TextLookup& text) {
    std::string t = text(id);
    std::erase(t, '&');
    return t;
}

std::string joined(std::string outer, StringId inner, const TextLookup& text) {
    return fillTemplate(plain(StrId::DiffFieldPath, text), {outer, plain(inner, text)});
}

// Characters 0x20..0x7E stand for themselves except '"' and '\', which are escaped; any
// other byte is \xNN. The quotes round the whole text keep "AB " apart from "AB".
std::string quoted(std::string_view shown) {
    std::string out = "\"";
    for (const char c : shown) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b >= 0x20 && b <= 0x7E) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out + "\"";
}

} // namespace

std::string Field::name(const TextLookup& text) const {
    std::string n = plain(naming.window, text);
    if (naming.part != 0)
        n = joined(n, naming.part, text);
    if (naming.number != 0)
        n = fillTemplate(plain(StrId::DiffNumbered, text), {n, std::to_string(naming.number)});
    if (naming.label != 0)
        n = joined(n, naming.label, text);
    return n;
}

std::string Field::label(const TextLookup& text) const {
    return naming.label != 0 ? plain(naming.label, text) : name(text);
}

std::string Field::text(const RadioImage& image, const TextLookup& text) const {
    return show != nullptr ? show(image, item, text) : std::string();
}

bool Field::holds(std::size_t at, std::uint8_t bits) const {
    return at >= offset && at < offset + size && (mask & bits) != 0;
}

std::vector<Field> fieldCatalogue() {
    std::vector<Field> out;
    out.reserve(320);
    detail::addChannelFields(out);
    detail::addSettingsFields(out);
    detail::addTableFields(out);
    return out;
}

const Field* findField(const std::vector<Field>& fields, std::size_t at, std::uint8_t bits) {
    for (const Field& f : fields)
        if (f.holds(at, bits))
            return &f;
    return nullptr;
}

std::string displayText(const Field& field, std::string_view shown, const TextLookup& text) {
    if (field.kind == TextKind::FreeText)
        return quoted(shown);
    if (shown.empty())
        return plain(StrId::FieldEmptyMarker, text);
    return std::string(shown);
}

std::string modelCodeText(const RadioImage& image) {
    std::string code;
    for (std::size_t i = 0; i < layout::kModelCodeLength; ++i) {
        const std::uint8_t c = image.byte(layout::kModelCode + i);
        if (c < 0x20 || c > 0x7E)
            break;
        code.push_back(static_cast<char>(c));
    }
    return code;
}

std::string bandCodeText(const RadioImage& image) {
    const std::uint8_t code = image.byte(layout::kBandCode);
    if (code == 0xFF)
        return {};
    char text[4];
    std::snprintf(text, sizeof text, "%02X", code);
    return text;
}

} // namespace tsw::fields
