#include "link/ui/TabbedTuningDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ScopedCount.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"
#include "link/ui/Indicator.h"
#include "link/ui/TuningDialogs.h"
#include "link/ui/TuningMeter.h"

namespace tsw::ui {

using namespace tuningids;

namespace {

constexpr int kMaxValue = 255;
constexpr int kCoarseStep = 8;
constexpr int kCoarseMax = 31;

} // namespace

TabbedTuningDialog::TabbedTuningDialog(SerialLink& link, const TuningItem& item, int testChannel,
                                       QWidget* parent)
    : QDialog(parent), link_(link), item_(item),
      adjustment_(link, item.code, meterReadingCode(item), initialTuningValue(link.tuning, item)) {
    setUpDialog(this, static_cast<int>(TuningDialog::Tabbed));
    setWindowTitle(plainText(item.caption));
    tabs_ = new QTabWidget(this);
    setControlId(tabs_, kTabs);
    tabs_->addTab(createItemPage(link.globals().image, testChannel), plainText(item.caption));
    tabs_->addTab(createMeterPage(), plainText(StrId::TuningMeterTab));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createTopRow());
    layout->addWidget(tabs_);
    layout->addLayout(createButtonRow());
    setMinimumWidth(380);

    meter_ = new TuningMeter(adjustment_, this);
    connect(meter_, &TuningMeter::reading, this, &TabbedTuningDialog::showMeter);
    connect(meter_, &TuningMeter::retried, this, [this](int last) {
        if (last >= 0)
            showMeter(last);
    });
    connect(meter_, &TuningMeter::gaveUp, this, [this] {
        finishing_ = true;
        QDialog::done(QDialog::Rejected);
    });
    connect(tabs_, &QTabWidget::currentChanged, this, &TabbedTuningDialog::tabChanged);
    value_ = adjustment_.initialValue();
    showValue(value_);
    meter_->start();
}

QLayout* TabbedTuningDialog::createTopRow() {
    auto* row = new QHBoxLayout;
    ptt_ = makeButton(this, kPtt, StrId::PttButton);
    ptt_->setCheckable(true);
    ptt_->setVisible(item_.transmits);
    connect(ptt_, &QPushButton::clicked, this, &TabbedTuningDialog::pttClicked);
    coarseField_ = new QLineEdit(this);
    coarseField_->setReadOnly(true);
    coarseField_->setFixedWidth(coarseField_->fontMetrics().horizontalAdvance("000") + 16);
    setControlId(coarseField_, kCoarseField);
    coarseSpin_ = new SpinButtons(this);
    coarseSpin_->setRange(0, kCoarseMax);
    setControlId(coarseSpin_, kCoarseSpin);
    connect(coarseSpin_, &SpinButtons::stepped, this,
            [this](int coarse, int) { changeValue(std::min(coarse * kCoarseStep, kMaxValue)); });
    row->addWidget(ptt_);
    row->addStretch(1);
    row->addWidget(new QLabel(plainText(StrId::TuningCoarseLabel), this));
    row->addLayout(boxWithSpin(coarseField_, coarseSpin_));
    return row;
}

QWidget* TabbedTuningDialog::createItemPage(const RadioImage& image, int testChannel) {
    auto* page = new QWidget(this);
    const auto index = static_cast<int>(&item_ - kTuningItems.data());
    setHelpContext(page, kFirstItemPage + std::min(index, kMeterPage - kFirstItemPage - 1));
    track_ = new QSlider(Qt::Horizontal, page);
    track_->setRange(0, kMaxValue);
    track_->setPageStep(kCoarseStep);
    setControlId(track_, kTrack);
    bar_ = makeTuningBar(page);
    field_ = new DigitEdit(page);
    field_->setMaxLength(3);
    field_->setFixedWidth(field_->fontMetrics().horizontalAdvance("0000") + 16);
    setControlId(field_, kValueField);
    spin_ = new SpinButtons(page);
    spin_->setRange(0, kMaxValue);
    setControlId(spin_, kValueSpin);

    connectItemPage();

    auto* valueRow = new QHBoxLayout;
    valueRow->addStretch(1);
    valueRow->addLayout(boxWithSpin(field_, spin_));
    valueRow->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(withTuningEnds(page, track_));
    layout->addLayout(withTuningEnds(page, bar_));
    layout->addLayout(valueRow);
    layout->addLayout(tuningFrequencyRow(page, image, testChannel));
    return page;
}

