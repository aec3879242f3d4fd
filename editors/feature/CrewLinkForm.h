#pragma once
// CrewLink signalling: the radio's own fleet and ID, modulation delay, baud rate, message mode
// timer and PTT ID side tone (tab 0, 0x170..0x178), and a table of eight fleet/ID entries
// (tab 1, 0x1C0..0x1CB and 0x1D0..0x1DB).

#include <array>

#include "app/ImageLayout.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

namespace crew {
enum Row : int { OwnFleet, OwnId, ModulationDelay, BaudRate, MessageModeTimer, SideTone, RowCount };
enum class Column { Fleet, Id };
} // namespace crew

// Image map of tab 0:
//   170 own fleet: 1..250 = fleet 100..349, 0xFF none
//   171..172 own ID (LE): 1..4000 = ID 1000..4999, 0 none
//   173..174 data TX modulation delay ms (LE), 0..6000
//   175 baud rate code 0/1   176..177 message mode timer s (LE), 0 off, ..300
//   178 PTT ID side tone (1 ticked)
inline constexpr std::array<FieldRow, crew::RowCount> kCrewLinkFieldTable{{
    {.index = crew::OwnFleet,
     .labelId = 1102,
     .valueId = 1103,
     .spinId = 1111,
     .label = StrId::CrewLinkOwnFleetLabel,
     .kind = FieldKind::Number,
     .offset = layout::kCrewOwnFleet,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 3,
     .fixedPitch = true},
    {.index = crew::OwnId,
     .labelId = 1104,
     .valueId = 1105,
     .spinId = 1121,
     .label = StrId::CrewLinkOwnIdLabel,
     .kind = FieldKind::Number,
     .offset = layout::kCrewOwnId,
     .size = 2,
     .editMode = filter::Digits,
     .textLimit = 4,
     .fixedPitch = true},
    {.index = crew::ModulationDelay,
     .labelId = 1106,
     .valueId = 1107,
     .spinId = 1108,
     .label = StrId::CrewLinkModulationDelayLabel,
     .kind = FieldKind::Number,
     .offset = layout::kCrewModulationDelay,
     .size = 2,
     .editMode = filter::Digits,
     .textLimit = 4},
    {.index = crew::BaudRate,
     .labelId = 1109,
     .valueId = 1110,
     .label = StrId::CrewLinkBaudRateLabel,
     .kind = FieldKind::List,
     .offset = layout::kCrewBaudRate,
     .size = 1},
    {.index = crew::MessageModeTimer,
     .labelId = 1113,
     .valueId = 1114,
     .spinId = 1120,
     .label = StrId::CrewLinkMessageModeTimerLabel,
     .kind = FieldKind::Number,
     .offset = layout::kCrewMessageModeTimer,
     .size = 2,
     .editMode = filter::Digits,
     .textLimit = 3},
    {.index = crew::SideTone,
     .labelId = 1275,
     .valueId = 1275,
     .label = StrId::CrewLinkPttIdSideToneLabel,
     .kind = FieldKind::Check,
     .offset = layout::kCrewSideTone,
     .size = 1},
}};
static_assert(rowsAtTheirIndex(kCrewLinkFieldTable));
static_assert(fieldsInsideImage(kCrewLinkFieldTable));
static_assert(kCrewLinkFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kCrewLinkFieldTable));
static_assert(fieldsCover(kCrewLinkFieldTable, layout::kCrewOwnFleet, layout::kCrewSideTone + 1));

// The fleet/ID table, entry e (1..8) at crewEntryOffset(e):
//   +0 fleet: 0 all, 1..250 = 100..349, 0xFF (or 251..254) empty
//   +1..2 ID (LE): 0 all, 1..4000 = 1000..4999, other values (0xFFFF) empty
//   0x1C0 e1 e1 e1 e2 e2 e2 e3 e3 e3 e4 e4 e4 | 1CC..1CF not ours | 0x1D0 e5 .. e8 .. 0x1DB
constexpr std::array<FieldRow, 2 * layout::kCrewEntryCount> crewTableFields() {
    std::array<FieldRow, 2 * layout::kCrewEntryCount> rows{};
    for (int e = 1; e <= layout::kCrewEntryCount; ++e) {
        const std::size_t at = layout::crewEntryOffset(e);
        const auto i = static_cast<std::size_t>(2 * (e - 1));
        rows[i] = {.labelId = 1324,
                   .valueId = 1324,
                   .label = StrId::CrewLinkFleetHeader,
                   .kind = FieldKind::Grid,
                   .offset = at,
                   .size = 1,
                   .editMode = filter::DigitsOrA,
                   .textLimit = 3};
        rows[i + 1] = {.labelId = 1324,
                       .valueId = 1324,
                       .label = StrId::CrewLinkIdHeader,
                       .kind = FieldKind::Grid,
                       .offset = at + 1,
                       .size = 2,
                       .editMode = filter::DigitsOrA,
                       .textLimit = 4};
    }
    return rows;
}
inline constexpr auto kCrewTableFields = crewTableFields();
static_assert(fieldsInsideImage(kCrewTableFields));
static_assert(fieldsDisjoint(kCrewTableFields));
static_assert(fieldsCover(kCrewTableFields, layout::kCrewTableLow, layout::kCrewTableLow + 12));
static_assert(fieldsCover(kCrewTableFields, layout::kCrewTableHigh, layout::kCrewTableHigh + 12));
static_assert(
    [] {
        for (const FieldRow& r : kCrewTableFields)
            if (r.offset < layout::kCrewTableHigh && r.offset + r.size > layout::kCrewTableLow + 12)
                return false;
        return true;
    }(),
    "bytes 0x1CC..0x1CF belong to no table entry");

inline constexpr int kCrewLinkHelpContext = 156;
inline constexpr int kCrewLinkTabControl = 1323;
inline constexpr std::array<StringId, 2> kCrewLinkTabCaptions{StrId::TitleCrewLink,
                                                              StrId::CrewLinkTabFleetIdTable};
inline constexpr int kCrewGridId = 1264;
inline constexpr int kCrewGridEditId = 1324; // also F1's help context on the grid
inline constexpr std::array<StringId, 3> kCrewGridHeaders{
    StrId::NumberHeader, StrId::CrewLinkFleetHeader, StrId::CrewLinkIdHeader};
inline constexpr std::array<int, 3> kCrewGridColumnTwips{600, 1200, 1200};

class CrewLinkForm : public FieldForm {
public:
    CrewLinkForm(RadioImage& image, TextLookup text = tr);

    std::span<const FieldRow> rows() const override { return kCrewLinkFieldTable; }
    std::optional<std::string> text(int row) const override;
    std::span<const ListEntry> listEntries(int row) const override;
    int listIndex(int row) const override;
    bool checked(int row) const override;

    Commit commitText(int row, std::string_view typed) override;
    Commit step(int row, int direction, std::string_view typed) override;
    Commit commitList(int row, int index) override;
    Commit commitCheck(int row, bool on) override;

    // The fleet/ID table, entries 0..7. A commit re-shows both cells of its entry.
    std::string cellText(int entry, crew::Column column) const;
    void commitCell(int entry, crew::Column column, std::string_view typed);

private:
    RadioImage& image_;
    TextLookup text_;
};

// What row `row` of tab 0 shows, and what a table cell shows (entries 0..7). Printing too.
std::optional<std::string> crewLinkRowText(const RadioImage& image, int row,
                                           const TextLookup& text);
std::string crewLinkCellText(const RadioImage& image, int entry, crew::Column column,
                             const TextLookup& text);

} // namespace tsw::feature
