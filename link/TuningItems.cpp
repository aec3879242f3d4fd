#include "link/TuningItems.h"

#include "link/Tuning.h"

namespace tsw {

const TuningItem* findTuningItem(std::uint8_t code) {
    for (const TuningItem& item : kTuningItems)
        if (item.code == code)
            return &item;
    return nullptr;
}

std::uint8_t meterReadingCode(const TuningItem& item) {
    return item.dialog == TuningDialog::Tabbed ? kTabbedMeterReading : item.code;
}

std::uint8_t initialTuningValue(const TuningValues& values, const TuningItem& item) {
    return static_cast<std::uint8_t>(values.initial[item.valueIndex] & 0xFF);
}

} // namespace tsw
