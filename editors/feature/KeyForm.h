#pragma once
// Key Assignment: the functions of the two programmable keys PF1 (0x11D) and PF2 (0x11E).
// List position n stores function code n, except position 0, which stores 0xFF.

#include <array>
#include <cstdint>
#include <string>

#include "app/ImageLayout.h"
#include "app/RadioImage.h"
#include "editors/feature/FieldTable.h"

namespace tsw::feature {

enum class ProgrammableKey { Pf1, Pf2 };

inline constexpr int kKeyFunctionCount = 12;
inline constexpr std::uint8_t kKeyNoFunction = 0xFF; // what position 0 stores
inline constexpr std::array<StringId, kKeyFunctionCount> kKeyFunctionNames{
    StrId::KeyFunctionNone,       StrId::KeyFunctionMonitor,    StrId::KeyFunctionScan,
    StrId::KeyFunctionSquelchOff, StrId::KeyFunctionCall,       StrId::KeyFunctionScrambler,
    StrId::KeyFunctionVox,        StrId::KeyFunctionKeyLock,    StrId::KeyFunctionBatteryIndicator,
    StrId::KeyFunctionLamp,       StrId::KeyFunctionTalkAround, StrId::KeyFunctionScanAddDelete,
};
// F1 on a list opens the help topic of the function it shows.
inline constexpr std::array<int, kKeyFunctionCount> kKeyFunctionHelp{
    513, 525, 515, 516, 517, 518, 519, 520, 521, 522, 523, 524,
};
inline constexpr int kKeyHelpContext = 153;
inline constexpr int kKeyPf1ListId = 1320;
inline constexpr int kKeyPf2ListId = 1321;
inline constexpr int kKeyPictureId = 1330;

constexpr std::size_t keyOffset(ProgrammableKey key) {
    return key == ProgrammableKey::Pf1 ? layout::kKeyPf1 : layout::kKeyPf2;
}

// The list position a stored byte selects: 1..11 select themselves, anything else position 0.
int keyPositionForStored(std::uint8_t stored);
// The byte a list position stores: 1..11 themselves, 0 or no selection (-1) 0xFF.
std::uint8_t keyStoredForPosition(int position);
// The list entry text: "(NN)  name".
std::string keyEntryText(int position, const TextLookup& text);
// The name of a stored function code as the printed listing gives it: 1..11 their names,
// 12 an empty text, every other value the name of position 0.
std::string keyFunctionName(std::uint8_t stored, const TextLookup& text);
// The help context of a list showing `position`.
int keyHelpContext(int position);

class KeyForm {
public:
    explicit KeyForm(RadioImage& image) : image_(image) {}

    int position(ProgrammableKey key) const;
    // The list of `key` lost the focus at `position`: store it (the other key is untouched).
    void commit(ProgrammableKey key, int position);

private:
    RadioImage& image_;
};

} // namespace tsw::feature
