#include "link/ui/TuningMeter.h"

namespace tsw::ui {

TuningMeter::TuningMeter(TuningAdjustment& adjustment, QObject* parent)
    : QObject(parent), adjustment_(adjustment) {
    timer_.setInterval(static_cast<int>(kMeterIntervalMs));
    connect(&timer_, &QTimer::timeout, this, &TuningMeter::tick);
}

void TuningMeter::start() {
    timer_.start();
}

void TuningMeter::stop() {
    timer_.stop();
}

void TuningMeter::tick() {
    // The reading waits for the radio while the window repaints; a tick that comes due
    // meanwhile is skipped.
    if (inTick_)
        return;
    inTick_ = true;
    std::uint8_t value = 0;
    switch (adjustment_.meterTick(measuring_, value)) {
    case TuningAdjustment::Tick::Idle:
        break;
    case TuningAdjustment::Tick::Reading:
        last_ = value;
        emit reading(value);
        break;
    case TuningAdjustment::Tick::Failed:
        timer_.stop();
        if (adjustment_.meterRetry()) {
            emit retried(last_);
            timer_.start();
        } else {
            emit gaveUp();
        }
        break;
    }
    inTick_ = false;
}

} // namespace tsw::ui
