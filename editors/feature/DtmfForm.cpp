#include "editors/feature/DtmfForm.h"

#include <algorithm>
#include <utility>

namespace tsw::feature {

namespace {

inline constexpr ListEntry kGroupCodeList[] = {
    {StrId::OffText, 0},         {StrId::GroupCodeA, 'A'}, {StrId::GroupCodeB, 'B'},
    {StrId::GroupCodeC, 'C'},    {StrId::GroupCodeD, 'D'}, {StrId::GroupCodeHash, '#'},
    {StrId::GroupCodeStar, '*'},
};
inline constexpr ListEntry kCallAlertList[] = {
    {StrId::OffText, 2}, {StrId::ChoiceNormal, 0}, {StrId::CallAlertContinuous, 1}};
inline constexpr ListEntry kTranspondList[] = {
    {StrId::OffText, 0}, {StrId::TranspondTone, 1}, {StrId::DtmfIdCodeLabel, 2}};
inline constexpr ListEntry kStunTypeList[] = {{StrId::StunTxInhibit, 0},
                                              {StrId::StunTxRxInhibit, 1}};

inline constexpr int kSpeedShown[] = {6, 8, 10, 15};
inline constexpr std::size_t kMinCodeLength = 3; // ID and stun codes
inline constexpr int kDCodeMax = 16;
inline constexpr int kAutoResetMax = 15;

std::size_t byteOf(int row) {
    return kDtmfFieldTable[static_cast<std::size_t>(row)].offset;
}

int speedCode(int digitsPerSecond) {
    if (digitsPerSecond >= 15)
        return 3;
    if (digitsPerSecond >= 10)
        return 2;
    return digitsPerSecond >= 8 ? 1 : 0;
}

int timeCode(int ms) {
    if (ms >= 1000)
        return 3;
    if (ms >= 500)
        return 2;
    return ms >= 100 ? 1 : 0;
}

int timeShown(int code) {
    switch (code) {
    case 1:
        return 100;
    case 2:
        return 500;
    case 3:
        return 1000;
    default:
        return 0;
    }
}

// First digit delay in 10 ms units: 100..1000 ms in 50 ms steps, rounded down.
int firstDigitDelayStored(int ms) {
    if (ms >= 1000)
        return 100;
    if (ms < 100)
        return 10;
    return ms / 50 * 5;
}

// The stored value for a typed number of tab 0 or the auto reset timer (nullopt: no such row).
std::optional<int> storedForTyped(int row, int value) {
    switch (row) {
    case dtmf::Speed:
        return speedCode(value);
    case dtmf::FirstDigitTime:
    case dtmf::StarHashTone:
        return timeCode(value);
    case dtmf::FirstDigitDelay:
        return firstDigitDelayStored(value);
    case dtmf::DCodeAssignment:
        return value >= 1 && value <= kDCodeMax ? value : 0;
    case dtmf::AutoResetTimer:
        return value <= kAutoResetMax ? value : kAutoResetMax;
    default:
        return std::nullopt;
    }
}

struct StepRange {
    int min, max, step;
};
std::optional<StepRange> stepRange(int row) {
    switch (row) {
    case dtmf::Speed:
    case dtmf::FirstDigitTime:
    case dtmf::StarHashTone:
        return StepRange{0, 3, 1};
    case dtmf::FirstDigitDelay:
        return StepRange{10, 100, 5};
    case dtmf::DCodeAssignment:
        return StepRange{0, kDCodeMax, 1};
    case dtmf::AutoResetTimer:
        return StepRange{0, kAutoResetMax, 1};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> dtmfRowText(const RadioImage& image, int row, const TextLookup& text) {
    const int stored = image.byte(byteOf(row));
    switch (row) {
    case dtmf::Speed:
        return std::to_string(stored <= 3 ? kSpeedShown[stored] : kSpeedShown[0]);
    case dtmf::FirstDigitTime:
    case dtmf::StarHashTone:
        return std::to_string(timeShown(stored));
    case dtmf::FirstDigitDelay:
        return std::to_string(stored >= 10 && stored <= 100 ? stored * 10 : 100);
    case dtmf::DCodeAssignment:
        return stored >= 1 && stored <= kDCodeMax ? std::to_string(stored) + "s"
                                                  : text(StrId::DtmfDCodeNone);
    case dtmf::AutoResetTimer:
        if (stored == 0)
            return text(StrId::OffText);
        return std::to_string(stored <= kAutoResetMax ? stored : 10);
    case dtmf::IdCode:
        return readCharacters(image, layout::kDtmfIdCode, layout::kDtmfIdCodeLength);
    case dtmf::StunCode:
        return readCharacters(image, layout::kDtmfStunCode, layout::kDtmfStunCodeLength);
    default:
        return std::nullopt;
    }
}

DtmfForm::DtmfForm(RadioImage& image, TextLookup text)
    : image_(image), text_(std::move(text)),
      rememberedId_(readCharacters(image, layout::kDtmfIdCode, layout::kDtmfIdCodeLength)) {}

std::optional<std::string> DtmfForm::text(int row) const {
    if (row == dtmf::IdCode)
        return rememberedId_;
    return dtmfRowText(image_, row, text_);
}

std::span<const ListEntry> DtmfForm::listEntries(int row) const {
    switch (row) {
    case dtmf::GroupCode:
        return kGroupCodeList;
    case dtmf::CallAlert:
        return kCallAlertList;
    case dtmf::Transpond:
        return kTranspondList;
    case dtmf::StunType:
        return kStunTypeList;
    default:
        return {};
    }
}

int DtmfForm::listIndex(int row) const {
    const int stored = image_.byte(byteOf(row));
    if (row == dtmf::StunType && stored == 0xFF)
        return 0;
    return listIndexOf(listEntries(row), stored);
}

bool DtmfForm::checked(int row) const {
    if (row == dtmf::SideTone)
        return image_.byte(layout::kDtmfSideTone) != 0;
    if (row == dtmf::ClearToTranspond)
        return image_.byte(layout::kDtmfClearToTranspond) == 1;
    return false;
}

bool DtmfForm::enabled(int row) const {
    if (row == dtmf::StunType)
        return image_.byte(layout::kDtmfStunCode) != 0xFF;
    return true;
}

Commit DtmfForm::commitText(int row, std::string_view typed) {
    if (row == dtmf::IdCode)
        return commitIdCode(typed);
    if (row == dtmf::StunCode)
        return commitStunCode(typed);
    const std::optional<int> stored = storedForTyped(row, readNumber(typed));
    if (!stored)
        return {};
    image_.setByte(byteOf(row), static_cast<std::uint8_t>(*stored));
    return Commit{}.show(row);
}

Commit DtmfForm::commitIdCode(std::string_view typed) {
    const std::string_view code = typed.substr(0, layout::kDtmfIdCodeLength);
    Commit c = Commit{}.show(dtmf::IdCode);
    if (code.size() < kMinCodeLength) {
        c.message = StrId::CodeTooShort;
        c.keepFocus = true;
        return c;
    }
    writeCharacters(image_, layout::kDtmfIdCode, layout::kDtmfIdCodeLength, code);
    rememberedId_ = code;
    return c;
}

Commit DtmfForm::commitStunCode(std::string_view typed) {
    const std::string_view code = typed.substr(0, layout::kDtmfStunCodeLength);
    Commit c = Commit{}.show(dtmf::StunCode).show(dtmf::StunType);
    if (!code.empty() && code.size() < kMinCodeLength) {
        c.message = StrId::CodeTooShort;
        c.keepFocus = true;
        return c;
    }
    writeCharacters(image_, layout::kDtmfStunCode, layout::kDtmfStunCodeLength, code);
    if (code.empty()) {
        c.focusClose = true; // stun type stays as stored, disabled
        return c;
    }
    // The stun type list is enabled again and what it shows becomes the stored type.
    if (const int index = listIndex(dtmf::StunType); index >= 0)
        image_.setByte(layout::kDtmfStunType, kStunTypeList[static_cast<std::size_t>(index)].code);
    return c;
}

Commit DtmfForm::step(int row, int direction, std::string_view typed) {
    const std::optional<StepRange> range = stepRange(row);
    if (!range)
        return {};
    commitText(row, typed);
    const int value =
        stepWrapped(image_.byte(byteOf(row)), range->min, range->max, range->step, direction);
    image_.setByte(byteOf(row), static_cast<std::uint8_t>(value));
    return Commit{}.show(row);
}

Commit DtmfForm::commitList(int row, int index) {
    const std::span<const ListEntry> entries = listEntries(row);
    if (!enabled(row) || index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return {};
    image_.setByte(byteOf(row), entries[static_cast<std::size_t>(index)].code);
    return Commit{}.show(row);
}

Commit DtmfForm::commitCheck(int row, bool on) {
    if (row != dtmf::SideTone && row != dtmf::ClearToTranspond)
        return {};
    image_.setByte(byteOf(row), on ? 1 : 0);
    return Commit{}.show(row);
}

const std::string& DtmfForm::gridCode(int row) const {
    static const std::string kNone;
    if (row < 0 || row >= kDtmfGridRows)
        return kNone;
    return gridCodes_[static_cast<std::size_t>(row)];
}

void DtmfForm::setGridCode(int row, std::string_view code) {
    if (row < 0 || row >= kDtmfGridRows)
        return;
    gridCodes_[static_cast<std::size_t>(row)] = code.substr(0, kDtmfGridCodeLength);
}

} // namespace tsw::feature
