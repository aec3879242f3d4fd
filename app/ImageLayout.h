#pragma once
// Named offsets and masks of every field of the RadioImage. Nobody else writes a bare offset.
//
// Region map (offset, size, contents):
//   0x000  16  not used by any editor; transferred with the rest
//   0x010 256  16 channel records of 16 bytes (record n at 0x010 + 16n)
//   0x110  11  DTMF settings
//   0x11D   2  programmable key functions PF1, PF2
//   0x120  10  DTMF ID code
//   0x12A  22  optional features
//   0x140  32  PTT ID begin and end codes, 16 DTMF characters each
//   0x160   9  scan settings
//   0x170   9  CrewLink own fleet and ID, modulation delay, baud rate, timer, side tone
//   0x17C   2  per-channel bitmap A (channel used)
//   0x17E   2  per-channel bitmap B (column 4 flag of the channel table)
//   0x180  56  never written to the radio
//   0x1B8   8  model identity: model code (5), band code (1), two further bytes
//   0x1C0  28  CrewLink signalling settings (0x1C0..0x1DB)
//   0x1E0   8  set to 0x22 by the defaults; no editor maps them
//   0x1F0  11  DTMF stun code (10) and stun type (1)
//   0x200  76  QT/DQT table: 38 tone words
//   0x280 128  test frequencies: 16 entries of 8 bytes (receive, transmit)
//   0x300  64  embedded message: two lines of 32 characters
//   0x340 192  never written to the radio; tuning data of test mode

#include <cstddef>
#include <cstdint>

#include "app/RadioImage.h"

