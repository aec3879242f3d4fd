#include "editors/feature/FeatureForm.h"

#include <algorithm>
#include <utility>

namespace tsw::feature {

namespace {

inline constexpr ListEntry kMicSensitivityList[] = {{StrId::ChoiceNormal, 0},
                                                    {StrId::ChoiceHigh, 1}};
inline constexpr ListEntry kVoiceAnnunciationList[] = {{StrId::OffText, 0},
                                                       {StrId::VoiceAnnunciationEnglish, 2}};
inline constexpr ListEntry kVoxDelayList[] = {
    {StrId::VoxDelay0, 0}, {StrId::VoxDelay1, 1}, {StrId::VoxDelay2, 2},
    {StrId::VoxDelay3, 3}, {StrId::VoxDelay4, 4}, {StrId::VoxDelay5, 5},
};

// The number rows: stored range stepped by the spin button, and whether 0 shows "Off".
struct NumberRule {
    int row;
    int min;
    int max;
    bool zeroIsOff;
};
inline constexpr NumberRule kNumberRules[] = {
    {feat::TimeOutTimer, 1, 40, false},    // 15..600 s in 15 s steps
    {feat::TotPreAlert, 0, 10, true},      //
    {feat::SquelchLevel, 0, 9, false},     //
    {feat::VoxGainLevel, 0, 10, true},     //
    {feat::CallingAlertTone, 0, 9, false}, // shown as 1..10
    {feat::TotRekeyTime, 0, 60, true},     //
    {feat::TotResetTime, 0, 15, true},     //
};

const NumberRule* numberRule(int row) {
    for (const NumberRule& r : kNumberRules)
        if (r.row == row)
            return &r;
    return nullptr;
}

std::size_t byteOf(int row) {
    return kFeatureFieldTable[static_cast<std::size_t>(row)].offset;
}

bool isVoxDependent(int row) {
    return row == feat::VoxGainLevel || row == feat::VoxDelayTime || row == feat::CanceledByPtt ||
           row == feat::VoxProceedTone || row == feat::TxInhibitOnBusy;
}

// The time-out timer takes seconds: at most 15 s is 15 s, at least 600 s is 600 s, anything
// between rounds up to the next 15 s.
int timeOutTimerSteps(int seconds) {
    if (seconds <= 15)
        return 1;
    if (seconds >= 600)
        return 40;
    return (seconds + 14) / 15;
}

// The stored value for a number typed into a number row (nullopt: the text is left alone).
std::optional<int> storedForTyped(int row, std::string_view typed, const TextLookup& text) {
    if (row == feat::VoxGainLevel && !typed.empty() && typed == text(StrId::OffText))
        return std::nullopt;
    const int value = readNumber(typed);
    switch (row) {
    case feat::TimeOutTimer:
        return timeOutTimerSteps(value);
    case feat::CallingAlertTone:
        return value == 0 ? 0 : std::min(value, 10) - 1;
    default:
        break;
    }
    const NumberRule* rule = numberRule(row);
    if (rule == nullptr)
        return std::nullopt;
    return std::min(value, rule->max);
}

} // namespace

std::optional<std::string> featureRowText(const RadioImage& image, int row,
                                          const TextLookup& text) {
    const NumberRule* rule = numberRule(row);
    if (rule == nullptr)
        return std::nullopt;
    const int stored = image.byte(byteOf(row));
    if (row == feat::TimeOutTimer)
        return std::to_string(stored * 15);
    if (row == feat::CallingAlertTone)
        return std::to_string(stored + 1);
    if (stored == 0 && rule->zeroIsOff)
        return text(StrId::OffText);
    if (stored > rule->max)
        return std::nullopt;
    return std::to_string(stored);
}

FeatureForm::FeatureForm(RadioImage& image, TextLookup text)
    : image_(image), text_(std::move(text)) {}

bool featureRowVisible(int row) {
    if (row < 0 || row >= feat::RowCount)
        return false;
    const FieldRow& r = kFeatureFieldTable[static_cast<std::size_t>(row)];
    return r.kind != FieldKind::Hidden && row != feat::CloneMode;
}

bool FeatureForm::visible(int row) const {
    return featureRowVisible(row);
}

std::optional<std::string> FeatureForm::text(int row) const {
    return featureRowText(image_, row, text_);
}

std::span<const ListEntry> FeatureForm::listEntries(int row) const {
    switch (row) {
    case feat::MicSensitivity:
        return kMicSensitivityList;
    case feat::VoiceAnnunciation:
        return kVoiceAnnunciationList;
    case feat::VoxDelayTime:
        return kVoxDelayList;
    default:
        return {};
    }
}

int FeatureForm::listIndex(int row) const {
    return listIndexOf(listEntries(row), image_.byte(byteOf(row)));
}

bool FeatureForm::checked(int row) const {
    if (kFeatureFieldTable[static_cast<std::size_t>(row)].kind != FieldKind::Check)
        return false;
    if (row == feat::ScramblerBackup && !enabled(row))
        return false; // shown clear while the scrambler is active; the byte keeps its value
    return image_.byte(byteOf(row)) != 0;
}

bool FeatureForm::enabled(int row) const {
    if (!visible(row))
        return false;
    if (row == feat::ScramblerBackup)
        return image_.byte(layout::kFeatScramblerActivation) == 0;
    if (isVoxDependent(row))
        return image_.byte(layout::kFeatVoxFunction) != 0;
    return true;
}

Commit FeatureForm::commitText(int row, std::string_view typed) {
    if (!enabled(row) || numberRule(row) == nullptr)
        return {};
    const std::optional<int> stored = storedForTyped(row, typed, text_);
    if (!stored)
        return {};
    image_.setByte(byteOf(row), static_cast<std::uint8_t>(*stored));
    return Commit{}.show(row);
}

Commit FeatureForm::step(int row, int direction, std::string_view /*typed*/) {
    const NumberRule* rule = numberRule(row);
    if (!enabled(row) || rule == nullptr)
        return {};
    const int value = stepWrapped(image_.byte(byteOf(row)), rule->min, rule->max, 1, direction);
    image_.setByte(byteOf(row), static_cast<std::uint8_t>(value));
    return Commit{}.show(row);
}

Commit FeatureForm::commitList(int row, int index) {
    const std::span<const ListEntry> entries = listEntries(row);
    if (!enabled(row) || index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    image_.setByte(byteOf(row), entries[static_cast<std::size_t>(index)].code);
    return Commit{}.show(row);
}

Commit FeatureForm::commitCheck(int row, bool on) {
    if (!enabled(row) || kFeatureFieldTable[static_cast<std::size_t>(row)].kind != FieldKind::Check)
        return {};
    image_.setByte(byteOf(row), on ? 1 : 0);
    Commit c = Commit{}.show(row);
    if (row == feat::ScramblerActivation)
        c.show(feat::ScramblerBackup);
    if (row == feat::VoxFunction)
        for (int r = feat::VoxGainLevel; r <= feat::TxInhibitOnBusy; ++r)
            c.show(r);
    return c;
}

} // namespace tsw::feature
