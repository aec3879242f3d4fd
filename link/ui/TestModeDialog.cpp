#include "link/ui/TestModeDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"
#include "link/TestModeForm.h"
#include "link/ui/Indicator.h"
#include "link/ui/TestModeIds.h"

namespace tsw::ui {

using namespace testmode;

TestModeDialog::TestModeDialog(SerialLink& link, QWidget* parent)
    : QDialog(parent), link_(link), session_(link) {
    setUpDialog(this, cmd::TestMode);
    setWindowTitle(plainText(StrId::MenuTestMode));
    createControls();
}

QPushButton* TestModeDialog::addButton(int id, StringId text) {
    auto* b = makeButton(this, id, text);
    buttons_[id] = b;
    return b;
}

QLabel* TestModeDialog::addField(int id) {
    auto* l = new QLabel(this);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(110);
    setControlId(l, id);
    fields_[id] = l;
    return l;
}

Indicator* TestModeDialog::addIndicator(int id, int kind) {
    auto* lamp = new Indicator(static_cast<Indicator::Kind>(kind), this);
    setControlId(lamp, id);
    indicators_[id] = lamp;
    return lamp;
}

QPushButton* TestModeDialog::button(int id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

Indicator* TestModeDialog::indicator(int id) const {
    const auto it = indicators_.find(id);
    return it == indicators_.end() ? nullptr : it->second;
}

QLabel* TestModeDialog::field(int id) const {
    const auto it = fields_.find(id);
    return it == fields_.end() ? nullptr : it->second;
}

QLayout* TestModeDialog::createSelectionRows() {
    const auto rx = static_cast<int>(Indicator::Kind::Receive);
    const auto tx = static_cast<int>(Indicator::Kind::Transmit);
    auto* grid = new QGridLayout;
    channel_ = new QComboBox(this);
    setControlId(channel_, kChannelBox);
    for (const std::string& entry : testChannelEntries())
        channel_->addItem(fromStd(entry));
    signalling_ = new QComboBox(this);
    setControlId(signalling_, kSignallingBox);
    for (const TestSignalling& s : testSignallings(&tsw::tr))
        signalling_->addItem(fromStd(s.entry));

    const auto row = [&](int r, StringId label, QWidget* box, int lampRx, int fieldRx, int lampTx,
                         int fieldTx, bool unit) {
        grid->addWidget(new QLabel(plainText(label), this), r, 0);
        grid->addWidget(box, r, 1);
        grid->addWidget(new QLabel(plainText(StrId::RxLabel), this), r, 2);
        grid->addWidget(addIndicator(lampRx, rx), r, 3);
        grid->addWidget(addField(fieldRx), r, 4);
        grid->addWidget(new QLabel(plainText(StrId::TxLabel), this), r + 1, 2);
        grid->addWidget(addIndicator(lampTx, tx), r + 1, 3);
        grid->addWidget(addField(fieldTx), r + 1, 4);
        if (unit) {
            grid->addWidget(new QLabel(plainText(StrId::MhzUnit), this), r, 5);
            grid->addWidget(new QLabel(plainText(StrId::MhzUnit), this), r + 1, 5);
        }
    };
    row(0, StrId::TestModeTestChannelLabel, channel_, kChannelRxLamp, kRxFrequency, kChannelTxLamp,
        kTxFrequency, true);
    row(2, StrId::TestModeSignallingLabel, signalling_, kSignallingRxLamp, kRxSignalling,
        kSignallingTxLamp, kTxSignalling, false);
    grid->setColumnStretch(4, 1);
    return grid;
}

QLayout* TestModeDialog::createTransmitterRow() {
    auto* row = new QHBoxLayout;
    QPushButton* ptt = addButton(kPtt, StrId::PttButton);
    ptt->setCheckable(true);
    setHelpContext(ptt, kPttHelpTopic);
    row->addWidget(ptt);
    row->addWidget(addIndicator(kPttRxLamp, static_cast<int>(Indicator::Kind::Receive)));
    row->addWidget(addIndicator(kPttTxLamp, static_cast<int>(Indicator::Kind::Transmit)));
    row->addSpacing(24);
    const auto setting = static_cast<int>(Indicator::Kind::Setting);
    row->addWidget(addButton(kWide, StrId::TestModeWideButton));
    row->addWidget(addIndicator(kWideLamp, setting));
    row->addWidget(addButton(kNarrow, StrId::TestModeNarrowButton));
    row->addWidget(addIndicator(kNarrowLamp, setting));
    row->addStretch(1);
    return row;
}

QLayout* TestModeDialog::createTuningRows() {
    auto* box = new QGroupBox(plainText(StrId::TestModeTuningItemsLabel), this);
    items_ = new QListWidget(box);
    setControlId(items_, kItemList);
    for (const TuningItem& item : kTuningItems)
        items_->addItem(plainText(item.caption));
    items_->setMinimumHeight(items_->sizeHintForRow(0) * static_cast<int>(kTuningItems.size()) +
                             2 * items_->frameWidth());
    auto* side = new QVBoxLayout;
    QPushButton* mode = addButton(kTuningMode, StrId::TestModeTuningModeButton);
    mode->setEnabled(false);
    side->addWidget(mode);
    side->addWidget(addButton(kPrint, StrId::TestModePrintButton));
    side->addStretch(1);
    auto* inner = new QHBoxLayout(box);
    inner->addWidget(items_, 1);
    inner->addLayout(side);
    auto* outer = new QVBoxLayout;
    outer->addWidget(box);
    return outer;
}

QLayout* TestModeDialog::createButtonRow() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(addButton(kClose, StrId::CloseButton));
    QPushButton* help = addButton(kHelp, StrId::HelpButton);
    help->setFocusPolicy(Qt::NoFocus); // F1 and Help answer for the control that has the focus
    row->addWidget(help);
    return row;
}

void TestModeDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(createSelectionRows());
    layout->addLayout(createTransmitterRow());
    layout->addLayout(createTuningRows());
    layout->addLayout(createButtonRow());
    for (int id : kTxLamps)
        indicators_[id]->hide();
    indicators_[kWideLamp]->hide();
    indicators_[kNarrowLamp]->hide();

