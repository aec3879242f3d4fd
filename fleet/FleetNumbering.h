#pragma once
// The values that make each radio of a fleet its own: its number, a label on one line of the
// embedded message, its own DTMF ID code and its own CrewLink ID. Radio k of a run (k counted
// from the first number) gets
//
//   label      the pattern with "{n}" -> the number, "{n:0W}" -> the number zero-padded to W
//              digits; any other text, braces included, is kept as it is
//   DTMF ID    first DTMF ID + k, at least as many digits as the first ID was written with
//              when that began with a zero ("007" -> "008"), 3..10 digits
//   CrewLink   first CrewLink ID + k, 1000..4999; the own fleet stays as configured, or
//              becomes 100 when none is set
//
// Every value a run can hand out is checked before the first radio is written.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/RadioImage.h"

namespace tsw::fleet {

inline constexpr int kMaxLabelLength = 32;
inline constexpr int kMinDtmfIdLength = 3;
inline constexpr int kMaxDtmfIdLength = 10;
inline constexpr int kMinCrewLinkId = 1000;
inline constexpr int kMaxCrewLinkId = 4999;
inline constexpr int kMaxRadioNumber = 999'999;

struct FleetPlan {
    int firstNumber = 1;
    int count = 1;
    std::optional<std::string> labelPattern;
    int labelLine = 2;                      // 1 or 2
    std::optional<std::string> firstDtmfId; // digits, as the user wrote them
    std::optional<int> firstCrewLinkId;
};

// What radio `number` gets; a value not asked for stays empty.
struct RadioValues {
    int number = 0;
    std::optional<std::string> label;
    std::optional<std::string> dtmfId;
    std::optional<int> crewLinkId;
};

enum class PlanProblem {
    None,
    NothingToSet,      // no label, DTMF ID or CrewLink ID asked for
    BadCount,          // count below 1
    BadNumber,         // a radio number outside 0..999999
    BadLabelLine,      // not line 1 or 2
    LabelTooLong,      // a label longer than 32 characters
    LabelBadCharacter, // a character outside 0x20..0x7E
    BadDtmfId,         // not digits, fewer than 3 or more than 10 of them
    BadCrewLinkId,     // outside 1000..4999
};

struct PlanCheck {
    PlanProblem problem = PlanProblem::None;
    int number = 0;    // the radio number whose value cannot be stored
    std::string value; // that value as it would be
    explicit operator bool() const { return problem == PlanProblem::None; }
};

// The label for a number: "{n}" and "{n:0W}" replaced, every other character kept.
std::string expandLabel(std::string_view pattern, int number);
// True when every character can be stored in a message line and there are at most 32.
bool labelStorable(std::string_view label);

RadioValues valuesFor(const FleetPlan& plan, int number);

// Checks every value the numbers first..last (inclusive) would get.
PlanCheck checkPlan(const FleetPlan& plan, int first, int last);

// Puts the values into the image: the label line (the other line stays), the DTMF ID code,
// the CrewLink own ID (and own fleet 100 when none was set).
void applyValues(RadioImage& image, const FleetPlan& plan, const RadioValues& values);

} // namespace tsw::fleet
