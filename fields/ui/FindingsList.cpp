#include "fields/ui/FindingsList.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include "app/ui/KeyTests.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

QString severityText(fields::Severity severity) {
    return plainText(severity == fields::Severity::Error ? StrId::CheckSeverityError
                                                         : StrId::CheckSeverityWarning);
}

QIcon severityIcon(fields::Severity severity) {
    return QApplication::style()->standardIcon(severity == fields::Severity::Error
                                                   ? QStyle::SP_MessageBoxCritical
                                                   : QStyle::SP_MessageBoxWarning);
}

FindingsList::FindingsList(QWidget* parent) : QTableWidget(0, 3, parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setTabKeyNavigation(false); // Tab leaves the list for the buttons
    verticalHeader()->hide();
    // Rows as high as their wrapped message; the message takes the width the others leave.
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kSeverityColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kFieldColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kMessageColumn, QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    retranslate();
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { chooseCurrent(); });
}

void FindingsList::retranslate() {
    setHorizontalHeaderLabels({plainText(StrId::CheckColumnSeverity),
                               plainText(StrId::CheckColumnField),
                               plainText(StrId::CheckColumnMessage)});
}

void FindingsList::setFindings(std::vector<fields::Finding> findings) {
    findings_ = std::move(findings);
    clearContents();
    setRowCount(static_cast<int>(findings_.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const fields::Finding& f = findings_[static_cast<std::size_t>(row)];
        auto* severity = new QTableWidgetItem(severityIcon(f.severity), severityText(f.severity));
        auto* field = new QTableWidgetItem(fromStd(f.name));
        auto* message = new QTableWidgetItem(fromStd(f.message));
        for (QTableWidgetItem* item : {severity, field, message})
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        setItem(row, kSeverityColumn, severity);
        setItem(row, kFieldColumn, field);
        setItem(row, kMessageColumn, message);
    }
    if (rowCount() > 0)
        setCurrentCell(0, kFieldColumn);
}

QString FindingsList::cellText(int row, int column) const {
    const QTableWidgetItem* i = item(row, column);
    return i != nullptr ? i->text() : QString();
}

const fields::Finding* FindingsList::currentFinding() const {
    const int row = currentRow();
    return row >= 0 && row < static_cast<int>(findings_.size())
               ? &findings_[static_cast<std::size_t>(row)]
               : nullptr;
}

void FindingsList::selectFinding(const std::string& name) {
    for (int row = 0; row < rowCount(); ++row)
        if (findings_[static_cast<std::size_t>(row)].name == name) {
            setCurrentCell(row, kFieldColumn);
            return;
        }
    if (rowCount() > 0)
        setCurrentCell(0, kFieldColumn);
}

void FindingsList::chooseCurrent() {
    if (!choosable_)
        return;
    if (const fields::Finding* f = currentFinding())
        emit fieldChosen(f->field.place);
}

void FindingsList::keyPressEvent(QKeyEvent* event) {
    if (isPlainEnter(*event)) {
        if (!choosable_) {
            event->ignore(); // the dialog's default button
            return;
        }
        chooseCurrent();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// A new width wraps the messages anew: the rows take their new heights.
void FindingsList::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    resizeRowsToContents();
}

} // namespace tsw::ui
