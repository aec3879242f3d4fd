#include "fleet/FleetTexts.h"

#include "app/TextTemplate.h"

namespace tsw::fleet {

std::string planProblemText(const PlanCheck& check, const TextLookup& text) {
    const std::string number = std::to_string(check.number);
    switch (check.problem) {
    case PlanProblem::None:
        return {};
    case PlanProblem::NothingToSet:
        return text(StrId::FleetNothingToSet);
    case PlanProblem::BadCount:
        return text(StrId::FleetBadCount);
    case PlanProblem::BadNumber:
        return fillTemplate(text(StrId::FleetBadNumber), {check.value});
    case PlanProblem::BadLabelLine:
        return text(StrId::FleetBadLabelLine);
    case PlanProblem::LabelTooLong:
        return fillTemplate(text(StrId::FleetLabelTooLong), {number, check.value});
    case PlanProblem::LabelBadCharacter:
        return fillTemplate(text(StrId::FleetLabelBadCharacter), {number, check.value});
    case PlanProblem::BadDtmfId:
        return fillTemplate(text(StrId::FleetBadDtmfId), {number, check.value});
    case PlanProblem::BadCrewLinkId:
        return fillTemplate(text(StrId::FleetBadCrewLinkId), {number, check.value});
    }
    return {};
}

std::string logOpenText(LogOpen open, const LogReading& reading, const std::string& path,
                        const TextLookup& text) {
    switch (open) {
    case LogOpen::Opened:
        return {};
    case LogOpen::Damaged:
        return fillTemplate(text(StrId::FleetLogDamaged), {path, std::to_string(reading.line)});
    case LogOpen::CannotRead:
        return fillTemplate(text(StrId::FleetLogUnreadable), {path});
    case LogOpen::CannotWrite:
        return fillTemplate(text(StrId::FleetLogNotWritable), {path});
    }
    return {};
}

} // namespace tsw::fleet
