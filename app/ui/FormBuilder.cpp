#include "app/ui/FormBuilder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <map>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

// The grids rows are placed in: one per form column and one per group box.
class Grids {
public:
    explicit Grids(QWidget* container) : columns_(new QHBoxLayout(container)) {}

    QGridLayout* forRow(const FormRow& row) {
        if (row.kind != RowKind::Group && row.groupId != 0) {
            auto it = groups_.find(row.groupId);
            if (it != groups_.end())
                return it->second;
        }
        return column(row.column);
    }

    void addGroup(int id, QGroupBox* box) { groups_[id] = new QGridLayout(box); }

    void finish() {
        for (auto& [n, col] : columns_by_index_)
            col.box->addStretch(1);
    }

private:
    struct Column {
        QVBoxLayout* box = nullptr;
        QGridLayout* grid = nullptr;
    };

    QGridLayout* column(int index) {
        Column& c = columns_by_index_[index];
        if (!c.box) {
            c.box = new QVBoxLayout;
            c.grid = new QGridLayout;
            c.box->addLayout(c.grid);
            columns_->addLayout(c.box);
        }
        return c.grid;
    }

    QHBoxLayout* columns_;
    std::map<int, Column> columns_by_index_;
    std::map<int, QGridLayout*> groups_;
};

template <class T>
T* tagged(T* w, int id) {
    if (id != 0)
        setControlId(w, id);
    return w;
}

void addLabelled(BuiltRow& b, const FormRow& row, QGridLayout* grid, QWidget* parent) {
    const int r = grid->rowCount();
    b.label = tagged(new QLabel(uiText(row.labelText), parent), row.labelId);
    grid->addWidget(b.label, r, 0);
    if (row.kind == RowKind::Number && row.valueId != 0) {
        b.edit = tagged(new FilterEdit(parent), row.valueId);
        b.edit->setMode(filter::Digits);
        b.value = b.edit;
    } else if (row.kind == RowKind::List && row.valueId != 0) {
        b.list = tagged(new QComboBox(parent), row.valueId);
        b.value = b.list;
    }
    if (b.value)
        b.label->setBuddy(b.value);
    if (row.kind == RowKind::Number && row.spinId != 0 && b.edit) {
        b.spin = tagged(new SpinButtons(parent), row.spinId);
        b.spin->setBuddy(b.edit); // Up and Down in the box step it
        grid->addLayout(boxWithSpin(b.edit, b.spin), r, 1);
    } else if (b.value) {
        grid->addWidget(b.value, r, 1);
    }
}

} // namespace

std::vector<BuiltRow> buildFormRows(QWidget* container, std::span<const FormRow> rows) {
    Grids grids(container);
    std::vector<BuiltRow> built(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FormRow& row = rows[i];
        BuiltRow& b = built[i];
        switch (row.kind) {
        case RowKind::Hidden:
            break;
        case RowKind::Group: {
            QGridLayout* grid = grids.forRow(row);
            b.group = tagged(new QGroupBox(uiText(row.labelText), container), row.labelId);
            grid->addWidget(b.group, grid->rowCount(), 0, 1, 3);
            grids.addGroup(row.labelId, b.group);
            break;
        }
        case RowKind::Check: {
            QGridLayout* grid = grids.forRow(row);
            b.check = tagged(new QCheckBox(uiText(row.labelText), container),
                             row.valueId != 0 ? row.valueId : row.labelId);
            b.value = b.check;
            grid->addWidget(b.check, grid->rowCount(), 0, 1, 3);
            break;
        }
        case RowKind::Number:
        case RowKind::List:
            addLabelled(b, row, grids.forRow(row), container);
            break;
        }
    }
    grids.finish();
    return built;
}

} // namespace tsw::ui
