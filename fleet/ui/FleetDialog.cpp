#include "fleet/ui/FleetDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"
#include "editors/feature/WriteRefusal.h"
#include "fields/ConfigurationCheck.h"
#include "fleet/FleetTexts.h"

namespace tsw::ui {

namespace {

using namespace tsw::fleet;

constexpr int kFirstNumberId = 1501;
constexpr int kLabelId = 1502;
constexpr int kLineId = 1503;
constexpr int kDtmfId = 1504;
constexpr int kCrewLinkId = 1505;
constexpr int kCountId = 1506;
constexpr int kLogId = 1507;
constexpr int kBrowseId = 1508;
constexpr int kSerialId = 1509;
constexpr int kPhaseId = 1510;
constexpr int kProgressId = 1511;
constexpr int kTableId = 1512;
constexpr int kStartId = 1513;
constexpr int kStopId = 1514;

enum Column { ColNumber, ColSerial, ColLabel, ColDtmf, ColCrewLink, ColResult, ColMessage };

QLineEdit* digitsBox(QWidget* parent, int id, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    setControlId(box, id);
    return box;
}

QLabel* buddyLabel(QWidget* parent, StringId text, QWidget* buddy) {
    auto* label = new QLabel(uiText(text), parent);
    label->setBuddy(buddy);
    return label;
}

std::string lookup(StringId id) {
    return toStd(uiText(id));
}

} // namespace

FleetDialog::FleetDialog(const RadioImage& configuration, FleetRadio& radio, Clock& waitClock,
                         const QString& logPath, QWidget* parent)
    : QDialog(parent), configuration_(configuration), radio_(radio), waitClock_(waitClock) {
    setUpDialog(this, cmd::WriteToSeveralRadios);
    setWindowTitle(plainText(StrId::FleetDialogTitle));
    setWindowIcon(svgIcon(kAppIcon));
    createControls();
    log_->setText(logPath);
    resize(820, 620);
}

void FleetDialog::createControls() {
    start_ = makeButton(this, kStartId, StrId::FleetStartButton);
    stop_ = makeButton(this, kStopId, StrId::FleetStopButton);
    close_ = makeButton(this, kCloseButtonId, StrId::CloseButton);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    stop_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, &FleetDialog::startRun);
    connect(stop_, &QPushButton::clicked, this, &FleetDialog::requestStop);
    connect(close_, &QPushButton::clicked, this, &FleetDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(cmd::WriteToSeveralRadios); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createSettings());
    layout->addWidget(createRunArea(), 1);
    layout->addLayout(buttonRow({start_, stop_, close_, help}));
}

QWidget* FleetDialog::createSettings() {
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    firstNumber_ = new QSpinBox(box);
    firstNumber_->setRange(0, kMaxRadioNumber);
    firstNumber_->setValue(1);
    setControlId(firstNumber_, kFirstNumberId);
    label_ = new QLineEdit(box);
    label_->setMaxLength(64);
    setControlId(label_, kLabelId);
    auto* hint = new QLabel(uiText(StrId::FleetLabelHint), box);
    hint->setWordWrap(true);
    line_ = new QComboBox(box);
    line_->addItems({QStringLiteral("1"), QStringLiteral("2")});
    line_->setCurrentIndex(1);
    setControlId(line_, kLineId);
    dtmf_ = digitsBox(box, kDtmfId, kMaxDtmfIdLength);
    crewLink_ = digitsBox(box, kCrewLinkId, 4);
    count_ = new QSpinBox(box);
    count_->setRange(1, 9999);
    setControlId(count_, kCountId);
    log_ = new QLineEdit(box);
    setControlId(log_, kLogId);
    browse_ = makeButton(box, kBrowseId, StrId::FleetBrowseButton);
    connect(browse_, &QPushButton::clicked, this, &FleetDialog::chooseLogFile);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(log_, 1);
    logRow->addWidget(browse_);
    form->addRow(buddyLabel(box, StrId::FleetFirstNumberLabel, firstNumber_), firstNumber_);
    form->addRow(buddyLabel(box, StrId::FleetLabelPatternLabel, label_), label_);
    form->addRow(QString(), hint);
    form->addRow(buddyLabel(box, StrId::FleetLabelLineLabel, line_), line_);
    form->addRow(buddyLabel(box, StrId::FleetFirstDtmfLabel, dtmf_), dtmf_);
    form->addRow(buddyLabel(box, StrId::FleetFirstCrewLinkLabel, crewLink_), crewLink_);
    form->addRow(buddyLabel(box, StrId::FleetCountLabel, count_), count_);
    form->addRow(buddyLabel(box, StrId::FleetLogLabel, log_), logRow);
    form->addRow(QString(), new QLabel(uiText(StrId::FleetVerifyNote), box));
    return box;
}

