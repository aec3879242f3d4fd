#include "editors/feature/KeyForm.h"

#include <cstdio>

namespace tsw::feature {

int keyPositionForStored(std::uint8_t stored) {
    return stored >= 1 && stored < kKeyFunctionCount ? stored : 0;
}

std::uint8_t keyStoredForPosition(int position) {
    return position >= 1 && position < kKeyFunctionCount ? static_cast<std::uint8_t>(position)
                                                         : kKeyNoFunction;
}

std::string keyEntryText(int position, const TextLookup& text) {
    if (position < 0 || position >= kKeyFunctionCount)
        return {};
    char number[8];
    std::snprintf(number, sizeof number, "(%02d)  ", position);
    return number + text(kKeyFunctionNames[static_cast<std::size_t>(position)]);
}

std::string keyFunctionName(std::uint8_t stored, const TextLookup& text) {
    if (stored == kKeyFunctionCount)
        return {};
    return text(kKeyFunctionNames[static_cast<std::size_t>(keyPositionForStored(stored))]);
}

int keyHelpContext(int position) {
    if (position < 0 || position >= kKeyFunctionCount)
        position = 0;
    return kKeyFunctionHelp[static_cast<std::size_t>(position)];
}

int KeyForm::position(ProgrammableKey key) const {
    return keyPositionForStored(image_.byte(keyOffset(key)));
}

void KeyForm::commit(ProgrammableKey key, int position) {
    image_.setByte(keyOffset(key), keyStoredForPosition(position));
}

} // namespace tsw::feature
