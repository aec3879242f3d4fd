#include "app/ui/LanguageSetupDialog.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CommandTable.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr StringId kLanguageEntries[] = {
    StrId::LanguageDutch,  StrId::LanguageEnglish, StrId::LanguageFrench,
    StrId::LanguageGerman, StrId::LanguageItalian, StrId::LanguageSpanish,
};

} // namespace

LanguageSetupDialog::LanguageSetupDialog(int currentCode, QWidget* parent)
    : QDialog(parent), list_(new QComboBox(this)) {
    setWindowTitle(plainText(StrId::TitleLanguageFileSetup));
    setWindowIcon(svgIcon(kAppIcon));
    setHelpContext(this, helpctx::LanguageFileSetup);
    for (StringId id : kLanguageEntries)
        list_->addItem(plainText(id));
    list_->setCurrentIndex(currentCode >= 1 && currentCode <= 6 ? currentCode - 1 : -1);

    auto* label = new QLabel(uiText(StrId::LanguageSelectLabel), this);
    label->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(uiText(StrId::Ok), QDialogButtonBox::AcceptRole);
    buttons->addButton(uiText(StrId::Cancel), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(uiText(StrId::HelpButton), QDialogButtonBox::HelpRole);
    setControlId(help, kHelpButtonId);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(helpctx::LanguageFileSetup); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void LanguageSetupDialog::accept() {
    if (list_->currentIndex() < 0)
        return;
    QDialog::accept();
}

} // namespace tsw::ui
