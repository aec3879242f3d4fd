#pragma once
// The ten tuning items of the Test Mode dialog's list, in list order: the caption, the item
// code sent to the radio, the help topic, the adjustment dialog that opens for it, and the
// index of the item's value in the tuning data block.
//
//   entry  code  dialog              value index
//   0..6   0x61 0x66 0x25 0x6B 0x70 0x76 0x73   tabbed (171)   0..6
//   7      0x1C  Battery Indicator Level (187)  54 (55 belongs to the same item)
//   8      0x21  VOX1 (191)                     56
//   9      0x23  VOX10 (190)                    57
//
// The places of the tabbed items' values (0..6) are assumed, not confirmed on a radio.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/StringIds.h"
#include "link/SerialLink.h"

namespace tsw {

enum class TuningDialog { Tabbed = 171, BatteryLevel = 187, Vox10 = 190, Vox1 = 191 };

struct TuningItem {
    StringId caption;
    std::uint8_t code;
    int helpTopic;
    TuningDialog dialog;
    std::uint8_t valueIndex; // in the 62-byte tuning data block
    bool transmits;          // the tabbed dialog offers PTT for it
};

inline constexpr std::array<TuningItem, 10> kTuningItems = {{
    {StrId::TuningFrequency, 0x61, 1025, TuningDialog::Tabbed, 0, true},
    {StrId::TuningTxPower, 0x66, 1027, TuningDialog::Tabbed, 1, true},
    {StrId::TuningMaxDeviation, 0x25, 1028, TuningDialog::Tabbed, 2, true},
    {StrId::TuningQtDeviation, 0x6B, 1029, TuningDialog::Tabbed, 3, true},
    {StrId::TuningDqtDeviation, 0x70, 1040, TuningDialog::Tabbed, 4, true},
    {StrId::TuningSensitivity, 0x76, 1033, TuningDialog::Tabbed, 5, false},
    {StrId::TuningSquelch, 0x73, 1045, TuningDialog::Tabbed, 6, false},
    {StrId::TuningBatteryIndicatorLevel, 0x1C, 1043, TuningDialog::BatteryLevel, 54, false},
    {StrId::TuningVox1, 0x21, 1046, TuningDialog::Vox1, 56, false},
    {StrId::TuningVox10, 0x23, 1038, TuningDialog::Vox10, 57, false},
}};

constexpr bool tuningItemsWellFormed() {
    for (const TuningItem& item : kTuningItems)
        if (item.valueIndex >= TuningValues::kBlockSize)
            return false;
    return true;
}
static_assert(tuningItemsWellFormed(), "every tuning item's value lies in the data block");

const TuningItem* findTuningItem(std::uint8_t code);

// The reading code of an item's meter: the single dialogs read their own item, the tabbed
// dialog's meter page reads 0x22 (the selected item).
std::uint8_t meterReadingCode(const TuningItem& item);

// The value the item's dialog starts from and Cancel puts back: its initial tuning value.
std::uint8_t initialTuningValue(const TuningValues& values, const TuningItem& item);

} // namespace tsw
