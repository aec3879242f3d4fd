#pragma once
// Scan: priority mode and channel, two look-back times, revert channel, dropout delay and
// transmit dwell time, in the nine bytes 0x160..0x168.

#include <array>

#include "app/ImageLayout.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

namespace scan {
enum Row : int {
    Priority,
    PriorityChannel,
    LookBackA,
    LookBackB,
    RevertChannel,
    DropoutDelay,
    TxDwell,
    RowCount
};
} // namespace scan

// Image map:
//   160 priority code 0..2          161 priority channel 1..16, 0xFF none
//   162 look back A  } 1..91 = 0.50..5.00 s in 0.05 s steps
//   163 look back B  }
//   164 revert channel code 0..3    165..166 dropout delay s (LE)   167..168 TX dwell s (LE)
inline constexpr std::array<FieldRow, scan::RowCount> kScanFieldTable{{
    // label, value, spin, label string, kind, byte, size, edit mode, limit
    {1047, 1048, 0, StrId::ScanPriority, FieldKind::List, layout::kScanPriority, 1},
    {1049, 1050, 0, StrId::ScanPriorityChannelLabel, FieldKind::Text, layout::kPriorityChannel, 1,
     2, 2},
    {1051, 1052, 1053, StrId::ScanLookBackTimeALabel, FieldKind::Number, layout::kScanLookBackA, 1,
     3, 4},
    {1054, 1055, 1056, StrId::ScanLookBackTimeBLabel, FieldKind::Number, layout::kScanLookBackB, 1,
     3, 4},
    {1057, 1058, 0, StrId::ScanRevertChannelLabel, FieldKind::List, layout::kScanRevertChannel, 1},
    {1059, 1060, 1061, StrId::ScanDropoutDelayLabel, FieldKind::Number, layout::kScanDropoutDelay,
     2, 2, 3},
    {1062, 1063, 1064, StrId::ScanTxDwellLabel, FieldKind::Number, layout::kScanTxDwell, 2, 2, 3},
}};
static_assert(fieldsInsideImage(kScanFieldTable));
static_assert(kScanFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kScanFieldTable));
static_assert(fieldsCover(kScanFieldTable, layout::kScanSettings, layout::kScanSettings + 9));

inline constexpr int kScanHelpContext = 154;

// True when channel 1..16 holds a programmed record (its first byte is below 0xFF).
bool channelProgrammed(const RadioImage& image, int channel);

class ScanForm : public FieldForm {
public:
    explicit ScanForm(RadioImage& image);

    std::span<const FieldRow> rows() const override { return kScanFieldTable; }
    std::optional<std::string> text(int row) const override;
    std::span<const ListEntry> listEntries(int row) const override;
    int listIndex(int row) const override;
    bool enabled(int row) const override;

    // Evaluates the enabling of rows 1..3: with priority 0 or 2 there is no priority channel,
    // so its byte becomes 0xFF. The form runs it when it opens and on every priority change.
    Commit applyEnabling();

    Commit commitText(int row, std::string_view typed) override;
    Commit step(int row, int direction, std::string_view typed) override;
    Commit commitList(int row, int index) override;

private:
    RadioImage& image_;
};

// What row `row` of the Scan form shows for the image (nullopt for the lists).
std::optional<std::string> scanRowText(const RadioImage& image, int row);

} // namespace tsw::feature
