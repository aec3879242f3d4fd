#pragma once
// Optional Features: the radio-wide settings in the 22 bytes 0x12A..0x13F (time-out timer and
// its companions, squelch, microphone, voice, calling alert tone, battery save, beep,
// scrambler, VOX, self programming). Every field is stored the moment it is committed.

#include <array>

#include "app/ImageLayout.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

namespace feat {
enum Row : int {
    TimeOutTimer,
    TotPreAlert,
    SquelchLevel,
    MicSensitivity,
    VoiceAnnunciation,
    BatterySave,
    Beep,
    ScramblerActivation,
    ScramblerBackup,
    PttIdGroup,
    PttIdType,
    PttId,
    BeginOfTx,
    EndOfTx,
    VoxGroup,
    VoxFunction,
    VoxGainLevel,
    VoxDelayTime,
    CanceledByPtt,
    VoxProceedTone,
    TxInhibitOnBusy,
    ModeGroup,
    CloneMode,
    SelfProgramming,
    CallingAlertTone,
    TotRekeyTime,
    TotResetTime,
    RowCount
};
} // namespace feat

// Image map, one unsigned byte per field (check boxes 1 ticked / 0 clear):
//   12A rekey time   12B reset time   12C scrambler act.  12D scrambler backup
//   12E alert tone   12F voice ann.   130 TOT (x15 s)     131 TOT pre-alert
//   132 PTT ID *     133 PTT ID type* 134 squelch         135 battery save
//   136 beep         137 cancel/PTT   138 TX inhibit      139 VOX function
//   13A VOX gain     13B VOX delay    13C VOX proceed     13D mic sensitivity
//   13E clone mode*  13F self prog.   140..14F begin of TX code*  150..15F end of TX code*
//   (* hidden in the form: passed through unchanged)
inline constexpr std::array<FieldRow, feat::RowCount> kFeatureFieldTable{{
    {.index = feat::TimeOutTimer,
     .labelId = 1009,
     .valueId = 1239,
     .spinId = 1240,
     .label = StrId::FeatureTimeOutTimerLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatTimeOutTimer,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 3},
    {.index = feat::TotPreAlert,
     .labelId = 1238,
     .valueId = 1241,
     .spinId = 1242,
     .label = StrId::FeatureTotPreAlertLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatTotPreAlert,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = feat::SquelchLevel,
     .labelId = 1008,
     .valueId = 1010,
     .spinId = 1012,
     .label = StrId::FeatureSquelchLevelLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatSquelchLevel,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 1},
    {.index = feat::MicSensitivity,
     .labelId = 1243,
     .valueId = 1244,
     .label = StrId::FeatureMicSensitivityLabel,
     .kind = FieldKind::List,
     .offset = layout::kFeatMicSensitivity,
     .size = 1},
    {.index = feat::VoiceAnnunciation,
     .labelId = 1246,
     .valueId = 1245,
     .label = StrId::FeatureVoiceAnnunciationLabel,
     .kind = FieldKind::List,
     .offset = layout::kFeatVoiceAnnunciation,
     .size = 1},
    {.index = feat::BatterySave,
     .labelId = 1276,
     .valueId = 1276,
     .label = StrId::FeatureBatterySaveLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatBatterySave,
     .size = 1},
    {.index = feat::Beep,
     .labelId = 1277,
     .valueId = 1277,
     .label = StrId::FeatureBeepLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatBeep,
     .size = 1},
    {.index = feat::ScramblerActivation,
     .labelId = 1280,
     .valueId = 1280,
     .label = StrId::FeatureScramblerActivationLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatScramblerActivation,
     .size = 1},
    {.index = feat::ScramblerBackup,
     .labelId = 1286,
     .valueId = 1286,
     .label = StrId::FeatureScramblerBackupLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatScramblerBackup,
     .size = 1},
    {.index = feat::PttIdGroup,
     .labelId = 1284,
     .label = StrId::PttIdLabel,
     .kind = FieldKind::Hidden},
    {.index = feat::PttIdType,
     .labelId = 1029,
     .valueId = 1030,
     .label = StrId::PttIdTypeLabel,
     .kind = FieldKind::Hidden,
     .offset = layout::kFeatPttIdType,
     .size = 1},
    {.index = feat::PttId,
     .labelId = 1214,
     .valueId = 1331,
     .label = StrId::PttIdLabel,
     .kind = FieldKind::Hidden,
     .offset = layout::kFeatPttId,
     .size = 1},
    {.index = feat::BeginOfTx,
     .labelId = 1031,
     .valueId = 1032,
     .label = StrId::FeaturePttIdBeginLabel,
     .kind = FieldKind::Hidden,
     .offset = layout::kPttIdBeginCode,
     .size = layout::kPttIdCodeLength,
     .editMode = filter::Dtmf,
     .textLimit = 16,
     .fixedPitch = true},
    {.index = feat::EndOfTx,
     .labelId = 1033,
     .valueId = 1034,
     .label = StrId::FeaturePttIdEndLabel,
     .kind = FieldKind::Hidden,
     .offset = layout::kPttIdEndCode,
     .size = layout::kPttIdCodeLength,
     .editMode = filter::Dtmf,
     .textLimit = 16,
     .fixedPitch = true},
    {.index = feat::VoxGroup,
     .labelId = 1017,
     .label = StrId::FeatureVoxGroup,
     .kind = FieldKind::Group},
    {.index = feat::VoxFunction,
     .labelId = 1266,
     .valueId = 1266,
     .label = StrId::FeatureVoxFunctionLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatVoxFunction,
     .size = 1},
    {.index = feat::VoxGainLevel,
     .labelId = 1020,
     .valueId = 1021,
     .spinId = 1022,
     .label = StrId::FeatureVoxGainLevelLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatVoxGainLevel,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = feat::VoxDelayTime,
     .labelId = 1231,
     .valueId = 1267,
     .label = StrId::FeatureVoxDelayTimeLabel,
     .kind = FieldKind::List,
     .offset = layout::kFeatVoxDelayTime,
     .size = 1},
    {.index = feat::CanceledByPtt,
     .labelId = 1268,
     .valueId = 1268,
     .label = StrId::FeatureCanceledByPttLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatCanceledByPtt,
     .size = 1},
    {.index = feat::VoxProceedTone,
     .labelId = 1270,
     .valueId = 1270,
     .label = StrId::FeatureVoxProceedToneLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatVoxProceedTone,
     .size = 1},
    {.index = feat::TxInhibitOnBusy,
     .labelId = 1269,
     .valueId = 1269,
     .label = StrId::FeatureTxInhibitOnBusyLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatTxInhibitOnBusy,
     .size = 1},
    {.index = feat::ModeGroup,
     .labelId = 1035,
     .label = StrId::FeatureModeGroup,
     .kind = FieldKind::Group},
    {.index = feat::CloneMode,
     .labelId = 1341,
     .valueId = 1341,
     .label = StrId::FeatureCloneModeLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatCloneMode,
     .size = 1},
    {.index = feat::SelfProgramming,
     .labelId = 1355,
     .valueId = 1355,
     .label = StrId::FeatureSelfProgrammingLabel,
     .kind = FieldKind::Check,
     .offset = layout::kFeatSelfProgramming,
     .size = 1},
    {.index = feat::CallingAlertTone,
     .labelId = 1356,
     .valueId = 1357,
     .spinId = 1305,
     .label = StrId::FeatureCallingAlertToneLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatCallingAlertTone,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = feat::TotRekeyTime,
     .labelId = 1367,
     .valueId = 1368,
     .spinId = 1366,
     .label = StrId::FeatureTotRekeyTimeLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatTotRekeyTime,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = feat::TotResetTime,
     .labelId = 1370,
     .valueId = 1371,
     .spinId = 1369,
     .label = StrId::FeatureTotResetTimeLabel,
     .kind = FieldKind::Number,
     .offset = layout::kFeatTotResetTime,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
}};
static_assert(rowsAtTheirIndex(kFeatureFieldTable));
static_assert(fieldsInsideImage(kFeatureFieldTable));
static_assert(kFeatureFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kFeatureFieldTable));
static_assert(fieldsCover(kFeatureFieldTable, layout::kOptionalFeatures, layout::kScanSettings),
              "every byte from 0x12A to 0x15F belongs to exactly one row");