    connect(channel_, &QComboBox::currentIndexChanged, this, &TestModeDialog::channelChanged);
    connect(signalling_, &QComboBox::currentIndexChanged, this, &TestModeDialog::signallingChanged);
    connect(button(kPtt), &QPushButton::clicked, this, &TestModeDialog::pttClicked);
    connect(button(kWide), &QPushButton::clicked, this, &TestModeDialog::wideClicked);
    connect(button(kNarrow), &QPushButton::clicked, this, &TestModeDialog::narrowClicked);
    connect(items_, &QListWidget::itemSelectionChanged, this, &TestModeDialog::itemSelected);
    connect(items_, &QListWidget::itemDoubleClicked, this, &TestModeDialog::openTuningItem);
    connect(button(kTuningMode), &QPushButton::clicked, this, &TestModeDialog::openTuningItem);
    connect(button(kPrint), &QPushButton::clicked, this, &TestModeDialog::printClicked);
    connect(button(kClose), &QPushButton::clicked, this, &TestModeDialog::closeClicked);
    connect(button(kHelp), &QPushButton::clicked, this, &TestModeDialog::helpClicked);
}

int TestModeDialog::helpTopicFor(const QWidget* control) const {
    for (const QWidget* w = control; w && w != this; w = w->parentWidget()) {
        if (const int ctx = helpContext(w))
            return ctx;
        switch (const int id = controlId(w)) {
        case kWide:
        case kNarrow:
        case kTuningMode:
        case kClose:
        case kPrint:
        case kChannelBox:
        case kSignallingBox:
            return id;
        default:
            break;
        }
    }
    return cmd::TestMode;
}

void TestModeDialog::helpClicked() {
    showHelp(helpTopicFor(focusWidget()));
}

} // namespace tsw::ui
