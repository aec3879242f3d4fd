#include "app/ui/ModelInfoDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include "app/CommandTable.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr int kOkId = 1347;
constexpr int kModelLabelId = 1000;
constexpr int kBandLabelId = 1001;
constexpr int kModelListId = 1002;
constexpr int kBandListId = 1003;
constexpr std::uint8_t kByte6ClearMask = 0xFB;
constexpr std::uint8_t kByte6SetBits = 0x03;
constexpr std::uint8_t kBandCodeOnModelChange = 0x93;
constexpr std::uint8_t kBandCodeOnBandChoice = 0x92;

QPushButton* button(QDialogButtonBox* box, StringId text, QDialogButtonBox::ButtonRole role,
                    int id) {
    QPushButton* b = box->addButton(uiText(text), role);
    setControlId(b, id);
    return b;
}

} // namespace

ModelInfoDialog::ModelInfoDialog(QWidget* parent)
    : QDialog(parent), snapshot_(globals().image), identitySnapshot_(globals().identity),
      modelIndexSnapshot_(globals().modelIndex), models_(new QComboBox(this)),
      bands_(new QComboBox(this)) {
    setWindowTitle(plainText(StrId::TitleModelInformation));
    setWindowIcon(svgIcon(kAppIcon));
    setHelpContext(this, helpctx::ModelInformation);
    setControlId(models_, kModelListId);
    setControlId(bands_, kBandListId);

    auto* modelLabel = new QLabel(uiText(StrId::ModelTypeLabel), this);
    auto* bandLabel = new QLabel(uiText(StrId::FrequencyLabel), this);
    setControlId(modelLabel, kModelLabelId);
    setControlId(bandLabel, kBandLabelId);
    modelLabel->setBuddy(models_);
    bandLabel->setBuddy(bands_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = button(buttons, StrId::Ok, QDialogButtonBox::AcceptRole, kOkId);
    button(buttons, StrId::Cancel, QDialogButtonBox::RejectRole, 0);
    QPushButton* help =
        button(buttons, StrId::HelpButton, QDialogButtonBox::HelpRole, kHelpButtonId);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ModelInfoDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(helpctx::ModelInformation); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(modelLabel, 0, 0);
    grid->addWidget(models_, 0, 1);
    grid->addWidget(bandLabel, 1, 0);
    grid->addWidget(bands_, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 200);

    globals().flags.modelGroup = globals().modelIndex <= 2;
    fillModels();
    fillBands();
    models_->installEventFilter(this);
    bands_->installEventFilter(this);
    connect(models_, &QComboBox::activated, this, &ModelInfoDialog::modelChosen);
    connect(bands_, &QComboBox::activated, this, &ModelInfoDialog::bandChosen);
}

void ModelInfoDialog::fillModels() {
    models_->clear();
    for (int i = 0; i < modelCount(); ++i)
        models_->addItem(fromStd(modelEntry(i).displayName));
    models_->setCurrentIndex(globals().modelIndex);
}

void ModelInfoDialog::fillBands() {
    bands_->clear();
    const int model = globals().modelIndex;
    for (int i = 0; i < bandCount(model); ++i)
        bands_->addItem(fromStd(bandEntry(model, i).text));
    bands_->setCurrentIndex(lookupBand(globals().identity));
}

void ModelInfoDialog::modelChosen(int index) {
    AppGlobals& g = globals();
    if (index < 0 || index == g.modelIndex)
        return;
    g.modelIndex = index;
    const std::string_view code = modelEntry(index).code;
    for (std::size_t i = 0; i < code.size() && i < 5; ++i) {
        g.identity[i] = static_cast<std::uint8_t>(code[i]);
        g.image.setByte(layout::kIdentity + i, g.identity[i]);
    }
    const std::uint8_t b6 = g.image.byte(layout::kIdentityByte6);
    g.image.setByte(layout::kIdentityByte6,
                    static_cast<std::uint8_t>((b6 & kByte6ClearMask) | kByte6SetBits));
    g.image.setByte(layout::kBandCode, kBandCodeOnModelChange);
    g.flags.modelGroup = false;
    modelChanged_ = true;
    fillBands();
}

void ModelInfoDialog::bandChosen(int index) {
    if (index >= 0)
        globals().image.setByte(layout::kBandCode, kBandCodeOnBandChoice);
}

void ModelInfoDialog::reject() {
    AppGlobals& g = globals();
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (g.image.byte(i) != snapshot_.byte(i))
            g.image.setByte(i, snapshot_.byte(i));
    g.identity = identitySnapshot_;
    g.modelIndex = modelIndexSnapshot_;
    modelChanged_ = false;
    QDialog::reject();
}

bool ModelInfoDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            (watched == models_ ? bands_ : models_)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tsw::ui
