#pragma once
// Control ids of the Test Mode dialog (dialog 144).

#include <array>

namespace tsw::ui::testmode {

inline constexpr int kDialog = 144;
inline constexpr int kChannelBox = 1161;
inline constexpr int kRxFrequency = 1164;
inline constexpr int kTxFrequency = 1165;
inline constexpr int kSignallingBox = 1168;
inline constexpr int kRxSignalling = 1171;
inline constexpr int kTxSignalling = 1172;
inline constexpr int kItemList = 1177;
inline constexpr int kWide = 1179;
inline constexpr int kNarrow = 1180;
inline constexpr int kTuningMode = 1182;
inline constexpr int kClose = 1183;
inline constexpr int kPrint = 1184;
inline constexpr int kPtt = 1337;
inline constexpr int kHelp = 1386;
inline constexpr int kChannelRxLamp = 1185;
inline constexpr int kSignallingRxLamp = 1186;
inline constexpr int kChannelTxLamp = 1187;
inline constexpr int kSignallingTxLamp = 1188;
inline constexpr int kPttRxLamp = 1189;
inline constexpr int kWideLamp = 1190;
inline constexpr int kNarrowLamp = 1191;
inline constexpr int kPttTxLamp = 1192;
inline constexpr int kPttHelpTopic = 1089;
inline constexpr std::array<int, 3> kRxLamps = {kChannelRxLamp, kSignallingRxLamp, kPttRxLamp};
inline constexpr std::array<int, 3> kTxLamps = {kChannelTxLamp, kSignallingTxLamp, kPttTxLamp};

} // namespace tsw::ui::testmode
