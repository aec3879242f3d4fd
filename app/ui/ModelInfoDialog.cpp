#include "app/ui/ModelInfoDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include "app/CommandTable.h"
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

void fillList(QComboBox* list, const std::vector<std::string>& entries, int selected) {
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(fromStd(entry));
    list->setCurrentIndex(selected);
}

QPushButton* button(QDialogButtonBox* box, StringId text, QDialogButtonBox::ButtonRole role,
                    int id) {
    QPushButton* b = box->addButton(uiText(text), role);
    setControlId(b, id);
    return b;
}

} // namespace

ModelInfoDialog::ModelInfoDialog(QWidget* parent)
    : QDialog(parent), form_(globals()), models_(new QComboBox(this)), bands_(new QComboBox(this)) {
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

    fillList(models_, form_.modelListEntries(), form_.selectedModel());
    fillBands();
    models_->installEventFilter(this);
    bands_->installEventFilter(this);
    connect(models_, &QComboBox::activated, this, [this](int index) {
        if (form_.chooseModel(index))
            fillBands();
    });
    connect(bands_, &QComboBox::activated, this, [this](int index) { form_.chooseBand(index); });
}

void ModelInfoDialog::fillBands() {
    fillList(bands_, form_.bandListEntries(), form_.selectedBand());
}

void ModelInfoDialog::reject() {
    form_.restore();
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
