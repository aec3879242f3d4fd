#pragma once
// Operations on the 16 channel records of the image and the two per-channel bitmaps
// (bit n of the little-endian pair at kBitmapA / kBitmapB belongs to channel n). Bitmap A marks
// a channel that a record was copied into; bitmap B is the flag of the table's fourth column.
//
// Functions taking a channel do nothing (and return their failure value) for a channel
// outside 0..15, so no record operation ever reaches beyond the record area.

#include <span>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/UserPrompt.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

bool isValidChannel(int channel);
bool isChannelEmpty(const RadioImage& image, int channel); // byte 0 = 0xFF (or no channel)
int countUsedChannels(const RadioImage& image);

// Bit `channel` of the bitmap at `offset` (kBitmapA or kBitmapB).
bool getChannelBit(const RadioImage& image, std::size_t offset, int channel);
void setChannelBit(RadioImage& image, std::size_t offset, int channel, bool on);

// Bitmap B: 0 or 1, -1 for a channel outside 0..15. setBitmapB stores the low bit of `value`
// and returns 1, or 0 for a channel outside 0..15.
int getBitmapB(const RadioImage& image, int channel);
int setBitmapB(RadioImage& image, int channel, int value);

// All 16 bytes to 0xFF and bit `channel` of bitmap A cleared.
void clearChannel(RadioImage& image, int channel);
// All 16 bytes to 0xFF; the bitmaps keep their bits.
void clearChannelRecord(RadioImage& image, int channel);

// Copies the source record over the destination. -1: same channel, nothing changes;
// 0: a channel outside 0..15, nothing changes; 1: copied. A destination that ends up in use
// gets bit A set and the source's bit B. Clears state.channelCopyPending unless -1/0.
int copyChannel(RadioImage& image, ChannelEditorState& state, int source, int destination);

// Inserts an empty channel at state.selectedChannel, moving the channels from there down by
// one. Nothing happens without a selection, when no channel at or after it is in use, or when
// channel 16 (index 15) is in use, as it would be pushed out of the table. The inserted
// channel keeps the bitmap bits of the channel before it. Returns the table rows (channel
// indices) to refresh; empty when nothing changed.
std::vector<int> insertChannelAt(RadioImage& image, const ChannelEditorState& state);

// Removes channel `selected`, moving the following ones up by one and emptying channel 16
// (whose bitmap bits keep their values). Returns the rows to refresh.
std::vector<int> deleteChannelAt(RadioImage& image, int selected);

// Run when a frequency is first written into an empty channel: table index 0, compander and
// its neighbouring fields 0, beat shift and bits 4-5 of byte 13 cleared, bits 0-3 of byte 14
// cleared. Tones stay off and the transmit frequency stays empty.
void initNewChannel(RadioImage& image, int channel);

// 1 when the channel is in use. Otherwise sets state.messageShown, tells the user that the
// channel is not programmed (stop icon, OK) and returns 0.
int requireChannel(const RadioImage& image, ChannelEditorState& state, UserPrompt& prompt,
                   int channel, const TextLookup& lookup = tr);

// One choice of a flag list: the text shown and the code stored.
struct Choice {
    StringId text;
    int code;
};
// Fields 3 and 5 (compander, beat shift): off 0, on 1. Field 4 (bitmap B): 1 then 0.
// Any other field: no choices.
std::span<const Choice> choiceTable(int field);
// The text id of the first choice storing `code`, or -1 when none does.
int lookupChoiceText(int code, std::span<const Choice> choices);

// Channel table fields.
enum ChannelField : int {
    kFieldFrequency = 1,
    kFieldTone = 2,
    kFieldCompander = 3,
    kFieldBitmapB = 4,
    kFieldBeatShift = 5,
};

// The text of one field of a channel: -1 (text untouched) for an empty channel. Otherwise
// `text` receives the field's text (receive
// frequency, decode tone, or the flag's choice text; an unknown field leaves it alone) and 0
// is returned.
int formatChannelField(const RadioImage& image, int channel, int field, std::string& text,
                       const TextLookup& lookup = tr);

} // namespace tsw
