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
    // label, value, spin, label string, kind, byte, size, edit mode, limit, fixed pitch
    {1102, 1103, 1111, StrId::CrewLinkOwnFleetLabel, FieldKind::Number, layout::kCrewOwnFleet, 1, 2,
     3, true},
    {1104, 1105, 1121, StrId::CrewLinkOwnIdLabel, FieldKind::Number, layout::kCrewOwnId, 2, 2, 4,
     true},
    {1106, 1107, 1108, StrId::CrewLinkModulationDelayLabel, FieldKind::Number,
     layout::kCrewModulationDelay, 2, 2, 4},
    {1109, 1110, 0, StrId::CrewLinkBaudRateLabel, FieldKind::List, layout::kCrewBaudRate, 1},
    {1113, 1114, 1120, StrId::CrewLinkMessageModeTimerLabel, FieldKind::Number,
     layout::kCrewMessageModeTimer, 2, 2, 3},
    {1275, 1275, 0, StrId::CrewLinkPttIdSideToneLabel, FieldKind::Check, layout::kCrewSideTone, 1},
}};
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
        rows[i] = {1324, 1324, 0, StrId::CrewLinkFleetHeader, FieldKind::Grid, at, 1, 21, 3};
        rows[i + 1] = {1324, 1324, 0, StrId::CrewLinkIdHeader, FieldKind::Grid, at + 1, 2, 21, 4};
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
