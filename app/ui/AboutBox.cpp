#include "app/ui/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(plainText(StrId::MenuAbout));
    setWindowIcon(svgIcon(kAppIcon));
    auto* icon = new QLabel(this);
    icon->setPixmap(svgIcon(kAppIcon).pixmap(48, 48));
    auto* text = new QVBoxLayout;
    const QString texts[] = {
        plainText(StrId::AboutProductName),
        plainText(StrId::AboutVersionLabel) + QLatin1Char(' ') + QLatin1String(kProgramVersion),
        plainText(StrId::AboutReleaseLabel) + QLatin1Char(' ') + QLatin1String(kProgramRelease),
        plainText(StrId::AboutRadioModel),
        plainText(StrId::AboutCopyright),
        plainText(StrId::AboutCompany),
        plainText(StrId::AboutRightsReserved),
    };
    for (const QString& t : texts) {
        auto* l = new QLabel(t, this);
        l->setObjectName(QStringLiteral("aboutLine"));
        text->addWidget(l);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(uiText(StrId::Ok), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

QStringList AboutBox::lines() const {
    QStringList out;
    for (const QLabel* l : findChildren<QLabel*>(QStringLiteral("aboutLine")))
        out << l->text();
    return out;
}

} // namespace tsw::ui
