#pragma once
// The live reading of an adjustment dialog: every 550 ms, while measuring (the Start button is
// pressed), one meter reading with a 300 ms time-out. A missing reading stops the timer and
// asks to retry: Retry starts it again, Cancel releases the radio (the dialog then closes).
// A tick that comes while another command of the dialog is under way reads nothing.

#include <QObject>
#include <QTimer>

#include "link/Tuning.h"

namespace tsw::ui {

class TuningMeter : public QObject {
    Q_OBJECT
public:
    TuningMeter(TuningAdjustment& adjustment, QObject* parent = nullptr);

    void start();
    void stop();
    bool active() const { return timer_.isActive(); }
    void setMeasuring(bool on) { measuring_ = on; }
    bool measuring() const { return measuring_; }
    int lastReading() const { return last_; }
    // True while a reading waits for the radio (the window may be asked to close meanwhile).
    bool ticking() const { return inTick_; }

    // One timer tick (also called by tests).
    void tick();

signals:
    void reading(int value);
    void retried(int lastValue);
    void gaveUp();

private:
    TuningAdjustment& adjustment_;
    QTimer timer_;
    bool measuring_ = false;
    bool inTick_ = false;
    int last_ = -1;
};

} // namespace tsw::ui
