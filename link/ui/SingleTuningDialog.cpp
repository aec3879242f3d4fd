#include "link/ui/SingleTuningDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

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

SingleTuningDialog::SingleTuningDialog(SerialLink& link, const TuningItem& item, int testChannel,
                                       QWidget* parent)
    : QDialog(parent), item_(item),
      adjustment_(link, item.code, meterReadingCode(item), initialTuningValue(link.tuning, item)) {
    setUpDialog(this, static_cast<int>(item.dialog));
    setWindowTitle(plainText(item.caption));
    createControls(link, testChannel);
    meter_ = new TuningMeter(adjustment_, this);
    connect(meter_, &TuningMeter::reading, this, &SingleTuningDialog::showValue);
    connect(meter_, &TuningMeter::retried, this, [this](int last) {
        if (last >= 0)
            showValue(last);
    });
    connect(meter_, &TuningMeter::gaveUp, this, [this] { finish(QDialog::Rejected); });
    showValue(adjustment_.initialValue());
    meter_->start();
}

void SingleTuningDialog::createControls(SerialLink& link, int testChannel) {
    const RadioImage& image = link.globals().image;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tuningFrequencyRow(this, image, testChannel));
    layout->addLayout(createValueRows());
    layout->addLayout(createButtonRow());
    setMinimumWidth(380);
}

QLayout* SingleTuningDialog::createValueRows() {
    bar_ = makeTuningBar(this);

    value_ = new DigitEdit(this);
    value_->setMaxLength(3);
    value_->setAlignment(Qt::AlignCenter);
    QFont big = value_->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    value_->setFont(big);
    value_->setFixedWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    setControlId(value_, kValueField);
    auto* valueRow = new QHBoxLayout;
    valueRow->addStretch(1);
    valueRow->addWidget(value_);
    valueRow->addStretch(1);

    auto* rows = new QVBoxLayout;
    rows->addLayout(withTuningEnds(this, bar_));
    rows->addLayout(valueRow);
    return rows;
}

QLayout* SingleTuningDialog::createButtonRow() {
    start_ = makeMeterStart(this);
    lamp_ = makeMeterLamp(this);
    ok_ = makeButton(this, kOk, StrId::Ok);
    cancel_ = makeButton(this, kCancel, StrId::Cancel);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &SingleTuningDialog::startClicked);
    connect(ok_, &QPushButton::clicked, this, &SingleTuningDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &SingleTuningDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(lamp_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    return buttons;
}

void SingleTuningDialog::showValue(int value) {
    value_->setText(QString::number(value));
    bar_->setValue(value);
}

void SingleTuningDialog::startClicked() {
    switchMeter(*meter_, start_, lamp_);
}

void SingleTuningDialog::finish(int result) {
    finishing_ = true;
    meter_->stop();
    QDialog::done(result);
}

void SingleTuningDialog::accept() {
    if (finishing_ || meter_->ticking())
        return;
    meter_->stop(); // nothing of the meter may come between the commands
    finishing_ = true;
    adjustment_.ok(typedTuningValue(value_->text()));
    QDialog::done(QDialog::Accepted);
}

void SingleTuningDialog::reject() {
    // A close request while a reading waits for the radio is ignored (the window stays).
    if (finishing_ || meter_->ticking())
        return;
    meter_->stop();
    finishing_ = true;
    adjustment_.cancel();
    QDialog::done(QDialog::Rejected);
}

} // namespace tsw::ui