QWidget* FleetDialog::createRunArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* status = new QFormLayout;
    serial_ = new QLabel(area);
    setControlId(serial_, kSerialId);
    phase_ = new QLabel(area);
    phase_->setWordWrap(true);
    setControlId(phase_, kPhaseId);
    status->addRow(new QLabel(plainText(StrId::SerialNumberLabel) + QStringLiteral(":"), area),
                   serial_);
    status->addRow(QString(), phase_);
    progress_ = new QProgressBar(area);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v / %m"));
    setControlId(progress_, kProgressId);
    table_ = new QTableWidget(0, ColMessage + 1, area);
    setControlId(table_, kTableId);
    table_->setHorizontalHeaderLabels(
        {plainText(StrId::FleetColumnNumber), plainText(StrId::SerialNumberLabel),
         plainText(StrId::FleetColumnLabel), plainText(StrId::FleetColumnDtmf),
         plainText(StrId::FleetColumnCrewLink), plainText(StrId::FleetColumnResult),
         plainText(StrId::FleetColumnMessage)});
    for (int c = 0; c < ColMessage; ++c)
        table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addLayout(status);
    layout->addWidget(progress_);
    layout->addWidget(table_, 1);
    return area;
}

FleetPlan FleetDialog::planFromControls() const {
    FleetPlan plan;
    plan.firstNumber = firstNumber_->value();
    plan.count = count_->value();
    if (!label_->text().isEmpty())
        plan.labelPattern = toStd(label_->text());
    plan.labelLine = line_->currentIndex() + 1;
    if (!dtmf_->text().isEmpty())
        plan.firstDtmfId = toStd(dtmf_->text());
    if (!crewLink_->text().isEmpty())
        plan.firstCrewLinkId = crewLink_->text().toInt();
    return plan;
}

bool FleetDialog::refuse(const std::string& message) {
    shell().prompt().ask(composedErrorPrompt(message, 0, lookup));
    return false;
}

// Every radio's copy is checked before the first is written, as Write to Radio checks.
bool FleetDialog::checkCopies(const FleetPlan& plan, int first, int last) {
    for (int n = first; n <= last; ++n) {
        RadioImage copy = configuration_;
        applyValues(copy, plan, valuesFor(plan, n));
        if (const auto refusal = checkBeforeWriting(copy))
            return refuse(refusalText(*refusal, lookup));
        const auto findings = fields::checkConfiguration(copy, lookup);
        if (fields::countFindings(findings, fields::Severity::Error) == 0)
            continue;
        std::string message = lookup(StrId::FleetCheckErrors);
        for (const auto& f : findings)
            if (f.severity == fields::Severity::Error)
                message += "\n" + f.name + ": " + f.message;
        return refuse(message);
    }
    return true;
}

void FleetDialog::startRun() {
    if (running_)
        return;
    const FleetPlan plan = planFromControls();
    LogWriter log;
    const std::string logPath = toStd(log_->text());
    if (const LogOpen opened = log.open(logPath); opened != LogOpen::Opened) {
        refuse(logOpenText(opened, log.reading(), logPath, lookup));
        return;
    }
    const ResumePoint from = resumePoint(plan, *log.reading().summary);
    if (const PlanCheck check = checkPlan(plan, from.nextNumber, lastNumber(plan, from)); !check) {
        refuse(planProblemText(check, lookup));
        return;
    }
    if (!checkCopies(plan, from.nextNumber, lastNumber(plan, from)))
        return;
    if (const LogOpen started = log.start(); started != LogOpen::Opened) {
        refuse(logOpenText(started, log.reading(), logPath, lookup));
        return;
    }
    runFrom(plan, log, from);
}

