// The settings editors: every row of Optional Features, Scan, DTMF and CrewLink that holds
// image bytes, the two programmable keys and the CrewLink fleet/ID table. Texts come from the
// forms themselves (rowText over a form on a copy of the image: the forms take images they
// could write to, and only read here).

#include <span>

#include "app/CommandIds.h"
#include "app/NumberText.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"
#include "fields/CatalogueParts.h"

namespace tsw::fields::detail {

namespace {

using feature::FieldKind;
using feature::FieldRow;

template <class Form>
std::string formText(const RadioImage& image, int row, const TextLookup& text) {
    RadioImage copy = image;
    if constexpr (std::is_constructible_v<Form, RadioImage&, TextLookup>) {
        const Form form(copy, text);
        return feature::rowText(form, row, text);
    } else {
        const Form form(copy);
        return feature::rowText(form, row, text);
    }
}

// A row the Optional Features form keeps hidden: its bytes in hex.
std::string hiddenFeatureText(const RadioImage& image, int row, const TextLookup&) {
    const FieldRow& r = feature::kFeatureFieldTable[static_cast<std::size_t>(row)];
    return hexBytes(image.bytes().subspan(r.offset, r.size));
}

std::string keyText(const RadioImage& image, int key, const TextLookup& text) {
    const auto which = key == 0 ? feature::ProgrammableKey::Pf1 : feature::ProgrammableKey::Pf2;
    return feature::keyFunctionName(image.byte(feature::keyOffset(which)), text);
}

std::string crewCellText(const RadioImage& image, int item, const TextLookup& text) {
    return feature::crewLinkCellText(
        image, item / 2, item % 2 == 0 ? feature::crew::Column::Fleet : feature::crew::Column::Id,
        text);
}

struct RowExtra {
    int row;
    Unit unit;
    std::optional<FieldRange> range;
};

// Range, step and unit of the number rows, in the values the rows show.
const RowExtra kFeatureExtras[] = {
    {feature::feat::TimeOutTimer, Unit::Seconds, FieldRange{15, 600, 15}},
    {feature::feat::TotPreAlert, Unit::Seconds, FieldRange{1, 10, 1, 0, true}},
    {feature::feat::SquelchLevel, Unit::None, FieldRange{0, 9}},
    {feature::feat::VoxGainLevel, Unit::None, FieldRange{1, 10, 1, 0, true}},
    {feature::feat::CallingAlertTone, Unit::None, FieldRange{1, 10}},
    {feature::feat::TotRekeyTime, Unit::Seconds, FieldRange{1, 60, 1, 0, true}},
    {feature::feat::TotResetTime, Unit::Seconds, FieldRange{1, 15, 1, 0, true}},
};
const RowExtra kScanExtras[] = {
    {feature::scan::PriorityChannel, Unit::None, FieldRange{1, layout::kChannelCount}},
    {feature::scan::LookBackA, Unit::Seconds, FieldRange{50, 500, 5, 2}},
    {feature::scan::LookBackB, Unit::Seconds, FieldRange{50, 500, 5, 2}},
    {feature::scan::DropoutDelay, Unit::Seconds, FieldRange{0, 300}},
    {feature::scan::TxDwell, Unit::Seconds, FieldRange{0, 300}},
};
const RowExtra kDtmfExtras[] = {
    {feature::dtmf::Speed, Unit::DigitsPerSecond, std::nullopt},
    {feature::dtmf::FirstDigitTime, Unit::Milliseconds, std::nullopt},
    {feature::dtmf::FirstDigitDelay, Unit::Milliseconds, FieldRange{100, 1000, 50}},
    {feature::dtmf::StarHashTone, Unit::Milliseconds, std::nullopt},
    {feature::dtmf::DCodeAssignment, Unit::Seconds, FieldRange{1, 16, 1, 0, true}},
    {feature::dtmf::AutoResetTimer, Unit::Seconds, FieldRange{1, 15, 1, 0, true}},
};
const RowExtra kCrewExtras[] = {
    {feature::crew::OwnFleet, Unit::None, FieldRange{100, 349}},
    {feature::crew::OwnId, Unit::None, FieldRange{1000, 4999}},
    {feature::crew::ModulationDelay, Unit::Milliseconds, FieldRange{0, 6000}},
    {feature::crew::MessageModeTimer, Unit::Seconds, FieldRange{1, 300, 1, 0, true}},
};

// How one form's rows become fields.
struct FormRows {
    std::span<const FieldRow> rows;
    int command;
    StringId title;
    ShowText show;
    std::span<const RowExtra> extras;
    bool (*visible)(int row);
    std::span<const int> freeTextRows;
};

bool everyRowVisible(int) {
    return true;
}

Field rowField(const FormRows& form, const FieldRow& r) {
    Field f;
    f.offset = r.offset;
    f.size = r.size;
    f.naming = {.window = form.title, .label = r.label};
    f.hidden = !form.visible(r.index);
    f.kind = f.hidden ? TextKind::Raw : TextKind::Value;
    for (const int row : form.freeTextRows)
        if (row == r.index)
            f.kind = TextKind::FreeText;
    f.place = {.command = form.command, .tab = r.tab, .row = r.index, .control = r.valueId};
    for (const RowExtra& extra : form.extras)
        if (extra.row == r.index) {
            f.unit = extra.unit;
            f.range = extra.range;
        }
    f.show = f.hidden ? &hiddenFeatureText : form.show;
    f.item = r.index;
    return f;
}

void addFormRows(std::vector<Field>& out, const FormRows& form) {
    for (const FieldRow& r : form.rows)
        if (r.size != 0 && r.kind != FieldKind::Grid && r.kind != FieldKind::Group)
            out.push_back(rowField(form, r));
}

void addKeys(std::vector<Field>& out) {
    const std::pair<StringId, int> keys[] = {{StrId::PrintPf1Label, feature::kKeyPf1ListId},
                                             {StrId::PrintPf2Label, feature::kKeyPf2ListId}};
    for (int key = 0; key < 2; ++key) {
        Field f;
        f.offset = key == 0 ? layout::kKeyPf1 : layout::kKeyPf2;
        f.naming = {.window = StrId::TitleKeyAssignment, .label = keys[key].first};
        f.place = {.command = cmd::KeyAssignment, .row = key, .control = keys[key].second};
        f.show = &keyText;
        f.item = key;
        out.push_back(f);
    }
}

void addCrewLinkTable(std::vector<Field>& out) {
    for (int entry = 0; entry < layout::kCrewEntryCount; ++entry)
        for (int column = 0; column < 2; ++column) {
            const bool fleet = column == 0;
            Field f;
            f.offset = layout::crewEntryOffset(entry + 1) + (fleet ? 0 : 1);
            f.size = fleet ? 1 : 2;
            f.naming = {.window = StrId::TitleCrewLink,
                        .part = StrId::CrewLinkTabFleetIdTable,
                        .number = entry + 1,
                        .label = fleet ? StrId::CrewLinkFleetHeader : StrId::CrewLinkIdHeader};
            f.place = {.command = cmd::CrewLink,
                       .tab = 1,
                       .row = entry + 1,
                       .column = column + 1,
                       .control = feature::kCrewGridId};
            f.range = fleet ? FieldRange{100, 349, 1, 0, true} : FieldRange{1000, 4999, 1, 0, true};
            f.show = &crewCellText;
            f.item = entry * 2 + column;
            out.push_back(f);
        }
}

} // namespace

void addSettingsFields(std::vector<Field>& out) {
    static constexpr int kDtmfCodes[] = {feature::dtmf::IdCode, feature::dtmf::StunCode};
    addFormRows(out, {feature::kFeatureFieldTable,
                      cmd::OptionalFeatures,
                      StrId::TitleOptionalFeatures,
                      &formText<feature::FeatureForm>,
                      kFeatureExtras,
                      &feature::featureRowVisible,
                      {}});
    addKeys(out);
    addFormRows(out, {feature::kScanFieldTable,
                      cmd::ScanInformation,
                      StrId::TitleScanInformation,
                      &formText<feature::ScanForm>,
                      kScanExtras,
                      &everyRowVisible,
                      {}});
    addFormRows(out, {feature::kDtmfFieldTable, cmd::Dtmf, StrId::TitleDtmf,
                      &formText<feature::DtmfForm>, kDtmfExtras, &everyRowVisible, kDtmfCodes});
    addFormRows(out, {feature::kCrewLinkFieldTable,
                      cmd::CrewLink,
                      StrId::TitleCrewLink,
                      &formText<feature::CrewLinkForm>,
                      kCrewExtras,
                      &everyRowVisible,
                      {}});
    addCrewLinkTable(out);
}

} // namespace tsw::fields::detail