void TabbedTuningDialog::connectItemPage() {
    // A drag shows the position and sends it when the bar is let go; keys and clicks send.
    connect(track_, &QSlider::valueChanged, this, [this](int v) {
        if (track_->isSliderDown())
            showValue(v);
        else if (v != value_)
            changeValue(v);
    });
    connect(track_, &QSlider::sliderReleased, this, [this] { changeValue(track_->value()); });
    connect(spin_, &SpinButtons::stepped, this, [this](int v, int) { changeValue(v); });
    connect(field_, &QLineEdit::editingFinished, this, &TabbedTuningDialog::fieldEdited);
}

QWidget* TabbedTuningDialog::createMeterPage() {
    auto* page = new QWidget(this);
    setHelpContext(page, kMeterPage);
    start_ = makeMeterStart(page);
    start_->setAutoDefault(false);
    lamp_ = makeMeterLamp(page);
    meterBar_ = makeTuningBar(page);
    meterField_ = new QLabel(page);
    meterField_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    meterField_->setAlignment(Qt::AlignCenter);
    meterField_->setMinimumWidth(meterField_->fontMetrics().horizontalAdvance("0000") + 16);
    setControlId(meterField_, kValueField);
    connect(start_, &QPushButton::clicked, this, &TabbedTuningDialog::startClicked);
    auto* top = new QHBoxLayout;
    top->addWidget(start_);
    top->addWidget(lamp_);
    top->addStretch(1);
    top->addWidget(meterField_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(withTuningEnds(page, meterBar_));
    layout->addStretch(1);
    return page;
}

QLayout* TabbedTuningDialog::createButtonRow() {
    ok_ = makeButton(this, kOk, StrId::Ok);
    cancel_ = makeButton(this, kCancel, StrId::Cancel);
    connect(ok_, &QPushButton::clicked, this, &TabbedTuningDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TabbedTuningDialog::reject);
    return buttonRow({ok_, cancel_});
}

void TabbedTuningDialog::showValue(int value) {
    const QSignalBlocker block(track_);
    track_->setValue(value);
    bar_->setValue(value);
    field_->setText(QString::number(value));
    spin_->setValue(value);
    coarseSpin_->setValue(value / kCoarseStep);
    coarseField_->setText(QString::number(value / kCoarseStep));
}

void TabbedTuningDialog::changeValue(int value) {
    value = std::clamp(value, 0, kMaxValue);
    showValue(value);
    if (finishing_ || sending_ > 0 || value == value_)
        return;
    const ScopedCount scope(sending_);
    value_ = value;
    adjustment_.setValue(static_cast<std::uint8_t>(value));
    if (adjustment_.closeRequested()) {
        finishing_ = true;
        meter_->stop();
        QDialog::done(QDialog::Rejected);
    }
}

void TabbedTuningDialog::fieldEdited() {
    changeValue(typedTuningValue(field_->text()));
}

void TabbedTuningDialog::pttClicked() {
    if (busy())
        return;
    const ScopedCount scope(sending_);
    const bool on = !link_.globals().flags.pttOn;
    adjustment_.setPtt(on);
    ptt_->setChecked(link_.globals().flags.pttOn);
    if (adjustment_.closeRequested()) {
        finishing_ = true;
        meter_->stop();
        QDialog::done(QDialog::Rejected);
    }
}

void TabbedTuningDialog::startClicked() {
    switchMeter(*meter_, start_, lamp_);
}

void TabbedTuningDialog::tabChanged(int index) {
    // The meter reads only while its page is shown.
    if (index != 1 && meter_->measuring())
        startClicked();
}

void TabbedTuningDialog::showMeter(int reading) {
    meterBar_->setValue(reading);
    meterField_->setText(QString::number(reading));
}

bool TabbedTuningDialog::busy() const {
    return finishing_ || sending_ > 0 || meter_->ticking();
}

void TabbedTuningDialog::finish(int result, bool store) {
    if (busy())
        return;
    meter_->stop(); // nothing of the meter may come between the commands
    finishing_ = true;
    const ScopedCount scope(sending_);
    bool ok = true;
    if (link_.globals().flags.pttOn)
        ok = adjustment_.setPtt(false);
    if (ok)
        store ? adjustment_.store() : adjustment_.cancelIfChanged();
    ptt_->setChecked(link_.globals().flags.pttOn);
    QDialog::done(result);
}

void TabbedTuningDialog::accept() {
    // A value typed and not yet confirmed counts.
    if (!busy() && typedTuningValue(field_->text()) != value_)
        fieldEdited();
    finish(QDialog::Accepted, true);
}

void TabbedTuningDialog::reject() {
    finish(QDialog::Rejected, false);
}

} // namespace tsw::ui
