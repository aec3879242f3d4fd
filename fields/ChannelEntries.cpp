// Channels 1..16: the eight fields of a channel that the channel table and the channel edit
// window show. Place: the row and column of the channel table (column -1 where only the
// channel edit window shows the field) and the control of the channel edit window.

#include <array>

#include "app/CommandIds.h"
#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/ChannelTexts.h"
#include "fields/CatalogueParts.h"

namespace tsw::fields::detail {

namespace {

// An empty channel's receive frequency reads as the off entry of the channel table's first
// column (without its list number): the user empties a channel by choosing that entry.
std::string receiveText(const RadioImage& image, int channel, const TextLookup& text) {
    return isChannelEmpty(image, channel) ? text(StrId::OffText)
                                          : receiveFrequencyText(image, channel);
}

std::string transmitText(const RadioImage& image, int channel, const TextLookup&) {
    return transmitFrequencyText(image, channel);
}

template <int kField>
std::string tableColumnText(const RadioImage& image, int channel, const TextLookup& text) {
    std::string shown;
    formatChannelField(image, channel, kField, shown, text);
    return shown;
}

struct ChannelColumn {
    RecordField bytes; // size 0: the channel's bit of bitmap B
    StringId label;
    int column; // of the channel table, -1 for none
    int control;
    ShowText show;
    Unit unit = Unit::None;
    std::optional<FieldRange> range = std::nullopt;
};

constexpr RecordField kBitmapBBit{0, 0};

const std::array<ChannelColumn, 8> kChannelColumns{{
    {chfield::RxFrequency, StrId::RxFrequencyLabel, 1, ChannelEditForm::kReceiveListId,
     &receiveText, Unit::MegaHertz},
    {chfield::TxFrequency, StrId::TxFrequencyLabel, -1, ChannelEditForm::kTransmitListId,
     &transmitText, Unit::MegaHertz},
    {chfield::DecodeTone, StrId::DecodeToneLabel, 2, ChannelEditForm::kDecodeListId,
     &decodeToneText},
    {chfield::EncodeTone, StrId::EncodeToneLabel, -1, ChannelEditForm::kEncodeListId,
     &encodeToneText},
    {chfield::TableIndex, StrId::TitleQtDqtTable, 2, 0, &tableNumberText, Unit::None,
     FieldRange{.min = 1, .max = layout::kQtDqtTableEntries, .wordAtZero = true}},
    {chfield::Compander, StrId::CompanderLabel, kFieldCompander, ChannelEditForm::kCompanderId,
     &tableColumnText<kFieldCompander>},
    {kBitmapBBit, StrId::ScanAddLabel, kFieldBitmapB, ChannelEditForm::kBitmapBListId,
     &tableColumnText<kFieldBitmapB>},
    {chfield::BeatShift, StrId::BeatShiftLabel, kFieldBeatShift, ChannelEditForm::kBeatShiftId,
     &tableColumnText<kFieldBeatShift>},
}};

Field channelField(int channel, const ChannelColumn& c) {
    Field f;
    if (c.bytes.size == 0) {
        f.offset = channelBitmapByte(layout::kBitmapB, channel);
        f.mask = channelBitmapMask(channel);
    } else {
        f.offset = layout::channelField(channel, c.bytes.at);
        f.size = c.bytes.size;
        f.mask = c.bytes.mask;
    }
    f.naming = {.window = StrId::ChannelLabel, .number = channel + 1, .label = c.label};
    f.place = {.command = cmd::ChannelInformation,
               .row = channel + 1,
               .column = c.column,
               .control = c.control};
    f.unit = c.unit;
    f.range = c.range;
    f.show = c.show;
    f.item = channel;
    return f;
}

} // namespace

void addChannelFields(std::vector<Field>& out) {
    for (int channel = 0; channel < layout::kChannelCount; ++channel)
        for (const ChannelColumn& c : kChannelColumns)
            out.push_back(channelField(channel, c));
}

} // namespace tsw::fields::detail
