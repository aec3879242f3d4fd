#pragma once
// The fields of one channel record, typed: the one place that knows where a channel keeps its
// frequencies, tones, flags, steps and table number. Everything that reads or writes a single
// field of a channel (the channel forms, the copy dialogs, the QT/DQT table, CSV export and
// import, the field catalogue) goes through channelRecord(image, n).
//
//   record n at 0x010 + 16n                                 bitmaps (bit n of the pair = ch. n)
//   +0  +1  +2  +3   receive frequency  (+0 = 0xFF: empty)   0x17C..0x17D  A: a record was copied
//   +4  +5  +6  +7   transmit frequency                      0x17E..0x17F  B: scan add
//   +8  +9           decode tone word
//   +10 +11          encode tone word
//   +12  . . . . . . . x   bit 0 compander; bits 1-7 further fields, kept as they are
//   +13  . x . . . . . .   bit 6 beat shift; the other bits further fields, kept
//   +14  r r t t . . . .   bits 6-7 receive step, 4-5 transmit step, 0-3 a further field
//   +15              QT/DQT table number 1..38, 0 = none
//
// A channel outside 0..15 reads as an empty record (every byte 0xFF) and takes no writes, so
// no accessor ever reaches past the record area.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "app/ImageLayout.h"
#include "app/RadioImage.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

// Bytes [at, at + size) of a record; `mask` selects the bits of a one-byte field.
struct RecordField {
    std::size_t at = 0;
    std::size_t size = 1;
    std::uint8_t mask = 0xFF;
};

namespace chfield {
inline constexpr RecordField RxFrequency{layout::kChRxFreq, 4};
inline constexpr RecordField TxFrequency{layout::kChTxFreq, 4};
inline constexpr RecordField DecodeTone{layout::kChDecodeTone, 2};
inline constexpr RecordField EncodeTone{layout::kChEncodeTone, 2};
inline constexpr RecordField Compander{layout::kChFlags12, 1, layout::kChCompanderMask};
inline constexpr RecordField BeatShift{layout::kChFlags13, 1, layout::kChBeatShiftMask};
inline constexpr RecordField TxStep{layout::kChSteps, 1, layout::kChTxStepMask};
inline constexpr RecordField RxStep{layout::kChSteps, 1, layout::kChRxStepMask};
inline constexpr RecordField TableIndex{layout::kChTableIndex, 1};

inline constexpr std::array kAll{RxFrequency, TxFrequency, DecodeTone, EncodeTone, Compander,
                                 BeatShift,   TxStep,      RxStep,     TableIndex};
} // namespace chfield

constexpr bool recordFieldsApart(const RecordField& a, const RecordField& b) {
    const bool bytesApart = a.at + a.size <= b.at || b.at + b.size <= a.at;
    return bytesApart || (a.size == 1 && b.size == 1 && (a.mask & b.mask) == 0);
}

static_assert(
    [] {
        for (std::size_t i = 0; i < chfield::kAll.size(); ++i) {
            if (chfield::kAll[i].at + chfield::kAll[i].size > layout::kChannelSize)
                return false;
            for (std::size_t j = i + 1; j < chfield::kAll.size(); ++j)
                if (!recordFieldsApart(chfield::kAll[i], chfield::kAll[j]))
                    return false;
        }
        return true;
    }(),
    "every channel field lies inside its record and no two share a bit");

inline constexpr int kNoTableIndex = 0;

// The byte and the bit of channel `channel` (0..15) in a bitmap (kBitmapA, kBitmapB).
constexpr std::size_t channelBitmapByte(std::size_t bitmap, int channel) {
    return bitmap + static_cast<std::size_t>(channel / 8);
}
constexpr std::uint8_t channelBitmapMask(int channel) {
    return static_cast<std::uint8_t>(1u << (channel % 8));
}

// One channel of an image; Image is RadioImage (read and write) or const RadioImage (read).
template <class Image>
class BasicChannelRecord {
    static constexpr bool kWritable = !std::is_const_v<Image>;

public:
    BasicChannelRecord(Image& image, int channel) : image_(image), channel_(channel) {}

