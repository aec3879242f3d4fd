#pragma once
// The channel edit window: one channel of the table as a form, on the channel the table has
// selected.
//
//   channel number  1..16, edit box + spin (wrapping)
//   receive         record bytes 0..3   editable list of the fixed frequencies
//   transmit        record bytes 4..7   editable list of the fixed frequencies
//   decode tone     bytes 8..9          tone list (off, the 38 numbered table entries)
//   encode tone     bytes 10..11        tone list
//   beat shift      byte 13 bit 6       check box
//   bitmap B flag   0x17E/0x17F bit n   flag list
//   compander       byte 12 bit 0       check box, only with a transmit frequency
//
// Every commit writes the record at once; the shown values are read from the image.

#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/ChannelRecord.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

class ChannelEditForm {
public:
    static constexpr int kChannelTextMax = 2;
    static constexpr std::size_t kReceiveTextMax = 11;
    static constexpr int kHelpTopic = 160;
    // The value controls of the window; their ids double as help contexts.
    static constexpr int kReceiveListId = 1195;
    static constexpr int kTransmitListId = 1197;
    static constexpr int kDecodeListId = 1199;
    static constexpr int kEncodeListId = 1201;
    static constexpr int kBeatShiftId = 1363;
    static constexpr int kBitmapBListId = 1210;
    static constexpr int kCompanderId = 1364;

    ChannelEditForm(RadioImage& image, ChannelEditorState& state, bool narrowStepsOnly,
                    TextLookup lookup = tr);

    int channel() const { return state_.selectedChannel; }
    std::string channelNumberText() const;
    std::string captionText() const;

    // Field texts and states of the selected channel (empty / false for an empty channel).
    bool fieldsEnabled() const;    // the channel is in use
    bool companderEnabled() const; // ... and has a transmit frequency
    bool hasTransmitFrequency() const;
    std::string receiveText() const;
    std::string transmitText() const;
    std::string decodeToneText() const;
    std::string encodeToneText() const;
    bool beatShift() const;
    bool compander() const;
    int bitmapBIndex() const; // index into bitmapBEntries(), -1 for an empty channel

    std::vector<std::string> frequencyListEntries() const;
    std::vector<std::string> toneListEntries() const;
    std::vector<std::string> bitmapBEntries() const;
    // The index of the tone list entry showing `toneText`, -1 when none does.
    int toneEntryIndex(const std::string& toneText) const;

    // Channel number box losing the focus: the text is clamped to 1..16 and rewritten; the
    // channel becomes the selected channel.
    void commitChannelNumber(std::string& text);
    // One spin click, wrapping from 16 to 1 and from 1 to 16.
    void stepChannel(int direction);

    // Commits; each returns whether the image changed. A receive text also becomes the
    // transmit frequency (the pair moves together); an unchanged text changes nothing.
    bool commitReceive(std::string_view text);
    bool commitTransmit(std::string_view text);
    bool commitDecodeTone(std::string_view entryText);
    bool commitEncodeTone(std::string_view entryText);
    bool setBeatShift(bool on);
    bool setCompander(bool on);
    bool commitBitmapB(int index);

    // Which copy dialogs may open for the selected channel.
    bool canOpenChannelCopy() const;
    bool canOpenFrequencyCopy() const;
    bool canOpenQtDqtCopy() const;

private:
    ChannelRecordRef record() const; // the selected channel

    RadioImage& image_;
    ChannelEditorState& state_;
    bool narrowStepsOnly_;
    TextLookup lookup_;
};

} // namespace tsw
