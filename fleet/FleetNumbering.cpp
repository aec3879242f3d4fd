#include "fleet/FleetNumbering.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw::fleet {

namespace {

std::string padded(long long value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

// "{n}" or "{n:0W}" at the start of `text`: its length and width (0: none); nothing when the
// text does not start with one.
struct Placeholder {
    std::size_t length = 0;
    std::size_t width = 0;
};

std::optional<Placeholder> placeholderAt(std::string_view text) {
    if (text.starts_with("{n}"))
        return Placeholder{3, 0};
    if (!text.starts_with("{n:0"))
        return std::nullopt;
    std::size_t width = 0;
    std::size_t i = 4;
    for (; i < text.size() && i < 6 && text[i] >= '0' && text[i] <= '9'; ++i)
        width = width * 10 + static_cast<std::size_t>(text[i] - '0');
    if (i == 4 || i >= text.size() || text[i] != '}')
        return std::nullopt;
    return Placeholder{i + 1, width};
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The DTMF ID for offset k from the first; nothing when the first is not a number.
std::optional<std::string> dtmfIdAt(std::string_view first, int k) {
    if (!allDigits(first) || first.size() > kMaxDtmfIdLength)
        return std::nullopt;
    const long long value = std::stoll(std::string(first)) + k;
    const std::size_t width = first.front() == '0' ? first.size() : 0;
    return padded(value, width);
}

void writeText(RadioImage& image, std::size_t offset, std::size_t size, std::string_view text) {
    for (std::size_t i = 0; i < size; ++i)
        image.setByte(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

} // namespace

std::string expandLabel(std::string_view pattern, int number) {
    std::string out;
    while (!pattern.empty()) {
        if (const auto p = placeholderAt(pattern)) {
            out += padded(number, p->width);
            pattern.remove_prefix(p->length);
        } else {
            out.push_back(pattern.front());
            pattern.remove_prefix(1);
        }
    }
    return out;
}

bool labelStorable(std::string_view label) {
    return label.size() <= kMaxLabelLength &&
           std::all_of(label.begin(), label.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

RadioValues valuesFor(const FleetPlan& plan, int number) {
    RadioValues v;
    v.number = number;
    const int k = number - plan.firstNumber;
    if (plan.labelPattern)
        v.label = expandLabel(*plan.labelPattern, number);
    if (plan.firstDtmfId)
        v.dtmfId = dtmfIdAt(*plan.firstDtmfId, k).value_or(*plan.firstDtmfId);
    if (plan.firstCrewLinkId)
        v.crewLinkId = *plan.firstCrewLinkId + k;
    return v;
}

namespace {

PlanCheck checkValues(const FleetPlan& plan, const RadioValues& v) {
    const auto problem = [&](PlanProblem p, std::string value) {
        return PlanCheck{p, v.number, std::move(value)};
    };
    if (v.number < 0 || v.number > kMaxRadioNumber)
        return problem(PlanProblem::BadNumber, std::to_string(v.number));
    if (v.label && v.label->size() > kMaxLabelLength)
        return problem(PlanProblem::LabelTooLong, *v.label);
    if (v.label && !labelStorable(*v.label))
        return problem(PlanProblem::LabelBadCharacter, *v.label);
    if (v.dtmfId && (!allDigits(*plan.firstDtmfId) || !allDigits(*v.dtmfId) ||
                     v.dtmfId->size() < kMinDtmfIdLength || v.dtmfId->size() > kMaxDtmfIdLength))
        return problem(PlanProblem::BadDtmfId, *v.dtmfId);
    if (v.crewLinkId && (*v.crewLinkId < kMinCrewLinkId || *v.crewLinkId > kMaxCrewLinkId))
        return problem(PlanProblem::BadCrewLinkId, std::to_string(*v.crewLinkId));
    return {};
}

} // namespace

PlanCheck checkPlan(const FleetPlan& plan, int first, int last) {
    if (!plan.labelPattern && !plan.firstDtmfId && !plan.firstCrewLinkId)
        return {PlanProblem::NothingToSet, 0, {}};
    if (plan.count < 1)
        return {PlanProblem::BadCount, 0, std::to_string(plan.count)};
    if (plan.labelPattern && plan.labelLine != 1 && plan.labelLine != 2)
        return {PlanProblem::BadLabelLine, 0, std::to_string(plan.labelLine)};
    if (first < 0 || last > kMaxRadioNumber || first > last)
        return {PlanProblem::BadNumber, first < 0 ? first : last, std::to_string(last)};
    // Every number is checked: a label changes length with its number's digits (a run is a
    // few thousand radios at most, so this costs nothing).
    for (int n = first; n <= last; ++n)
        if (PlanCheck c = checkValues(plan, valuesFor(plan, n)); !c)
            return c;
    return {};
}

void applyValues(RadioImage& image, const FleetPlan& plan, const RadioValues& values) {
    if (values.label) {
        const std::size_t line =
            plan.labelLine == 1 ? layout::kMessageLine1 : layout::kMessageLine2;
        writeText(image, line, layout::kMessageLineLength, *values.label);
    }
    if (values.dtmfId)
        writeText(image, layout::kDtmfIdCode, layout::kDtmfIdCodeLength, *values.dtmfId);
    if (values.crewLinkId) {
        image.setWord(layout::kCrewOwnId,
                      static_cast<std::uint16_t>(*values.crewLinkId - (kMinCrewLinkId - 1)));
        if (image.byte(layout::kCrewOwnFleet) == 0xFF)
            image.setByte(layout::kCrewOwnFleet, 1); // fleet 100
    }
}

} // namespace tsw::fleet