    int channel() const { return channel_; }
    bool valid() const { return channel_ >= 0 && channel_ < layout::kChannelCount; }
    // Receive byte 0 = 0xFF: the channel holds nothing.
    bool empty() const { return image_.byte(at(chfield::RxFrequency)) == 0xFF; }

    FrequencyBytes rxFrequency() const {
        return readFrequencyBytes(image_, at(chfield::RxFrequency));
    }
    FrequencyBytes txFrequency() const {
        return readFrequencyBytes(image_, at(chfield::TxFrequency));
    }
    std::uint16_t decodeTone() const { return image_.word(at(chfield::DecodeTone)); }
    std::uint16_t encodeTone() const { return image_.word(at(chfield::EncodeTone)); }
    bool compander() const { return image_.flag(at(chfield::Compander), chfield::Compander.mask); }
    bool beatShift() const { return image_.flag(at(chfield::BeatShift), chfield::BeatShift.mask); }
    int rxStep() const { return image_.bits(at(chfield::RxStep), chfield::RxStep.mask); }
    int txStep() const { return image_.bits(at(chfield::TxStep), chfield::TxStep.mask); }
    int tableIndex() const { return image_.byte(at(chfield::TableIndex)); }
    // Bitmap B: the channel table's fourth column.
    bool scanAdd() const { return bit(layout::kBitmapB); }
    // Bitmap A: a record was copied into the channel.
    bool copied() const { return bit(layout::kBitmapA); }

    void setRxFrequency(const FrequencyBytes& bytes) requires kWritable {
        writeFrequencyBytes(image_, at(chfield::RxFrequency), bytes);
    }
    void setTxFrequency(const FrequencyBytes& bytes) requires kWritable {
        writeFrequencyBytes(image_, at(chfield::TxFrequency), bytes);
    }
    void setDecodeTone(std::uint16_t word) requires kWritable {
        image_.setWord(at(chfield::DecodeTone), word);
    }
    void setEncodeTone(std::uint16_t word) requires kWritable {
        image_.setWord(at(chfield::EncodeTone), word);
    }
    void setCompander(bool on) requires kWritable {
        image_.setFlag(at(chfield::Compander), chfield::Compander.mask, on);
    }
    void setBeatShift(bool on) requires kWritable {
        image_.setFlag(at(chfield::BeatShift), chfield::BeatShift.mask, on);
    }
    // Both step fields: a frequency written into the receive side sets the pair.
    void setSteps(int step) requires kWritable {
        image_.setBits(at(chfield::TxStep), chfield::TxStep.mask, static_cast<std::uint8_t>(step));
        image_.setBits(at(chfield::RxStep), chfield::RxStep.mask, static_cast<std::uint8_t>(step));
    }
    void setTableIndex(int index) requires kWritable {
        image_.setByte(at(chfield::TableIndex), static_cast<std::uint8_t>(index));
    }
    void setScanAdd(bool on) requires kWritable { setBit(layout::kBitmapB, on); }
    void setCopied(bool on) requires kWritable { setBit(layout::kBitmapA, on); }

    // Image offset of a field of this record; past the image for a channel outside 0..15.
    std::size_t at(const RecordField& field) const {
        return valid() ? layout::channelField(channel_, field.at) : kImageSize;
    }

private:
    bool bit(std::size_t bitmap) const {
        return valid() &&
               image_.flag(channelBitmapByte(bitmap, channel_), channelBitmapMask(channel_));
    }
    void setBit(std::size_t bitmap, bool on) {
        if (valid())
            image_.setFlag(channelBitmapByte(bitmap, channel_), channelBitmapMask(channel_), on);
    }

    Image& image_;
    int channel_;
};

using ChannelRecordRef = BasicChannelRecord<RadioImage>;
using ConstChannelRecordRef = BasicChannelRecord<const RadioImage>;

inline ChannelRecordRef channelRecord(RadioImage& image, int channel) {
    return {image, channel};
}
inline ConstChannelRecordRef channelRecord(const RadioImage& image, int channel) {
    return {image, channel};
}

} // namespace tsw
