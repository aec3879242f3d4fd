#include "editors/feature/ui/TabbedGridForm.h"

#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

namespace {

void installTabKeys(QWidget* form, QTabWidget* tabs) {
    const auto step = [tabs](int by) {
        const int n = tabs->count();
        if (n > 0)
            tabs->setCurrentIndex((tabs->currentIndex() + by + n) % n);
    };
    for (const auto& [keys, by] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}}) {
        auto* shortcut = new QShortcut(keys, form);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [step, by = by] { step(by); });
    }
}

} // namespace

TabbedGridForm::TabbedGridForm(int helpContext, StringId title, int tabControlId, QWidget* parent)
    : EditorForm(helpContext, parent), tabs_(new QTabWidget(body())) {
    setWindowTitle(uiText(title));
    setControlId(tabs_, tabControlId);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    installTabKeys(this, tabs_);
}

void TabbedGridForm::bindRows(feature::FieldForm& form, std::vector<BuiltRow> rows) {
    binder_ = new FieldBinder(form, std::move(rows), this);
    binder_->setUp();
}

void TabbedGridForm::addRowsTab(QWidget* rows, StringId caption) {
    keepRowsCompact(rows);
    tabs_->addTab(rows, uiText(caption));
}

void TabbedGridForm::addGridTab(CellGrid* grid, StringId caption, int helpId) {
    grid_ = grid;
    setControlId(grid->table(), helpId);
    setControlId(grid->editor(), helpId);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid, 0, Qt::AlignLeft);
    layout->addStretch(1);
    tabs_->addTab(page, uiText(caption));
}

bool TabbedGridForm::enterActsAsTab(const QWidget* focus) const {
    if (grid_ && (focus == grid_->table() || focus == grid_->editor()))
        return false; // the table opens and closes its editor with Enter
    return EditorForm::enterActsAsTab(focus);
}

bool TabbedGridForm::showImageAgain() {
    if (grid_)
        grid_->cancelEditor();
    binder_->showAll();
    binder_->applyEnabling();
    showGridCells();
    return true;
}

} // namespace tsw::ui
