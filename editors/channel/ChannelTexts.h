#pragma once
// What the channel editors show for the fields of one channel, as text. The channel edit
// window, the copy dialogs, the field catalogue (and through it diff, show and printing) all
// take their channel texts from here or from formatChannelField, so a channel never reads one
// way in a window and another way anywhere else.
//
// Every function gives an empty text for an empty channel (receive byte 0 = 0xFF) and for a
// channel outside 0..15: the windows show such a channel's fields blank.

#include <string>

#include "app/RadioImage.h"
#include "app/TextLookup.h"

namespace tsw {

// The nine-character frequency ("446.00625"); empty also when the bytes hold no frequency.
std::string receiveFrequencyText(const RadioImage& image, int channel);
std::string transmitFrequencyText(const RadioImage& image, int channel);
// The tone text: "67.0", "D023N", or the off text.
std::string decodeToneText(const RadioImage& image, int channel, const TextLookup& lookup);
std::string encodeToneText(const RadioImage& image, int channel, const TextLookup& lookup);
// The QT/DQT table entry the channel uses: "1".."38", or the off text for none (the tone
// list's off entry stores 0; a number beyond the table selects no entry either).
std::string tableNumberText(const RadioImage& image, int channel, const TextLookup& lookup);

} // namespace tsw
