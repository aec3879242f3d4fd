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
    {.index = dtmf::Speed,
     .labelId = 1066,
     .valueId = 1067,
     .spinId = 1068,
     .label = StrId::DtmfSpeedLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfSpeed,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = dtmf::FirstDigitTime,
     .labelId = 1069,
     .valueId = 1070,
     .spinId = 1071,
     .label = StrId::DtmfFirstDigitTimeLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfFirstDigitTime,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 4},
    {.index = dtmf::FirstDigitDelay,
     .labelId = 1072,
     .valueId = 1073,
     .spinId = 1074,
     .label = StrId::DtmfFirstDigitDelayLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfFirstDigitDelay,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 4},
    {.index = dtmf::StarHashTone,
     .labelId = 1075,
     .valueId = 1076,
     .spinId = 1077,
     .label = StrId::DtmfStarHashToneLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfStarHashTone,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 4},
    {.index = dtmf::DCodeAssignment,
     .labelId = 1078,
     .valueId = 1079,
     .spinId = 1080,
     .label = StrId::DtmfDCodeAssignmentLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfDCodeAssignment,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = dtmf::SideTone,
     .labelId = 1272,
     .valueId = 1272,
     .label = StrId::DtmfSideToneLabel,
     .kind = FieldKind::Check,
     .offset = layout::kDtmfSideTone,
     .size = 1},
    {.index = dtmf::IdCode,
     .labelId = 1085,
     .valueId = 1086,
     .label = StrId::DtmfIdCodeLabel,
     .kind = FieldKind::Text,
     .offset = layout::kDtmfIdCode,
     .size = layout::kDtmfIdCodeLength,
     .editMode = filter::Digits,
     .textLimit = 10,
     .fixedPitch = true,
     .tab = 1},
    {.index = dtmf::GroupCode,
     .labelId = 1087,
     .valueId = 1088,
     .label = StrId::DtmfGroupCodeLabel,
     .kind = FieldKind::List,
     .offset = layout::kDtmfGroupCode,
     .size = 1,
     .tab = 1},
    {.index = dtmf::AutoResetTimer,
     .labelId = 1089,
     .valueId = 1090,
     .spinId = 1091,
     .label = StrId::DtmfAutoResetTimerLabel,
     .kind = FieldKind::Number,
     .offset = layout::kDtmfAutoResetTimer,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2,
     .tab = 1},
    {.index = dtmf::CallAlert,
     .labelId = 1092,
     .valueId = 1093,
     .label = StrId::DtmfCallAlertLabel,
     .kind = FieldKind::List,
     .offset = layout::kDtmfCallAlert,
     .size = 1,
     .tab = 1},
    {.index = dtmf::Transpond,
     .labelId = 1094,
     .valueId = 1095,
     .label = StrId::DtmfTranspondLabel,
     .kind = FieldKind::List,
     .offset = layout::kDtmfTranspond,
     .size = 1,
     .tab = 1},
    {.index = dtmf::ClearToTranspond,
     .labelId = 1273,
     .valueId = 1273,
     .label = StrId::DtmfClearToTranspondLabel,
     .kind = FieldKind::Check,
     .offset = layout::kDtmfClearToTranspond,
     .size = 1,
     .tab = 1},
    {.index = dtmf::StunGroup,
     .labelId = 1349,
     .label = StrId::DtmfStunGroup,
     .kind = FieldKind::Group,
     .tab = 1},
    {.index = dtmf::StunCode,
     .labelId = 1352,
     .valueId = 1351,
     .label = StrId::DtmfStunCodeLabel,
     .kind = FieldKind::Text,
     .offset = layout::kDtmfStunCode,
     .size = layout::kDtmfStunCodeLength,
     .editMode = filter::Dtmf,
     .textLimit = 10,
     .fixedPitch = true,
     .tab = 1},
    {.index = dtmf::StunType,
     .labelId = 1353,
     .valueId = 1350,
     .label = StrId::DtmfStunTypeLabel,
     .kind = FieldKind::List,
     .offset = layout::kDtmfStunType,
     .size = 1,
     .tab = 1},
}};
static_assert(rowsAtTheirIndex(kDtmfFieldTable));
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
