#include "link/ui/TuningDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "app/AppGlobals.h"
#include "app/ui/EditorForm.h"
#include "app/ui/UiText.h"
#include "link/TestModeForm.h"
#include "link/ui/Indicator.h"
#include "link/ui/SingleTuningDialog.h"
#include "link/ui/TabbedTuningDialog.h"
#include "link/ui/TuningMeter.h"

namespace tsw::ui {

bool runAdjustmentDialog(QWidget* parent, SerialLink& link, const TuningItem& item,
                         int testChannel) {
    if (item.dialog == TuningDialog::Tabbed) {
        TabbedTuningDialog dialog(link, item, testChannel, parent);
        dialog.exec();
        return dialog.gaveUp();
    }
    SingleTuningDialog dialog(link, item, testChannel, parent);
    dialog.exec();
    return dialog.gaveUp();
}

std::uint8_t typedTuningValue(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < 0)
        return 0;
    return static_cast<std::uint8_t>(std::min(v, 255));
}

QHBoxLayout* tuningFrequencyRow(QWidget* parent, const RadioImage& image, int testChannel) {
    const auto f = testChannelFrequencies(image, testChannel, tsw::tr);
    const auto label = [parent](StringId side, const std::string& mhz) {
        return new QLabel(plainText(side) + QLatin1Char(' ') + fromStd(mhz) + QLatin1Char(' ') +
                              plainText(StrId::MhzUnit),
                          parent);
    };
    auto* row = new QHBoxLayout;
    row->addWidget(label(StrId::RxLabel, f.rx));
    row->addStretch(1);
    row->addWidget(label(StrId::TxLabel, f.tx));
    return row;
}

QProgressBar* makeTuningBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 255);
    bar->setTextVisible(false);
    setControlId(bar, tuningids::kBar);
    return bar;
}

QHBoxLayout* withTuningEnds(QWidget* parent, QWidget* middle) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("0"), parent));
    row->addWidget(middle, 1);
    row->addWidget(new QLabel(QStringLiteral("255"), parent));
    return row;
}

QPushButton* makeMeterStart(QWidget* parent) {
    auto* start = new QPushButton(uiText(StrId::StartButton), parent);
    start->setCheckable(true);
    setControlId(start, tuningids::kStart);
    return start;
}

Indicator* makeMeterLamp(QWidget* parent) {
    auto* lamp = new Indicator(Indicator::Kind::Transmit, parent);
    setControlId(lamp, tuningids::kStartLamp);
    lamp->hide();
    return lamp;
}

void switchMeter(TuningMeter& meter, QPushButton* start, Indicator* lamp) {
    const bool measuring = !meter.measuring();
    meter.setMeasuring(measuring);
    start->setChecked(measuring);
    lamp->setVisible(measuring);
}

} // namespace tsw::ui
