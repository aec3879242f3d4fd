#include "print/ui/PrintOutListDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"
#include "print/PagePlan.h"
#include "print/ui/PrintJob.h"

namespace tsw::print::ui {

using tsw::ui::plainText;
using tsw::ui::uiText;

const std::array<PrintOutListDialog::Box, 9> PrintOutListDialog::kBoxes{{
    {printsel::OptionalFeatures, 1325, StrId::TitleOptionalFeatures, true},
    {printsel::KeyAssignment, 1326, StrId::TitleKeyAssignment, true},
    {printsel::Scan, 1327, StrId::TitleScanInformation, true},
    {printsel::Dtmf, 1328, StrId::TitleDtmf, false},
    {printsel::CrewLink, 1329, StrId::TitleCrewLink, false},
    {printsel::TestFrequency, 1330, StrId::TitleTestFrequency, true},
    {printsel::EmbeddedMessage, 1331, StrId::TitleEmbeddedMessage, true},
    {printsel::ChannelInformation, 1332, StrId::TitleChannelInformation, true},
    {printsel::QtDqtTable, 1377, StrId::TitleQtDqtTable, true},
}};

PrintOutListDialog::PrintOutListDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(plainText(StrId::TitlePrintOutList));
    tsw::ui::setHelpContext(this, kHelpContext);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(createBoxes(), 1);
    layout->addLayout(createButtons());
    updateOk();
}

QVBoxLayout* PrintOutListDialog::createBoxes() {
    auto* column = new QVBoxLayout;
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        auto* box = new QCheckBox(uiText(kBoxes[i].text), this);
        tsw::ui::setControlId(box, kBoxes[i].controlId);
        box->setEnabled(kBoxes[i].offered);
        box->setVisible(kBoxes[i].offered);
        connect(box, &QCheckBox::toggled, this, &PrintOutListDialog::updateOk);
        column->addWidget(box);
        boxes_[i] = box;
    }
    createLayoutChoice(column);
    column->addStretch();
    return column;
}

void PrintOutListDialog::createLayoutChoice(QVBoxLayout* column) {
    auto* label = new QLabel(uiText(StrId::PrintLayoutLabel), this);
    blocks_ = new QRadioButton(uiText(StrId::PrintLayoutBlocks), this);
    table_ = new QRadioButton(uiText(StrId::PrintLayoutTable), this);
    label->setBuddy(blocks_);
    auto* group = new QButtonGroup(this);
    group->addButton(blocks_);
    group->addButton(table_);
    blocks_->setChecked(true);
    column->addSpacing(8);
    column->addWidget(label);
    for (QRadioButton* b : {blocks_, table_}) {
        auto* row = new QHBoxLayout;
        row->addSpacing(16);
        row->addWidget(b);
        column->addLayout(row);
    }
}

bool PrintOutListDialog::channelTable() const {
    return table_->isChecked() && (mask() & printsel::ChannelInformation);
}

QVBoxLayout* PrintOutListDialog::createButtons() {
    auto* column = new QVBoxLayout;
    auto add = [&](StringId id, int controlId) {
        auto* button = tsw::ui::makeButton(this, controlId, id);
        column->addWidget(button);
        return button;
    };
    ok_ = add(StrId::Ok, kOkId);
    QPushButton* cancel = add(StrId::Cancel, kCancelId);
    column->addSpacing(12);
    QPushButton* selectAllButton = add(StrId::SelectAllButton, kSelectAllId);
    QPushButton* clearButton = add(StrId::AllClearButton, kAllClearId);
    QPushButton* setup = add(StrId::PrintSetupButton, kPrintSetupId);
    column->addSpacing(12);
    QPushButton* help = add(StrId::HelpButton, kHelpId);
    column->addStretch();

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(selectAllButton, &QPushButton::clicked, this, &PrintOutListDialog::selectAll);
    connect(clearButton, &QPushButton::clicked, this, &PrintOutListDialog::clearAll);
    connect(setup, &QPushButton::clicked, this, &PrintOutListDialog::openPrintSetup);
    connect(help, &QPushButton::clicked, this, [] { tsw::ui::showHelp(kHelpContext); });
    return column;
}

std::uint16_t PrintOutListDialog::mask() const {
    std::uint16_t mask = 0;
    for (std::size_t i = 0; i < kBoxes.size(); ++i)
        if (boxes_[i]->isChecked())
            mask |= kBoxes[i].bit;
    return mask;
}

void PrintOutListDialog::clearAll() {
    for (QCheckBox* box : boxes_)
        if (box->isEnabled())
            box->setChecked(false);
    updateOk();
}

void PrintOutListDialog::selectAll() {
    for (QCheckBox* box : boxes_)
        if (box->isEnabled())
            box->setChecked(true);
    updateOk();
}

void PrintOutListDialog::updateOk() {
    const bool any = mask() != 0;
    ok_->setEnabled(any);
    ok_->setDefault(any);
    const bool channels = (mask() & printsel::ChannelInformation) != 0;
    blocks_->setEnabled(channels);
    table_->setEnabled(channels);
}

void PrintOutListDialog::openPrintSetup() {
    QPageSetupDialog dialog(&sharedPrinter(), this);
    dialog.exec();
}

} // namespace tsw::print::ui
