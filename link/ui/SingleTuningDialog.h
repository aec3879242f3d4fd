#pragma once
// Battery Indicator Level (187), VOX1 (191) and VOX10 (190): one tuning value with a live
// meter reading of the item.

#include <QDialog>

#include "link/Tuning.h"
#include "link/TuningItems.h"

class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tsw::ui {

class Indicator;
class TuningMeter;

class SingleTuningDialog : public QDialog {
    Q_OBJECT
public:
    SingleTuningDialog(SerialLink& link, const TuningItem& item, int testChannel,
                       QWidget* parent = nullptr);

    QLineEdit* valueField() const { return value_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* startButton() const { return start_; }
    Indicator* startLamp() const { return lamp_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    TuningMeter* meter() const { return meter_; }
    bool gaveUp() const { return adjustment_.closeRequested(); }

public slots:
    void accept() override; // OK: the value in the field, stored
    void reject() override; // Cancel: the initial value back, stored

private:
    void createControls(SerialLink& link, int testChannel);
    QLayout* createValueRows();
    QLayout* createButtonRow();
    void startClicked();
    void showValue(int value);
    void finish(int result);

    const TuningItem& item_;
    TuningAdjustment adjustment_;
    TuningMeter* meter_ = nullptr;
    QLineEdit* value_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    Indicator* lamp_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool finishing_ = false;
};

} // namespace tsw::ui
