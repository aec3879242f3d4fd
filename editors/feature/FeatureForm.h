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
    // label, value, spin, label string, kind, byte, size, edit mode, limit, fixed pitch
    {1009, 1239, 1240, StrId::FeatureTimeOutTimerLabel, FieldKind::Number,
     layout::kFeatTimeOutTimer, 1, 2, 3},
    {1238, 1241, 1242, StrId::FeatureTotPreAlertLabel, FieldKind::Number, layout::kFeatTotPreAlert,
     1, 2, 2},
    {1008, 1010, 1012, StrId::FeatureSquelchLevelLabel, FieldKind::Number,
     layout::kFeatSquelchLevel, 1, 2, 1},
    {1243, 1244, 0, StrId::FeatureMicSensitivityLabel, FieldKind::List, layout::kFeatMicSensitivity,
     1},
    {1246, 1245, 0, StrId::FeatureVoiceAnnunciationLabel, FieldKind::List,
     layout::kFeatVoiceAnnunciation, 1},
    {1276, 1276, 0, StrId::FeatureBatterySaveLabel, FieldKind::Check, layout::kFeatBatterySave, 1},
    {1277, 1277, 0, StrId::FeatureBeepLabel, FieldKind::Check, layout::kFeatBeep, 1},
    {1280, 1280, 0, StrId::FeatureScramblerActivationLabel, FieldKind::Check,
     layout::kFeatScramblerActivation, 1},
    {1286, 1286, 0, StrId::FeatureScramblerBackupLabel, FieldKind::Check,
     layout::kFeatScramblerBackup, 1},
    {1284, 0, 0, StrId::PttIdLabel, FieldKind::Hidden},
    {1029, 1030, 0, StrId::PttIdTypeLabel, FieldKind::Hidden, layout::kFeatPttIdType, 1},
    {1214, 1331, 0, StrId::PttIdLabel, FieldKind::Hidden, layout::kFeatPttId, 1},
    {1031, 1032, 0, StrId::FeaturePttIdBeginLabel, FieldKind::Hidden, layout::kPttIdBeginCode,
     layout::kPttIdCodeLength, 5, 16, true},
    {1033, 1034, 0, StrId::FeaturePttIdEndLabel, FieldKind::Hidden, layout::kPttIdEndCode,
     layout::kPttIdCodeLength, 5, 16, true},
    {1017, 0, 0, StrId::FeatureVoxGroup, FieldKind::Group},
    {1266, 1266, 0, StrId::FeatureVoxFunctionLabel, FieldKind::Check, layout::kFeatVoxFunction, 1},
    {1020, 1021, 1022, StrId::FeatureVoxGainLevelLabel, FieldKind::Number,
     layout::kFeatVoxGainLevel, 1, 2, 2},
    {1231, 1267, 0, StrId::FeatureVoxDelayTimeLabel, FieldKind::List, layout::kFeatVoxDelayTime, 1},
    {1268, 1268, 0, StrId::FeatureCanceledByPttLabel, FieldKind::Check, layout::kFeatCanceledByPtt,
     1},
    {1270, 1270, 0, StrId::FeatureVoxProceedToneLabel, FieldKind::Check,
     layout::kFeatVoxProceedTone, 1},
    {1269, 1269, 0, StrId::FeatureTxInhibitOnBusyLabel, FieldKind::Check,
     layout::kFeatTxInhibitOnBusy, 1},
    {1035, 0, 0, StrId::FeatureModeGroup, FieldKind::Group},
    {1341, 1341, 0, StrId::FeatureCloneModeLabel, FieldKind::Check, layout::kFeatCloneMode, 1},
    {1355, 1355, 0, StrId::FeatureSelfProgrammingLabel, FieldKind::Check,
     layout::kFeatSelfProgramming, 1},
    {1356, 1357, 1305, StrId::FeatureCallingAlertToneLabel, FieldKind::Number,
     layout::kFeatCallingAlertTone, 1, 2, 2},
    {1367, 1368, 1366, StrId::FeatureTotRekeyTimeLabel, FieldKind::Number,
     layout::kFeatTotRekeyTime, 1, 2, 2},
    {1370, 1371, 1369, StrId::FeatureTotResetTimeLabel, FieldKind::Number,
     layout::kFeatTotResetTime, 1, 2, 2},
}};
static_assert(fieldsInsideImage(kFeatureFieldTable));
static_assert(kFeatureFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kFeatureFieldTable));
static_assert(fieldsCover(kFeatureFieldTable, layout::kOptionalFeatures, layout::kScanSettings),
              "every byte from 0x12A to 0x15F belongs to exactly one row");

inline constexpr int kFeatureHelpContext = 152;
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
