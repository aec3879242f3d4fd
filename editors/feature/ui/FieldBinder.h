#pragma once
// Binds the controls that buildFormRows() made from a feature form's row table to the form
// model: shows every row, hands each commit (edit box left after typing, spin click, list
// selection, check-box click) to the model and applies its answer (rows shown anew, enabling,
// an error message, where the focus goes). The binder holds no rule of its own.

#include <QObject>
#include <functional>
#include <span>
#include <vector>

#include "app/ui/FormBuilder.h"
#include "app/ui/UiText.h"
#include "editors/feature/FieldTable.h"

namespace tsw::ui {

// The fixed-pitch font of code boxes.
QFont fixedPitchFont();

// Builds the rows of `table` listed in `order` (indices into the table) inside `container`,
// projected by `toFormRow`, and returns them indexed by table row (rows not listed stay empty).
std::vector<BuiltRow> buildRowsInOrder(QWidget* container, std::span<const feature::FieldRow> table,
                                       std::span<const int> order,
                                       const std::function<FormRow(int row)>& toFormRow);

// Keeps the rows built into `container` at their natural width when the window grows.
void keepRowsCompact(QWidget* container);

// The FormRow of a table row: Text rows become Number rows without spin buttons.
FormRow formRowOf(const feature::FieldRow& row, int groupId = 0, int column = 0);

class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(feature::FieldForm& form, std::vector<BuiltRow> rows, QObject* parent);

    // Edit modes, text limits, fonts, list entries, every value, the enabling.
    void setUp();
    void showRow(int row);
    void showAll();
    void applyEnabling();
    // Puts `text` into a row's box as if typed there (committed when the box is left).
    void setTyped(int row, const QString& text);
    // Commits a box that was typed into and still holds the focus (before the window closes).
    void commitPending();

    const BuiltRow& built(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    // Called after every commit with the model's answer, before its message is shown.
    std::function<void(int row, const feature::Commit&)> afterCommit;
    // Rows the view keeps hidden (and disabled).
    std::function<bool(int row)> hiddenRow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectRow(int row);
    void fillList(int row);
    void commitText(int row);
    void limitLength(int row, qsizetype length);
    void apply(int row, const feature::Commit& commit);
    int rowOfEdit(const QObject* edit) const;

    feature::FieldForm& form_;
    std::vector<BuiltRow> rows_;
    std::vector<bool> edited_; // typed into since last shown
    bool showing_ = false;     // values are being shown: list and check signals are no commits
    bool inMessage_ = false;   // an error message is open
};

} // namespace tsw::ui
