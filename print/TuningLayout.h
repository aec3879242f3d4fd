#pragma once
// The tuning-data print-out of the Test Mode dialog: one page with the common header, the
// 62 bytes of the radio's tuning data as a numbered table, the values whose tuning item is
// known by name, and the radio's sixteen test channels.
//
//   line 0        Test Mode
//   line 2        No.     0     1     2     3     4     5     6     7
//   line 3..10      0   123    45 ...                         (byte 8 r + c)
//   line 12..     Battery Indicator Level        128
//   then          Channel   RX Frequency [MHz]   TX Frequency [MHz]
//                 1         446.00625            446.00625   ... 16 rows
//
// In landscape the test channels stand beside the table instead of below it.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/StringIds.h"
#include "editors/channel/FrequencyCodec.h"
#include "print/PageHeader.h"
#include "print/PrintItem.h"
#include "print/TuningItems.h"

namespace tsw::print {

inline constexpr std::size_t kTuningDataSize = 62;
inline constexpr std::size_t kTestChannelTableSize = 128; // 16 records of 8 bytes

// Missing bytes (a short span) print as empty cells.
PrintItems tuningItems(std::span<const std::uint8_t> tuning,
                       std::span<const std::uint8_t> testChannels,
                       std::span<const NamedTuningValue> named, bool landscape,
                       const TextLookup& lookup);

// The whole page: header, the items above below it, page number 1.
PrintItems tuningPageItems(std::span<const std::uint8_t> tuning,
                           std::span<const std::uint8_t> testChannels,
                           std::span<const NamedTuningValue> named, bool landscape,
                           const HeaderInfo& header, const RadioImage& image,
                           const TextLookup& lookup);

} // namespace tsw::print
