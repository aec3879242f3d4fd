#pragma once
// Tone words: the 16-bit coding of a QT (CTCSS) tone or a DQT (DCS) code.
//
//   0xFFFF          off
//   bit 13 clear    QT: the whole word is the tone in 0.1 Hz (67.0 Hz = 670 = 0x029E)
//   bit 13 set      DQT: bits 8-6, 5-3, 2-0 the three octal digits; bit 15 inverted ("I");
//                   bit 11 is set by the parser; bits 9-12 and 14 are ignored when shown
//
// Also the QT/DQT table of 38 tone words that channels refer to by number, and the fixed
// lists of tone texts the tone lists offer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

using ToneWord = std::uint16_t;

inline constexpr ToneWord kToneOff = 0xFFFF;
inline constexpr ToneWord kTableEntryOff = 0x00FF;   // a table entry that also shows as off
inline constexpr ToneWord kDqtFlag = 0x2000;         // bit 13
inline constexpr ToneWord kDqtParserBit = 0x0800;    // bit 11
inline constexpr ToneWord kDqtInvertedFlag = 0x8000; // bit 15
inline constexpr ToneWord kDqtCodeMask = 0x01FF;     // bits 0-8
inline constexpr int kQtLowestTenths = 670;          // 67.0 Hz
inline constexpr int kQtHighestTenths = 2541;        // 254.1 Hz

constexpr bool isDqtTone(ToneWord word) {
    return word != kToneOff && (word & kDqtFlag) != 0;
}
constexpr bool isInvertedDqt(ToneWord word) {
    return (word & kDqtInvertedFlag) != 0;
}
// The word the parser makes for octal code `code` (0..0777).
constexpr ToneWord makeDqtWord(unsigned code, bool inverted) {
    return static_cast<ToneWord>((code & kDqtCodeMask) | kDqtParserBit | kDqtFlag |
                                 (inverted ? kDqtInvertedFlag : 0));
}

// Whether a word is a tone the radio knows: off, a QT tone from 67.0 to 254.1 Hz, or a DQT
// code of the list coded as the parser codes it (bit 11 set, bits 9, 10, 12 and 14 clear).
bool isValidToneWord(ToneWord word);

// Rewrites a typed tone text into its standard form, in place: empty stays empty; a text
// starting with "D" becomes "D" + three octal digits (each clamped to 0..7) + "N" or "I";
// any other text is read as Hz to one decimal, clamped to 67.0..254.1 and written "%.1f".
void normalizeToneText(std::string& text);

// The text of a tone word: the off text, "%.1f" Hz, or "D023N".
std::string formatTone(ToneWord word, const TextLookup& lookup = tr);

// The tone word of a text: the off text and an empty text give 0xFFFF; other texts are
// normalised first (normalizeToneText), so every text gives some tone.
ToneWord parseTone(std::string_view text, const TextLookup& lookup = tr);

// The word a tone word stands for, as the parser would make it from the word's text: off stays
// off, a QT tone is clamped to 67.0..254.1 Hz, a DQT word keeps its code and inversion, gets
// bit 11 and loses the bits that are not shown.
ToneWord normalizeToneWord(ToneWord word);
// The tone a channel takes from entry `entry` (1..38) of the QT/DQT table: the entry's word
// normalised, 0x00FF counting as off. Off for an entry outside the table.
ToneWord tableEntryTone(const RadioImage& image, int entry);

// Entry index+1 (index 0..37) of the QT/DQT table: 0x00FF and 0xFFFF show the off text.
// An index outside the table gives an empty text.
std::string formatTableTone(const RadioImage& image, int index, const TextLookup& lookup = tr);

// The fixed lists of tone texts.
const std::vector<std::string>& qtToneList();      // 39 tones, 67.0 .. 250.3 Hz
const std::vector<std::string>& dqtCodeList();     // 83 codes, "023" .. "754"
const std::vector<std::string>& dqtNormalList();   // "D023N" .. "D754N"
const std::vector<std::string>& dqtInvertedList(); // "D023I" .. "D754I"
const std::vector<std::string>& toneChoiceList();  // QT, DQT N, DQT I: 205 entries

} // namespace tsw
