#include "editors/feature/ui/FieldBinder.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontDatabase>
#include <climits>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

using feature::Commit;
using feature::FieldKind;

QFont fixedPitchFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

std::vector<BuiltRow> buildRowsInOrder(QWidget* container, std::span<const feature::FieldRow> table,
                                       std::span<const int> order,
                                       const std::function<FormRow(int row)>& toFormRow) {
    std::vector<FormRow> formRows;
    for (int row : order)
        formRows.push_back(toFormRow(row));
    std::vector<BuiltRow> made = buildFormRows(container, std::span<const FormRow>(formRows));
    std::vector<BuiltRow> byRow(table.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        byRow[static_cast<std::size_t>(order[i])] = made[i];
    return byRow;
}

void keepRowsCompact(QWidget* container) {
    if (auto* columns = qobject_cast<QBoxLayout*>(container->layout()))
        columns->addStretch(1);
}

FormRow formRowOf(const feature::FieldRow& row, int groupId, int column) {
    RowKind kind = RowKind::Hidden;
    switch (row.kind) {
    case FieldKind::Text:
    case FieldKind::Number:
        kind = RowKind::Number;
        break;
    case FieldKind::List:
        kind = RowKind::List;
        break;
    case FieldKind::Check:
        kind = RowKind::Check;
        break;
    case FieldKind::Group:
        kind = RowKind::Group;
        break;
    default:
        break;
    }
    return FormRow{row.labelId, row.valueId, row.spinId, row.label, kind, groupId, column};
}

FieldBinder::FieldBinder(feature::FieldForm& form, std::vector<BuiltRow> rows, QObject* parent)
    : QObject(parent), form_(form), rows_(std::move(rows)), edited_(rows_.size(), false) {}

void FieldBinder::setUp() {
    for (int row = 0; row < rowCount(); ++row)
        connectRow(row);
    showAll();
    applyEnabling();
}

void FieldBinder::connectRow(int row) {
    const feature::FieldRow& field = form_.rows()[static_cast<std::size_t>(row)];
    BuiltRow& b = rows_[static_cast<std::size_t>(row)];
    if (b.edit) {
        b.edit->setMode(field.editMode != 0 ? field.editMode : filter::Digits);
        if (field.textLimit != 0)
            b.edit->setMaxLength(field.textLimit);
        if (field.fixedPitch)
            b.edit->setFont(fixedPitchFont());
        b.edit->installEventFilter(this);
        connect(b.edit, &QLineEdit::textEdited, this, [this, row](const QString& text) {
            edited_[static_cast<std::size_t>(row)] = true;
            limitLength(row, text.size());
        });
    }
    if (b.spin) {
        b.spin->setRange(INT_MIN / 2,
                         INT_MAX / 2); // the form steps and wraps; only the direction counts
        connect(b.spin, &SpinButtons::stepped, this, [this, row](int, int direction) {
            const BuiltRow& r = built(row);
            const std::string typed = r.edit ? r.edit->text().toStdString() : std::string();
            apply(row, form_.step(row, direction, typed));
            if (r.edit)
                r.edit->selectAll();
        });
    }
    if (b.list) {
        fillList(row);
        connect(b.list, &QComboBox::currentIndexChanged, this, [this, row](int index) {
            if (!showing_)
                apply(row, form_.commitList(row, index));
        });
    }
    if (b.check)
        connect(b.check, &QCheckBox::clicked, this,
                [this, row](bool on) { apply(row, form_.commitCheck(row, on)); });
    if (hiddenRow && hiddenRow(row))
        for (QWidget* w : {static_cast<QWidget*>(b.label), b.value, static_cast<QWidget*>(b.spin)})
            if (w)
                w->hide();
}

void FieldBinder::fillList(int row) {
    QComboBox* list = built(row).list;
    const bool wasShowing = showing_;
    showing_ = true;
    list->clear();
    for (const feature::ListEntry& e : form_.listEntries(row))
        list->addItem(uiText(e.text), e.code);
    showing_ = wasShowing;
}

void FieldBinder::showRow(int row) {
    const BuiltRow& b = built(row);
    const bool wasShowing = showing_;
    showing_ = true;
    if (b.edit) {
        if (const std::optional<std::string> text = form_.text(row)) {
            const QString shown = QString::fromStdString(*text);
            limitLength(row, shown.size());
            b.edit->setText(shown);
        }
        edited_[static_cast<std::size_t>(row)] = false;
    }
    if (b.list) {
        fillList(row); // a list's entries may depend on other rows
        b.list->setCurrentIndex(form_.listIndex(row));
    }
    if (b.check)
        b.check->setChecked(form_.checked(row));
    showing_ = wasShowing;
}

// The text limit holds for typing only: a longer text the form shows ("Off" in a two-digit
// box) is shown whole, and the limit comes back once the typed text fits it again.
void FieldBinder::limitLength(int row, qsizetype length) {
    const int limit = form_.rows()[static_cast<std::size_t>(row)].textLimit;
    if (limit != 0)
        built(row).edit->setMaxLength(std::max<int>(limit, static_cast<int>(length)));
}

void FieldBinder::showAll() {
    for (int row = 0; row < rowCount(); ++row)
        showRow(row);
}

void FieldBinder::applyEnabling() {
    for (int row = 0; row < rowCount(); ++row) {
        const BuiltRow& b = built(row);
        const bool on = form_.enabled(row) && !(hiddenRow && hiddenRow(row));
        for (QWidget* w : {b.value, static_cast<QWidget*>(b.spin)})
            if (w)
                w->setEnabled(on);
    }
}

void FieldBinder::setTyped(int row, const QString& text) {
    if (QLineEdit* edit = built(row).edit) {
        limitLength(row, text.size());
        edit->setText(text);
        edited_[static_cast<std::size_t>(row)] = true;
    }
}

void FieldBinder::commitPending() {
    for (int row = 0; row < rowCount(); ++row)
        if (edited_[static_cast<std::size_t>(row)] && built(row).edit &&
            built(row).edit->hasFocus())
            commitText(row);
}

void FieldBinder::commitText(int row) {
    if (!edited_[static_cast<std::size_t>(row)] || inMessage_)
        return;
    edited_[static_cast<std::size_t>(row)] = false;
    apply(row, form_.commitText(row, built(row).edit->text().toStdString()));
}

void FieldBinder::apply(int row, const Commit& commit) {
    for (int r = 0; r < rowCount() && r < static_cast<int>(feature::kMaxFormRows); ++r)
        if (commit.shows(r))
            showRow(r);
    applyEnabling();
    if (afterCommit)
        afterCommit(row, commit);
    if (commit.message != 0 && !inMessage_) {
        inMessage_ = true;
        shell().prompt().ask(errorPrompt(commit.message));
        inMessage_ = false;
    }
    QLineEdit* edit = built(row).edit;
    if (commit.keepFocus && edit) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    if (commit.focusClose)
        if (auto* form = qobject_cast<EditorForm*>(parent()))
            form->closeButton()->setFocus(Qt::OtherFocusReason);
}

int FieldBinder::rowOfEdit(const QObject* edit) const {
    for (int row = 0; row < rowCount(); ++row)
        if (built(row).edit == edit)
            return row;
    return -1;
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        if (const int row = rowOfEdit(watched); row >= 0)
            commitText(row);
    return QObject::eventFilter(watched, event);
}

} // namespace tsw::ui
