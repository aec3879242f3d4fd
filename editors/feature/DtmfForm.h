#pragma once
// DTMF: dialling speed and timing, D-code assignment and side tone (tab 0); the radio's own ID,
// group code, auto reset, call alert, transpond and the stun code (tab 1); a grid of eight
// DTMF codes (tab 2) that the form keeps only while it is open: the image has no place for it.

#include <array>
#include <string>

#include "app/ImageLayout.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

namespace dtmf {
enum Row : int {
    // tab 0
    Speed,
    FirstDigitTime,
    FirstDigitDelay,
    StarHashTone,
    DCodeAssignment,
    SideTone,
    // tab 1
    IdCode,
    GroupCode,
    AutoResetTimer,
    CallAlert,
    Transpond,
    ClearToTranspond,
    StunGroup,
    StunCode,
    StunType,
    RowCount
};
} // namespace dtmf

// Image map:
//   110 speed code 0..3 (6, 8, 10, 15 digit/s)   111 first digit time code (0, 100, 500, 1000 ms)
//   112 first digit delay x10 ms (10..100)       113 * and # tone code (as 111)
//   114 D code assignment 0..16                  115 side tone (0 off)
//   116 group code (0, 'A'..'D', '#', '*')       117 auto reset timer s (0 off, 1..15)
//   118 call alert code   119 transpond code     11A clear to transpond (1 ticked)
//   120..129 ID code: up to 10 characters, then 0xFF
//   1F0..1F9 stun code: up to 10 DTMF characters, then 0xFF     1FA stun type code (0xFF = 0)
inline constexpr std::array<FieldRow, dtmf::RowCount> kDtmfFieldTable{{
    // label, value, spin, label string, kind, byte, size, edit mode, limit, fixed pitch, tab
    {1066, 1067, 1068, StrId::DtmfSpeedLabel, FieldKind::Number, layout::kDtmfSpeed, 1, 2, 2},
    {1069, 1070, 1071, StrId::DtmfFirstDigitTimeLabel, FieldKind::Number,
     layout::kDtmfFirstDigitTime, 1, 2, 4},
    {1072, 1073, 1074, StrId::DtmfFirstDigitDelayLabel, FieldKind::Number,
     layout::kDtmfFirstDigitDelay, 1, 2, 4},
    {1075, 1076, 1077, StrId::DtmfStarHashToneLabel, FieldKind::Number, layout::kDtmfStarHashTone,
     1, 2, 4},
    {1078, 1079, 1080, StrId::DtmfDCodeAssignmentLabel, FieldKind::Number,
     layout::kDtmfDCodeAssignment, 1, 2, 2},
    {1272, 1272, 0, StrId::DtmfSideToneLabel, FieldKind::Check, layout::kDtmfSideTone, 1},
    {1085, 1086, 0, StrId::DtmfIdCodeLabel, FieldKind::Text, layout::kDtmfIdCode,
     layout::kDtmfIdCodeLength, 2, 10, true, 1},
    {1087, 1088, 0, StrId::DtmfGroupCodeLabel, FieldKind::List, layout::kDtmfGroupCode, 1, 0, 0,
     false, 1},
    {1089, 1090, 1091, StrId::DtmfAutoResetTimerLabel, FieldKind::Number,
     layout::kDtmfAutoResetTimer, 1, 2, 2, false, 1},
    {1092, 1093, 0, StrId::DtmfCallAlertLabel, FieldKind::List, layout::kDtmfCallAlert, 1, 0, 0,
     false, 1},
    {1094, 1095, 0, StrId::DtmfTranspondLabel, FieldKind::List, layout::kDtmfTranspond, 1, 0, 0,
     false, 1},
    {1273, 1273, 0, StrId::DtmfClearToTranspondLabel, FieldKind::Check,
     layout::kDtmfClearToTranspond, 1, 0, 0, false, 1},
    {1349, 0, 0, StrId::DtmfStunGroup, FieldKind::Group, kNoBytes, 0, 0, 0, false, 1},
    {1352, 1351, 0, StrId::DtmfStunCodeLabel, FieldKind::Text, layout::kDtmfStunCode,
     layout::kDtmfStunCodeLength, 5, 10, true, 1},
    {1353, 1350, 0, StrId::DtmfStunTypeLabel, FieldKind::List, layout::kDtmfStunType, 1, 0, 0,
     false, 1},
}};
static_assert(fieldsInsideImage(kDtmfFieldTable));
static_assert(kDtmfFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kDtmfFieldTable));
static_assert(fieldsCover(kDtmfFieldTable, layout::kDtmfSettings,
                          layout::kDtmfClearToTranspond + 1));
static_assert(fieldsCover(kDtmfFieldTable, layout::kDtmfStunCode, layout::kDtmfStunType + 1));

inline constexpr int kDtmfHelpContext = 155;
inline constexpr int kDtmfTabControl = 1285;
inline constexpr std::array<StringId, 3> kDtmfTabCaptions{
    StrId::DtmfTabSettings, StrId::DtmfTabIdCode, StrId::DtmfCodeHeader};
// The code grid of tab 2: number and code columns, eight rows.
inline constexpr int kDtmfGridId = 1262;
inline constexpr int kDtmfGridEditId = 1290; // also F1's help context on the grid
inline constexpr int kDtmfGridRows = 8;
inline constexpr std::size_t kDtmfGridCodeLength = 16;
inline constexpr std::array<StringId, 2> kDtmfGridHeaders{StrId::NumberHeader,
                                                          StrId::DtmfCodeHeader};
inline constexpr std::array<int, 2> kDtmfGridColumnTwips{600, 2250};

class DtmfForm : public FieldForm {
public:
    DtmfForm(RadioImage& image, TextLookup text = tr);

    std::span<const FieldRow> rows() const override { return kDtmfFieldTable; }
    std::optional<std::string> text(int row) const override;
    std::span<const ListEntry> listEntries(int row) const override;
    int listIndex(int row) const override;
    bool checked(int row) const override;
    bool enabled(int row) const override;

    Commit commitText(int row, std::string_view typed) override;
    Commit step(int row, int direction, std::string_view typed) override;
    Commit commitList(int row, int index) override;
    Commit commitCheck(int row, bool on) override;

    // The code grid (rows 0..7).
    const std::string& gridCode(int row) const;
    void setGridCode(int row, std::string_view code);

private:
    Commit commitIdCode(std::string_view typed);
    Commit commitStunCode(std::string_view typed);

    RadioImage& image_;
    TextLookup text_;
    std::string rememberedId_; // the last ID code accepted (or shown at opening)
    std::array<std::string, kDtmfGridRows> gridCodes_;
};

// What row `row` of the DTMF form shows for the image (the ID code as stored). Printing too.
std::optional<std::string> dtmfRowText(const RadioImage& image, int row, const TextLookup& text);

} // namespace tsw::feature
