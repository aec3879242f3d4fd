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
    {.index = scan::Priority,
     .labelId = 1047,
     .valueId = 1048,
     .label = StrId::ScanPriority,
     .kind = FieldKind::List,
     .offset = layout::kScanPriority,
     .size = 1},
    {.index = scan::PriorityChannel,
     .labelId = 1049,
     .valueId = 1050,
     .label = StrId::ScanPriorityChannelLabel,
     .kind = FieldKind::Text,
     .offset = layout::kPriorityChannel,
     .size = 1,
     .editMode = filter::Digits,
     .textLimit = 2},
    {.index = scan::LookBackA,
     .labelId = 1051,
     .valueId = 1052,
     .spinId = 1053,
     .label = StrId::ScanLookBackTimeALabel,
     .kind = FieldKind::Number,
     .offset = layout::kScanLookBackA,
     .size = 1,
     .editMode = filter::Decimal,
     .textLimit = 4},
    {.index = scan::LookBackB,
     .labelId = 1054,
     .valueId = 1055,
     .spinId = 1056,
     .label = StrId::ScanLookBackTimeBLabel,
     .kind = FieldKind::Number,
     .offset = layout::kScanLookBackB,
     .size = 1,
     .editMode = filter::Decimal,
     .textLimit = 4},
    {.index = scan::RevertChannel,
     .labelId = 1057,
     .valueId = 1058,
     .label = StrId::ScanRevertChannelLabel,
     .kind = FieldKind::List,
     .offset = layout::kScanRevertChannel,
     .size = 1},
    {.index = scan::DropoutDelay,
     .labelId = 1059,
     .valueId = 1060,
     .spinId = 1061,
     .label = StrId::ScanDropoutDelayLabel,
     .kind = FieldKind::Number,
     .offset = layout::kScanDropoutDelay,
     .size = 2,
     .editMode = filter::Digits,
     .textLimit = 3},
    {.index = scan::TxDwell,
     .labelId = 1062,
     .valueId = 1063,
     .spinId = 1064,
     .label = StrId::ScanTxDwellLabel,
     .kind = FieldKind::Number,
     .offset = layout::kScanTxDwell,
     .size = 2,
     .editMode = filter::Digits,
     .textLimit = 3},
}};
static_assert(rowsAtTheirIndex(kScanFieldTable));
static_assert(fieldsInsideImage(kScanFieldTable));
static_assert(kScanFieldTable.size() <= kMaxFormRows);
static_assert(fieldsDisjoint(kScanFieldTable));
static_assert(fieldsCover(kScanFieldTable, layout::kScanSettings, layout::kScanSettings + 9));

inline constexpr int kScanHelpContext = 154;

// True when channel 1..16 holds a programmed record (its first byte is below 0xFF).
bool channelProgrammed(const RadioImage& image, int channel);
// False while Priority is 0 or 2: then there is no priority channel, whatever 0x161 holds.
bool hasPriorityChannel(const RadioImage& image);

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
