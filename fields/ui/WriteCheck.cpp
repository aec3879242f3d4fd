#include "fields/ui/WriteCheck.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

#include "app/CommandTable.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "fields/ui/FindingsList.h"

namespace tsw::ui {

namespace {

constexpr int kIconSize = 32;

std::optional<RadioImage>& acknowledgedImage() {
    static std::optional<RadioImage> image;
    return image;
}

QPushButton* plainButton(QWidget* parent, int id, StringId text) {
    auto* b = new QPushButton(uiText(text), parent);
    setControlId(b, id);
    return b;
}

} // namespace

WriteCheckDialog::WriteCheckDialog(std::vector<fields::Finding> findings, QWidget* parent)
    : QDialog(parent), errors_(fields::countFindings(findings, fields::Severity::Error) > 0) {
    setUpDialog(this, helpctx::WriteCheck);
    setWindowTitle(plainText(StrId::ConfirmCaption));

    auto* icon = new QLabel(this);
    const auto severity = errors_ ? fields::Severity::Error : fields::Severity::Warning;
    icon->setPixmap(severityIcon(severity).pixmap(kIconSize, kIconSize));
    text_ =
        new QLabel(plainText(errors_ ? StrId::WriteCheckErrors : StrId::WriteCheckWarnings), this);
    text_->setWordWrap(true);
    list_ = new FindingsList(this);
    list_->setChoosable(false);
    list_->setFindings(std::move(findings));

    if (errors_) {
        write_ = makeButton(this, kWriteAnywayId, StrId::WriteAnywayButton);
    } else {
        write_ = plainButton(this, kOkId, StrId::Ok);
        suppress_ = new QCheckBox(uiText(StrId::WriteCheckSuppress), this);
        setControlId(suppress_, kSuppressId);
    }
    cancel_ = plainButton(this, kCancelId, StrId::Cancel);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(write_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(helpctx::WriteCheck); });
    // With errors nothing is written unless asked for: Enter and Escape both cancel.
    QPushButton* byDefault = errors_ ? cancel_ : write_;
    byDefault->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    if (suppress_)
        layout->addWidget(suppress_);
    layout->addLayout(buttonRow({write_, cancel_, help}));
    resize(820, 360);
    byDefault->setFocus(Qt::OtherFocusReason);
}

bool confirmWriteAfterCheck(Shell& shell, const RadioImage& image) {
    auto findings = fields::checkConfiguration(image, &tsw::tr);
    if (findings.empty())
        return true;
    const bool errors = fields::countFindings(findings, fields::Severity::Error) > 0;
    std::optional<RadioImage>& acknowledged = acknowledgedImage();
    if (!errors && acknowledged && *acknowledged == image)
        return true;
    WriteCheckDialog dialog(std::move(findings), shell.window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (dialog.suppressBox() && dialog.suppressBox()->isChecked())
        acknowledged = image;
    return true;
}

void resetAcknowledgedWarnings() {
    acknowledgedImage().reset();
}

} // namespace tsw::ui
