#pragma once
// The findings of Check Configuration as a table of three columns: the severity (its icon and
// word), the field in the editors' words, and the message, wrapped over as many lines as it
// needs. Double click or Enter on a finding emits fieldChosen with the finding's place in its
// editor.

#include <QTableWidget>
#include <string>
#include <vector>

#include "fields/ConfigurationCheck.h"

namespace tsw::ui {

class FindingsList : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kSeverityColumn = 0;
    static constexpr int kFieldColumn = 1;
    static constexpr int kMessageColumn = 2;

    explicit FindingsList(QWidget* parent = nullptr);

    void setFindings(std::vector<fields::Finding> findings);
    const std::vector<fields::Finding>& findings() const { return findings_; }
    // False: double click and Enter choose nothing (Enter goes on to the dialog's default
    // button). True by default.
    void setChoosable(bool choosable) { choosable_ = choosable; }
    // The finding of the current row, or null.
    const fields::Finding* currentFinding() const;
    // Makes the first finding at the field named `name` current (the first finding when none).
    void selectFinding(const std::string& name);
    // The finding's place: as if it had been double-clicked.
    void chooseCurrent();
    // The header texts again (after a language change).
    void retranslate();
    // The text of a cell (tests and the windows' own summaries).
    QString cellText(int row, int column) const;

signals:
    void fieldChosen(const fields::FieldPlace& place);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<fields::Finding> findings_;
    bool choosable_ = true;
};

// The severity's word and icon as the lists show them.
QString severityText(fields::Severity severity);
QIcon severityIcon(fields::Severity severity);

} // namespace tsw::ui