inline constexpr int kFeatureHelpContext = 152;

// The PTT ID group and the Clone Mode box are hidden: the form keeps their bytes unchanged.
bool featureRowVisible(int row);
inline constexpr int kCallTonePreviewButton = 1379;

class FeatureForm : public FieldForm {
public:
    FeatureForm(RadioImage& image, TextLookup text = tr);

    std::span<const FieldRow> rows() const override { return kFeatureFieldTable; }
    // The PTT ID group and the Clone Mode box are hidden.
    bool visible(int row) const;

    std::optional<std::string> text(int row) const override;
    std::span<const ListEntry> listEntries(int row) const override;
    int listIndex(int row) const override;
    bool checked(int row) const override;
    bool enabled(int row) const override;

    Commit commitText(int row, std::string_view typed) override;
    Commit step(int row, int direction, std::string_view typed) override;
    Commit commitList(int row, int index) override;
    Commit commitCheck(int row, bool on) override;

private:
    RadioImage& image_;
    TextLookup text_;
};

// What row `row` of the Optional Features form shows for the image (nullopt: nothing, or the
// stored value is beyond the row's range and the box keeps its text). Printing uses it too.
std::optional<std::string> featureRowText(const RadioImage& image, int row, const TextLookup& text);

} // namespace tsw::feature