void FleetDialog::runFrom(const FleetPlan& plan, LogWriter& log, const ResumePoint& from) {
    table_->setRowCount(0);
    progress_->setRange(0, plan.count);
    progress_->setValue(from.done);
    if (from.done > 0)
        phase_->setText(
            fromStd(fillTemplate(lookup(StrId::FleetResumed),
                                 {std::to_string(from.done), std::to_string(from.nextNumber)})));
    FleetSetup setup;
    setup.plan = plan;
    setup.configuration = configuration_;
    setup.check = [](const RadioImage& image) -> std::optional<std::string> {
        if (const auto refusal = checkBeforeWriting(image))
            return refusalText(*refusal, lookup);
        return std::nullopt;
    };
    running_ = true;
    stopAsked_ = false;
    continueAsked_ = false;
    setEditable(false);
    FleetRun run(
        setup, radio_, waitClock_, [&log](const LogRow& row) { return log.append(row); }, *this);
    const FleetOutcome outcome = run.run(from);
    running_ = false;
    lastEnd_ = outcome.end;
    setEditable(true);
    showEnd(outcome, plan.count);
    if (outcome.end == FleetEnd::LogFailed)
        refuse(fillTemplate(lookup(StrId::FleetLogAppendFailed), {toStd(log_->text())}));
    if (outcome.end == FleetEnd::PortFailed)
        refuse(lookup(StrId::FleetPortFailed));
}

void FleetDialog::showEnd(const FleetOutcome& outcome, int total) {
    serial_->clear();
    const std::string done = std::to_string(outcome.done);
    const StringId text =
        outcome.end == FleetEnd::Completed ? StrId::FleetFinished : StrId::FleetStopped;
    phase_->setText(fromStd(fillTemplate(lookup(text), {done, std::to_string(total)})));
}

void FleetDialog::setEditable(bool editable) {
    for (QWidget* w : std::initializer_list<QWidget*>{firstNumber_, label_, line_, dtmf_, crewLink_,
                                                      count_, log_, browse_, start_, close_})
        w->setEnabled(editable);
    stop_->setEnabled(!editable);
}

void FleetDialog::chooseLogFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, plainText(StrId::FleetDialogTitle), log_->text(), plainText(StrId::FleetLogFilter),
        nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        log_->setText(path);
}

void FleetDialog::requestStop() {
    if (!running_)
        return;
    stopAsked_ = true;
    stop_->setEnabled(false);
    phase_->setText(uiText(StrId::FleetStopping));
}

void FleetDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (running_ && enter) {
        continueAsked_ = true;
        return;
    }
    // Enter in a box starts the run (a button keeps Enter for itself).
    if (!running_ && enter && start_->isEnabled() && !qobject_cast<QPushButton*>(focusWidget())) {
        startRun();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Escape or the title bar's close button: while a run goes on, it is a Stop.
void FleetDialog::reject() {
    if (running_) {
        requestStop();
        return;
    }
    QDialog::reject();
}

// ---- FleetObserver ----------------------------------------------------------------------

void FleetDialog::phase(FleetPhase phase, const std::string& serial) {
    serial_->setText(fromStd(serial));
    if (stopAsked_)
        return;
    switch (phase) {
    case FleetPhase::Waiting:
        break; // connectNext has said what to do
    case FleetPhase::Checking:
        phase_->setText(uiText(StrId::FleetPhaseChecking));
        break;
    case FleetPhase::Writing:
        phase_->setText(uiText(StrId::FleetPhaseWriting));
        break;
    case FleetPhase::Done:
        break;
    }
    waitClock_.sleepMs(0); // shows it at once
}

void FleetDialog::skipped(const std::string& serial) {
    if (!stopAsked_)
        phase_->setText(fromStd(fillTemplate(lookup(StrId::FleetSkipped), {serial})));
}

void FleetDialog::radioDone(const LogRow& row, int done, int total) {
    const int r = table_->rowCount();
    table_->insertRow(r);
    const QString cells[] = {QString::number(row.number),
                             fromStd(row.serial),
                             fromStd(row.label),
                             fromStd(row.dtmfId),
                             fromStd(row.crewLinkId),
                             plainText(row.ok ? StrId::FleetResultOk : StrId::FleetResultFailed),
                             fromStd(row.message)};
    for (int c = 0; c <= ColMessage; ++c)
        table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    table_->item(r, ColMessage)->setToolTip(cells[ColMessage]); // a long reason shows whole
    table_->scrollToBottom();
    progress_->setRange(0, total);
    progress_->setValue(done);
}

void FleetDialog::connectNext(int done, int total) {
    (void)done, (void)total;
    if (stopAsked_)
        return;
    serial_->clear();
    phase_->setText(
        uiText(table_->rowCount() == 0 ? StrId::FleetPhaseWaiting : StrId::FleetConnectNext));
}

} // namespace tsw::ui
