#pragma once
// Radio Information: the identity, the information block and the version read in one short
// programming connection (RadioInfoCommands), and the texts the dialog shows.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/RadioInfoCommands.h"
#include "link/SerialLink.h"

namespace tsw {

inline constexpr std::uint8_t kInfoBandTypeByte = 0x92;

// The Radio Information command's connection. True when every reading succeeded and the
// dialog is to be shown (the readings are then in the link's radioInfo fields).
bool runRadioInformation(SerialLink& link);

// ---- Dialog texts ---------------------------------------------------------------------------
// "HX-" and the model code with every letter H removed ("H5520" -> "HX-5520").
std::string modelTypeText(const std::string& modelCode);
// For type byte 0x92 the band text from three strings; otherwise a single space.
std::string frequencyText(std::uint32_t typeByte, const TextLookup& text);
// Piece 1 (text 0..11) and piece 2 (text 12..15), each up to its first 0xFF and followed by a
// space when not empty, then the serial bytes without 0xFF, other than letters, digits and
// '-' shown as spaces. The serial bytes so replaced are replaced in `serial` too.
std::string serialNumberText(std::span<const std::uint8_t, 16> infoText,
                             std::span<std::uint8_t, 12> serial);
// The first six version bytes, up to the first 0xFF.
std::string versionText(std::span<const std::uint8_t, kVersionSize> version);

} // namespace tsw
