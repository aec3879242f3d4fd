#pragma once
// The tabbed adjustment dialog (171) of the seven transmitter and receiver items. Its item page
// (172..176) holds the value: a track bar (1303), a bar (1302), the value field (1304) with its
// spin button (1305), and the test channel's frequencies; its meter page (177) reads the
// selected item's meter (0x22) while Start is pressed. Above the tabs: PTT (1181, only for
// items that transmit) and the coarse value (1173, 0..31 with the spin button 1174: the value
// in steps of 8).
//
// Every change of the value is sent at once (setTuningValue); OK stores it (storeTuningValue);
// Cancel puts the initial value back and stores it, but only when a value was sent: the
// place of these items' starting values in the tuning block is not certain, so an untouched
// item is left as the radio holds it. The transmitter is switched off before the dialog closes.

#include <QDialog>

#include "link/Tuning.h"
#include "link/TuningItems.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTabWidget;

namespace tsw::ui {

class Indicator;
class SpinButtons;
class TuningMeter;

class TabbedTuningDialog : public QDialog {
    Q_OBJECT
public:
    TabbedTuningDialog(SerialLink& link, const TuningItem& item, int testChannel,
                       QWidget* parent = nullptr);

    // The value shown and last sent.
    int value() const { return value_; }
    // Sets the value everywhere it is shown and sends it to the radio.
    void changeValue(int value);

    QSlider* trackBar() const { return track_; }
    QProgressBar* bar() const { return bar_; }
    QLineEdit* valueField() const { return field_; }
    SpinButtons* valueSpin() const { return spin_; }
    QLineEdit* coarseField() const { return coarseField_; }
    SpinButtons* coarseSpin() const { return coarseSpin_; }
    QPushButton* pttButton() const { return ptt_; }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* startButton() const { return start_; }
    Indicator* startLamp() const { return lamp_; }
    QProgressBar* meterBar() const { return meterBar_; }
    QLabel* meterField() const { return meterField_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    TuningMeter* meter() const { return meter_; }
    bool gaveUp() const { return adjustment_.closeRequested(); }

public slots:
    void accept() override;
    void reject() override;

private:
    QWidget* createItemPage(const RadioImage& image, int testChannel);
    void connectItemPage();
    QWidget* createMeterPage();
    QLayout* createTopRow();
    QLayout* createButtonRow();
    void showValue(int value);
    void fieldEdited();
    void pttClicked();
    void startClicked();
    void tabChanged(int index);
    void showMeter(int reading);
    // The end of the dialog: meter stopped, transmitter off, then `finalStep`.
    void finish(int result, bool store);
    bool busy() const;

    SerialLink& link_;
    const TuningItem& item_;
    TuningAdjustment adjustment_;
    TuningMeter* meter_ = nullptr;
    int value_ = 0;
    int sending_ = 0;
    bool finishing_ = false;
    QTabWidget* tabs_ = nullptr;
    QSlider* track_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLineEdit* field_ = nullptr;
    SpinButtons* spin_ = nullptr;
    QLineEdit* coarseField_ = nullptr;
    SpinButtons* coarseSpin_ = nullptr;
    QPushButton* ptt_ = nullptr;
    QPushButton* start_ = nullptr;
    Indicator* lamp_ = nullptr;
    QProgressBar* meterBar_ = nullptr;
    QLabel* meterField_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tsw::ui
