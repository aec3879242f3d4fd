#include "fields/FieldHint.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "app/TextTemplate.h"

namespace tsw::fields {
namespace {

StringId unitText(Unit unit) {
    switch (unit) {
    case Unit::Seconds:
        return StrId::UnitSeconds;
    case Unit::Milliseconds:
        return StrId::UnitMilliseconds;
    case Unit::MegaHertz:
        return StrId::UnitMegaHertz;
    case Unit::DigitsPerSecond:
        return StrId::UnitDigitsPerSecond;
    case Unit::None:
        break;
    }
    return 0;
}

// The word the editor shows for a stored 0 (Off, None, All): the field's own text for an image
// that holds 0 in its bytes. Empty where that text is no word (it holds a digit, or nothing).
std::string wordAtZero(const Field& field, const TextLookup& text) {
    RadioImage image;
    for (std::size_t i = 0; i < field.size; ++i) {
        const std::size_t at = field.offset + i;
        image.setByte(at, static_cast<std::uint8_t>(image.byte(at) & ~field.mask));
    }
    const std::string word = field.text(image, text);
    const bool hasDigit = std::any_of(word.begin(), word.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    return hasDigit ? std::string() : word;
}

} // namespace

std::string scaledNumber(int value, int decimals) {
    std::string digits = std::to_string(std::abs(value));
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    }
    return value < 0 ? "-" + digits : digits;
}

std::string rangeHint(const Field& field, const TextLookup& text) {
    const StringId unitId = unitText(field.unit);
    const std::string unit = unitId != 0 ? text(unitId) : std::string();
    if (!field.range)
        return unit.empty() ? std::string() : fillTemplate(text(StrId::FieldUnitOnly), {unit});
    const FieldRange& r = *field.range;
    const std::string min = scaledNumber(r.min, r.decimals);
    const std::string max = scaledNumber(r.max, r.decimals);
    std::string hint = unit.empty() ? fillTemplate(text(StrId::FieldRange), {min, max})
                                    : fillTemplate(text(StrId::FieldRangeUnit), {min, max, unit});
    if (r.step > 1) {
        std::string step = scaledNumber(r.step, r.decimals);
        if (!unit.empty())
            step = fillTemplate(text(StrId::FieldValueUnit), {step, unit});
        hint = fillTemplate(text(StrId::FieldRangeSteps), {hint, step});
    }
    if (r.wordAtZero)
        if (const std::string word = wordAtZero(field, text); !word.empty())
            hint = fillTemplate(text(StrId::FieldRangeOrWord), {hint, word});
    return hint;
}

std::string fieldTip(const Field& field, const TextLookup& text) {
    const std::string hint = rangeHint(field, text);
    const std::string label = field.label(text);
    return hint.empty() ? label : label + "\n" + hint;
}

} // namespace tsw::fields
