#pragma once
// The adjustment dialogs of test mode. Each shows one tuning value (0..255) in a field and a
// bar, sends every change to the radio at once, stores the value on OK and puts the initial
// value back on Cancel:
//
//   Battery Indicator Level (187), VOX1 (191), VOX10 (190): SingleTuningDialog, with a live
//     meter reading (Start button 1328, lamp 1329, bar 1302, field 1304)
//   the seven items of the tabbed dialog (171): TabbedTuningDialog
//
// The meter timer stops before anything is sent on OK or Cancel.

#include <QDialog>
#include <QString>

#include "link/TuningItems.h"

class QHBoxLayout;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tsw::ui {

// Opens the item's dialog modally; returns true when the user gave the radio up in it (the
// end command has been sent).
bool runAdjustmentDialog(QWidget* parent, SerialLink& link, const TuningItem& item,
                         int testChannel);

// A typed value as a tuning value: empty reads 0, anything above 255 is 255.
std::uint8_t typedTuningValue(const QString& text);

class Indicator;
class TuningMeter;

// ---- Parts both dialogs build the same way ---------------------------------------------------

// "RX 446.00625 MHz" at the left and "TX ..." at the right of one row, for a test channel of
// the image.
QHBoxLayout* tuningFrequencyRow(QWidget* parent, const RadioImage& image, int testChannel);
// A bar of 0..255 (control 1302), and a row holding `middle` between the labels 0 and 255.
QProgressBar* makeTuningBar(QWidget* parent);
QHBoxLayout* withTuningEnds(QWidget* parent, QWidget* middle);
// The meter's Start button (1328, a toggle) and its lamp (1329, hidden while the meter rests).
QPushButton* makeMeterStart(QWidget* parent);
Indicator* makeMeterLamp(QWidget* parent);
// A click on Start: the meter measures or rests, and the button and the lamp say which.
void switchMeter(TuningMeter& meter, QPushButton* start, Indicator* lamp);

namespace tuningids {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kCoarseField = 1173;
inline constexpr int kCoarseSpin = 1174;
inline constexpr int kPtt = 1181;
inline constexpr int kTabs = 1298;
inline constexpr int kBar = 1302;
inline constexpr int kTrack = 1303;
inline constexpr int kValueField = 1304;
inline constexpr int kValueSpin = 1305;
inline constexpr int kStart = 1328;
inline constexpr int kStartLamp = 1329;
inline constexpr int kMeterPage = 177;
inline constexpr int kFirstItemPage = 172;
} // namespace tuningids

} // namespace tsw::ui
