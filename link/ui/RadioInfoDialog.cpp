#include "link/ui/RadioInfoDialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"
#include "link/RadioInfo.h"

namespace tsw::ui {

namespace {

constexpr int kDialog = 143;
constexpr int kModelLabel = 1151;
constexpr int kFrequencyLabel = 1152;
constexpr int kSerialLabel = 1153;
constexpr int kModelField = 1154;
constexpr int kFrequencyField = 1155;
constexpr int kSerialField = 1156;
constexpr int kVersionField = 1157;
constexpr int kVersionLabel = 1158;
constexpr int kOk = 1;

QLabel* makeField(QWidget* parent, int id, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(200);
    setControlId(l, id);
    return l;
}

} // namespace

RadioInfoDialog::RadioInfoDialog(SerialLink& link, QWidget* parent) : QDialog(parent) {
    setUpDialog(this, kDialog);
    setWindowTitle(plainText(StrId::TitleRadioInformation));
    const TextLookup text = link.texts();
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    model_ = makeField(this, kModelField, fromStd(modelTypeText(link.radioModelCode)));
    frequency_ = makeField(this, kFrequencyField, fromStd(frequencyText(link.radioTypeByte, text)));
    serial_ = makeField(this, kSerialField,
                        fromStd(serialNumberText(link.radioInfoText, link.radioInfoSerial)));
    version_ = makeField(this, kVersionField, fromStd(versionText(link.radioVersion)));
    serial_->setFont(fixed);
    version_->setFont(fixed);

    auto* grid = new QGridLayout;
    const auto row = [&](int r, int labelId, StringId label, QLabel* field) {
        auto* l = new QLabel(plainText(label), this);
        setControlId(l, labelId);
        grid->addWidget(l, r, 0);
        grid->addWidget(field, r, 1);
    };
    row(0, kModelLabel, StrId::ModelTypeLabel, model_);
    row(1, kFrequencyLabel, StrId::FrequencyLabel, frequency_);
    row(2, kSerialLabel, StrId::SerialNumberLabel, serial_);
    row(3, kVersionLabel, StrId::RadioInfoVersionLabel, version_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(createButtonRow());
    ok_->setFocus();
}

QLayout* RadioInfoDialog::createButtonRow() {
    ok_ = new QPushButton(uiText(StrId::CloseButton), this);
    setControlId(ok_, kOk);
    ok_->setDefault(true);
    help_ = new QPushButton(uiText(StrId::HelpButton), this);
    setControlId(help_, kHelpButtonId);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(help_, &QPushButton::clicked, this, [] { showHelp(kDialog); });
    ok_->installEventFilter(this);
    help_->installEventFilter(this);

    return buttonRow({ok_, help_});
}

bool RadioInfoDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const auto moveTo = [](QPushButton* to, QPushButton* from) {
        from->setDefault(false);
        to->setDefault(true);
        to->setFocus();
        return true;
    };
    if (watched == help_ && key == Qt::Key_Left)
        return moveTo(ok_, help_);
    if (watched == ok_ && key == Qt::Key_Right)
        return moveTo(help_, ok_);
    return QDialog::eventFilter(watched, event);
}

} // namespace tsw::ui