namespace tsw::layout {

// ---- Channel records ------------------------------------------------------------------------
// One record (16 bytes):
//   +0..3  receive frequency, packed BCD in 10 Hz units, little-endian (+0 = 0xFF: empty channel)
//   +4..7  transmit frequency
//   +8..9  decode (receive) tone word      +10..11 encode (transmit) tone word
//   +12    bit 0 compander; bits 1-2, 3-4, 5-7 further fields
//   +13    bit 6 beat shift; bits 0-2, 3, 4, 5, 7 further fields
//   +14    bits 0-3 further field; bits 4-5 transmit step; bits 6-7 receive step
//   +15    QT/DQT table index (1..38), 0 = none
inline constexpr std::size_t kChannelBase = 0x010;
inline constexpr std::size_t kChannelSize = 16;
inline constexpr int kChannelCount = 16;
inline constexpr std::size_t kChannelEnd = kChannelBase + kChannelSize * kChannelCount; // 0x110

inline constexpr std::size_t kChRxFreq = 0;
inline constexpr std::size_t kChTxFreq = 4;
inline constexpr std::size_t kChDecodeTone = 8;
inline constexpr std::size_t kChEncodeTone = 10;
inline constexpr std::size_t kChFlags12 = 12;
inline constexpr std::uint8_t kChCompanderMask = 0x01;
inline constexpr std::size_t kChFlags13 = 13;
inline constexpr std::uint8_t kChBeatShiftMask = 0x40;
inline constexpr std::uint8_t kChNewChannelClear13 = 0x70; // bits 4, 5, 6 cleared for a new channel
inline constexpr std::size_t kChSteps = 14;
inline constexpr std::uint8_t kChFurtherMask14 = 0x0F;
inline constexpr std::uint8_t kChTxStepMask = 0x30;
inline constexpr std::uint8_t kChRxStepMask = 0xC0;
inline constexpr std::size_t kChTableIndex = 15;

constexpr std::size_t channelOffset(int channel) {
    return kChannelBase + kChannelSize * static_cast<std::size_t>(channel);
}
// Byte `field` (kChRxFreq ...) of channel `channel`'s record.
constexpr std::size_t channelField(int channel, std::size_t field) {
    return channelOffset(channel) + field;
}

// ---- Radio-wide settings --------------------------------------------------------------------
inline constexpr std::size_t kDtmfSettings = 0x110; // 11 bytes
inline constexpr std::size_t kKeyPf1 = 0x11D;
inline constexpr std::size_t kKeyPf2 = 0x11E;
inline constexpr std::size_t kDtmfIdCode = 0x120; // 10 bytes
inline constexpr std::size_t kDtmfIdCodeLength = 10;
inline constexpr std::size_t kOptionalFeatures = 0x12A; // 22 bytes
inline constexpr std::size_t kPttIdBeginCode = 0x140;   // 16 DTMF characters
inline constexpr std::size_t kPttIdEndCode = 0x150;     // 16 DTMF characters
inline constexpr std::size_t kPttIdCodeLength = 16;
inline constexpr std::size_t kScanSettings = 0x160;    // 9 bytes
inline constexpr std::size_t kPriorityChannel = 0x161; // channel 1..16, 0xFF = none
inline constexpr std::uint8_t kNoPriorityChannel = 0xFF;

// ---- Per-channel bitmaps (bit n of the little-endian pair = channel n) ----------------------
inline constexpr std::size_t kBitmapA = 0x17C; // channel used
inline constexpr std::size_t kBitmapB = 0x17E; // column 4 flag of the channel table

// ---- Areas never written to the radio -------------------------------------------------------
inline constexpr std::size_t kNoWriteArea1 = 0x180;
inline constexpr std::size_t kNoWriteArea1End = 0x1B8; // exclusive
inline constexpr std::size_t kTuningData = 0x340;      // 192 bytes up to the end of the image
inline constexpr std::size_t kTuningDataEnd = 0x400;

// ---- Model identity -------------------------------------------------------------------------
inline constexpr std::size_t kIdentity = 0x1B8; // 8 bytes
inline constexpr std::size_t kIdentitySize = 8;
inline constexpr std::size_t kModelCode = 0x1B8; // 5 ASCII characters
inline constexpr std::size_t kModelCodeLength = 5;
inline constexpr std::size_t kBandCode = 0x1BD;
inline constexpr std::size_t kIdentityByte6 = 0x1BE; // bits 0-1 and 2 set by Model Information
inline constexpr std::uint8_t kIdentityLow3Mask = 0x07;
inline constexpr std::size_t kIdentityByte7 = 0x1BF;

// ---- Signalling, stun, tone table, test frequencies, message --------------------------------
inline constexpr std::size_t kCrewLink = 0x1C0;     // 28 bytes, 0x1C0..0x1DB
inline constexpr std::size_t kUnmapped22 = 0x1E0;   // 8 bytes set to 0x22 by the defaults
inline constexpr std::size_t kDtmfStunCode = 0x1F0; // 10 bytes
inline constexpr std::size_t kDtmfStunType = 0x1FA;

inline constexpr std::size_t kQtDqtTable = 0x200; // 38 tone words
inline constexpr int kQtDqtTableEntries = 38;
constexpr std::size_t qtDqtEntryOffset(int entry1Based) {
    return kQtDqtTable + 2 * static_cast<std::size_t>(entry1Based - 1);
}

inline constexpr std::size_t kTestFrequencies = 0x280; // 16 entries of 8 bytes
inline constexpr std::size_t kTestFrequencySize = 8;
inline constexpr int kTestFrequencyCount = 16;
constexpr std::size_t testFrequencyOffset(int index) {
    return kTestFrequencies + kTestFrequencySize * static_cast<std::size_t>(index);
}

inline constexpr std::size_t kMessageLine1 = 0x300; // 32 characters, 0xFF = no character
inline constexpr std::size_t kMessageLine2 = 0x320;
inline constexpr std::size_t kMessageLineLength = 32;

// ---- Feature editors: optional features, keys, scan, DTMF, CrewLink --------------------------
// DTMF settings, one byte each:
//   110 speed code   111 first digit time code   112 first digit delay (x10 ms)
//   113 * and # tone code   114 D code assignment   115 side tone   116 group code
//   117 auto reset timer   118 call alert   119 transpond   11A clear to transpond
inline constexpr std::size_t kDtmfSpeed = 0x110;
inline constexpr std::size_t kDtmfFirstDigitTime = 0x111;
inline constexpr std::size_t kDtmfFirstDigitDelay = 0x112;
inline constexpr std::size_t kDtmfStarHashTone = 0x113;
inline constexpr std::size_t kDtmfDCodeAssignment = 0x114;
inline constexpr std::size_t kDtmfSideTone = 0x115;
inline constexpr std::size_t kDtmfGroupCode = 0x116;
inline constexpr std::size_t kDtmfAutoResetTimer = 0x117;
inline constexpr std::size_t kDtmfCallAlert = 0x118;
inline constexpr std::size_t kDtmfTranspond = 0x119;
inline constexpr std::size_t kDtmfClearToTranspond = 0x11A;
inline constexpr std::size_t kDtmfStunCodeLength = 10;

// Optional features, 0x12A..0x13F, one unsigned byte each.
inline constexpr std::size_t kFeatTotRekeyTime = 0x12A;
inline constexpr std::size_t kFeatTotResetTime = 0x12B;
inline constexpr std::size_t kFeatScramblerActivation = 0x12C;
inline constexpr std::size_t kFeatScramblerBackup = 0x12D;
inline constexpr std::size_t kFeatCallingAlertTone = 0x12E;
inline constexpr std::size_t kFeatVoiceAnnunciation = 0x12F;
inline constexpr std::size_t kFeatTimeOutTimer = 0x130;
inline constexpr std::size_t kFeatTotPreAlert = 0x131;
inline constexpr std::size_t kFeatPttId = 0x132;
inline constexpr std::size_t kFeatPttIdType = 0x133;
inline constexpr std::size_t kFeatSquelchLevel = 0x134;
inline constexpr std::size_t kFeatBatterySave = 0x135;
inline constexpr std::size_t kFeatBeep = 0x136;
inline constexpr std::size_t kFeatCanceledByPtt = 0x137;
inline constexpr std::size_t kFeatTxInhibitOnBusy = 0x138;
inline constexpr std::size_t kFeatVoxFunction = 0x139;
inline constexpr std::size_t kFeatVoxGainLevel = 0x13A;
inline constexpr std::size_t kFeatVoxDelayTime = 0x13B;
inline constexpr std::size_t kFeatVoxProceedTone = 0x13C;
inline constexpr std::size_t kFeatMicSensitivity = 0x13D;
inline constexpr std::size_t kFeatCloneMode = 0x13E;
inline constexpr std::size_t kFeatSelfProgramming = 0x13F;
inline constexpr std::size_t kOptionalFeaturesEnd = 0x140; // exclusive

// Scan settings.
inline constexpr std::size_t kScanPriority = 0x160;
inline constexpr std::size_t kScanLookBackA = 0x162;
inline constexpr std::size_t kScanLookBackB = 0x163;
inline constexpr std::size_t kScanRevertChannel = 0x164;
inline constexpr std::size_t kScanDropoutDelay = 0x165; // 16-bit little-endian
inline constexpr std::size_t kScanTxDwell = 0x167;      // 16-bit little-endian

// CrewLink own settings.
inline constexpr std::size_t kCrewOwnFleet = 0x170;
inline constexpr std::size_t kCrewOwnId = 0x171;           // 16-bit little-endian
inline constexpr std::size_t kCrewModulationDelay = 0x173; // 16-bit little-endian, ms
inline constexpr std::size_t kCrewBaudRate = 0x175;
inline constexpr std::size_t kCrewMessageModeTimer = 0x176; // 16-bit little-endian, s
inline constexpr std::size_t kCrewSideTone = 0x178;
// CrewLink fleet/ID table: eight entries of fleet (1 byte) + ID (16-bit little-endian).
// Entries 1-4 at 0x1C0, entries 5-8 at 0x1D0; 0x1CC..0x1CF lie between and are not theirs.
inline constexpr std::size_t kCrewTableLow = 0x1C0;
inline constexpr std::size_t kCrewTableHigh = 0x1D0;
inline constexpr std::size_t kCrewEntrySize = 3;
inline constexpr int kCrewEntryCount = 8;
constexpr std::size_t crewEntryOffset(int entry1Based) {
    return entry1Based <= 4
               ? kCrewTableLow + kCrewEntrySize * static_cast<std::size_t>(entry1Based - 1)
               : kCrewTableHigh + kCrewEntrySize * static_cast<std::size_t>(entry1Based - 5);
}

static_assert(kChannelEnd == 0x110);
static_assert(kKeyPf2 < kDtmfIdCode);
static_assert(kDtmfIdCode + kDtmfIdCodeLength == kOptionalFeatures);
static_assert(kPttIdEndCode + kPttIdCodeLength == kScanSettings);
static_assert(kIdentity + kIdentitySize == kCrewLink);
static_assert(qtDqtEntryOffset(kQtDqtTableEntries) + 2 == 0x24C);
static_assert(testFrequencyOffset(kTestFrequencyCount) == kMessageLine1);
static_assert(kMessageLine2 + kMessageLineLength == kTuningData);
static_assert(kTuningDataEnd == kImageSize);
static_assert(kOptionalFeaturesEnd == kPttIdBeginCode);
static_assert(kDtmfClearToTranspond < kKeyPf1);
static_assert(kScanTxDwell + 2 <= kCrewOwnFleet && kCrewSideTone < kBitmapA);
static_assert(crewEntryOffset(4) + kCrewEntrySize == 0x1CC && crewEntryOffset(5) == 0x1D0);
static_assert(crewEntryOffset(kCrewEntryCount) + kCrewEntrySize == 0x1DC);
static_assert(kDtmfStunCode + kDtmfStunCodeLength == kDtmfStunType);

} // namespace tsw::layout
