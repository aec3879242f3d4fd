#include "fields/ui/CheckWindow.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"
#include "fields/ui/FieldNavigator.h"
#include "fields/ui/FindingsList.h"

namespace tsw::ui {

namespace {

constexpr int kListId = 1401;
constexpr int kSummaryId = 1402;
constexpr int kCheckAgainId = 1403;
constexpr int kShowFieldId = 1404;

QPointer<CheckWindow>& openWindow() {
    static QPointer<CheckWindow> window;
    return window;
}

} // namespace

CheckWindow::CheckWindow(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setUpDialog(this, cmd::CheckConfiguration);
    setWindowTitle(plainText(StrId::CheckWindowTitle));
    setWindowIcon(svgIcon(kAppIcon));
    createControls();
    resize(900, 420);
    recheck();
}

void CheckWindow::createControls() {
    list_ = new FindingsList(this);
    setControlId(list_, kListId);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    setControlId(summary_, kSummaryId);
    again_ = makeButton(this, kCheckAgainId, StrId::CheckAgainButton);
    show_ = makeButton(this, kShowFieldId, StrId::CheckShowFieldButton);
    auto* close = makeButton(this, kCloseButtonId, StrId::CloseButton);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(again_, &QPushButton::clicked, this, &CheckWindow::recheck);
    connect(show_, &QPushButton::clicked, list_, &FindingsList::chooseCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [] { showHelp(cmd::CheckConfiguration); });
    connect(list_, &FindingsList::fieldChosen, this,
            [this](const fields::FieldPlace& place) { showField(shell_, place); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttonRow({again_, show_, close, help}));
}

void CheckWindow::recheck() {
    const fields::Finding* current = list_->currentFinding();
    const std::string currentName = current ? current->name : std::string();
    checked_ = globals().image;
    auto findings = fields::checkConfiguration(checked_, &tsw::tr);
    const std::size_t errors = fields::countFindings(findings, fields::Severity::Error);
    const std::size_t warnings = fields::countFindings(findings, fields::Severity::Warning);
    summary_->setText(findings.empty() ? plainText(StrId::CheckNothingFound)
                                       : fromStd(fillTemplate(
                                             tsw::tr(StrId::CheckCounts),
                                             {std::to_string(errors), std::to_string(warnings)})));
    show_->setEnabled(!findings.empty());
    list_->setFindings(std::move(findings));
    list_->selectFinding(currentName);
    list_->setFocus(Qt::OtherFocusReason);
}

void CheckWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !(globals().image == checked_))
        recheck();
}

CheckWindow* openCheckWindow(Shell& shell) {
    QPointer<CheckWindow>& window = openWindow();
    if (!window) {
        window = new CheckWindow(shell, shell.window());
        window->setWindowFlag(Qt::Tool);
    } else {
        window->recheck();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tsw::ui
