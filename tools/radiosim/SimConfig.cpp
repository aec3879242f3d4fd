#include "tools/radiosim/SimConfig.h"

#include <algorithm>

#include "app/AppGlobals.h"
#include "app/DefaultImage.h"
#include "app/ImageLayout.h"

namespace tsw::radiosim {

std::array<std::uint8_t, kTuningBlockSize> factoryTuningValues() {
    std::array<std::uint8_t, kTuningBlockSize> values{};
    values.fill(0x80);
    // The seven items of the tabbed adjustment dialog, then battery level (two values),
    // VOX1 and VOX10.
    const std::uint8_t items[] = {0x84, 0x7A, 0x90, 0x65, 0x88, 0x70, 0x95};
    std::copy(std::begin(items), std::end(items), values.begin());
    values[54] = 0x9C;
    values[55] = 0x8A;
    values[56] = 0x30;
    values[57] = 0x60;
    return values;
}

void putFactoryTuning(RadioImage& memory) {
    const auto values = factoryTuningValues();
    memory.copyFrom(values, layout::kTuningData);
}

SimConfig defaultConfig() {
    SimConfig config;
    parseIdentityText(kDefaultIdentityText, config.identity);
    buildDefaultImage(config.memory, config.identity);
    putFactoryTuning(config.memory);
    config.info.fill(0xFF);
    const auto serial = textField<kInfoSerialSize>(kDefaultSerial);
    std::copy(serial.begin(), serial.end(), config.info.begin() + kInfoTextSize);
    config.version = textField<kVersionSize>(kDefaultVersion);
    return config;
}

} // namespace tsw::radiosim
