#pragma once
// What the channel list's export and import share: the columns, the defaults of columns a row
// does not use, exact decimal numbers, and the comment's keys.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tsw::csvrules {

enum Column : int {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kColumnCount
};

inline constexpr std::array<std::string_view, kColumnCount> kColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// Columns a row does not use hold these.
inline constexpr std::string_view kDefaultQt = "88.5";
inline constexpr std::string_view kDefaultDqtCode = "023";
inline constexpr std::string_view kDefaultPolarity = "NN";
inline constexpr std::string_view kDefaultCrossMode = "Tone->Tone";
inline constexpr std::string_view kModeValue = "NFM";
inline constexpr std::string_view kPowerValue = "0.5W";

// Tone modes, cross-mode sides and duplex values.
inline constexpr std::string_view kToneNone = "";
inline constexpr std::string_view kToneQt = "Tone";
inline constexpr std::string_view kToneSquelch = "TSQL";
inline constexpr std::string_view kToneDqt = "DTCS";
inline constexpr std::string_view kToneCross = "Cross";
inline constexpr std::string_view kCrossArrow = "->";
inline constexpr std::string_view kDuplexSame = "";
inline constexpr std::string_view kDuplexSplit = "split";
inline constexpr std::string_view kDuplexOff = "off";
inline constexpr std::string_view kDuplexPlus = "+";
inline constexpr std::string_view kDuplexMinus = "-";
inline constexpr char kPolarityNormal = 'N';
inline constexpr char kPolarityInverted = 'R';

// Comment keys for the channel table's flag columns, and their values.
inline constexpr std::string_view kCompanderKey = "compander";
inline constexpr std::string_view kScanAddKey = "scan-add";
inline constexpr std::string_view kBeatShiftKey = "beat-shift";
inline constexpr std::string_view kCommentSeparator = "; ";

// Step sizes as TStep shows them (kHz, two decimals), by step index.
inline constexpr std::array<std::string_view, 3> kStepTexts = {"2.50", "5.00", "6.25"};

// An unsigned decimal number read exactly, scaled by 10^fractionDigits ("446.00625" with 6 gives
// 446006250). Refused: no digits, any other character, more than nine whole digits, or a
// non-zero digit beyond `fractionDigits` decimals (the value would need rounding).
std::optional<long long> parseScaled(std::string_view text, int fractionDigits);

// `value` / 10^fractionDigits with exactly `fractionDigits` decimals (446006250, 6 ->
// "446.006250").
std::string scaledText(long long value, int fractionDigits);

} // namespace tsw::csvrules
