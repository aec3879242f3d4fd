#include "editors/channel/ChannelTexts.h"

#include "editors/channel/ChannelFields.h"
#include "editors/channel/ToneCodec.h"

namespace tsw {

std::string receiveFrequencyText(const RadioImage& image, int channel) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    return record.empty() ? std::string() : formatFrequency(record.rxFrequency());
}

std::string transmitFrequencyText(const RadioImage& image, int channel) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    return record.empty() ? std::string() : formatFrequency(record.txFrequency());
}

std::string decodeToneText(const RadioImage& image, int channel, const TextLookup& lookup) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    return record.empty() ? std::string() : formatTone(record.decodeTone(), lookup);
}

std::string encodeToneText(const RadioImage& image, int channel, const TextLookup& lookup) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    return record.empty() ? std::string() : formatTone(record.encodeTone(), lookup);
}

std::string tableNumberText(const RadioImage& image, int channel, const TextLookup& lookup) {
    const ConstChannelRecordRef record = channelRecord(image, channel);
    if (record.empty())
        return {};
    const int index = record.tableIndex();
    return index >= 1 && index <= layout::kQtDqtTableEntries ? std::to_string(index)
                                                             : lookup(StrId::OffText);
}

} // namespace tsw
