#pragma once
// The base of the tabbed feature forms whose last tab is a code table (DTMF, CrewLink): a tab
// control fills the body, Ctrl+Tab and Ctrl+Shift+Tab step through its pages (wrapping
// around) wherever the focus is, the rows of the form's table are bound to its model by a
// FieldBinder, and the code table sits alone on its page, where Enter belongs to the table.

#include <QTabWidget>
#include <vector>

#include "app/StringIds.h"
#include "app/ui/EditorForm.h"
#include "app/ui/FormBuilder.h"
#include "editors/feature/FieldTable.h"

namespace tsw::ui {

class CellGrid;
class FieldBinder;

class TabbedGridForm : public EditorForm {
    Q_OBJECT
public:
    FieldBinder& binder() const { return *binder_; }
    QTabWidget* tabs() const { return tabs_; }
    CellGrid* grid() const { return grid_; }

    bool enterActsAsTab(const QWidget* focus) const override;
    // An open cell editor is put away, the rows and the table's cells shown anew.
    bool showImageAgain() override;

protected:
    // `tabControlId` names the tab control (F1 and the tests find it by it).
    TabbedGridForm(int helpContext, StringId title, int tabControlId, QWidget* parent);

    // Binds the rows built for `form` (indexed by table row) and shows them.
    void bindRows(feature::FieldForm& form, std::vector<BuiltRow> rows);
    // Adds a page holding `rows` (built inside it), kept at their natural width.
    void addRowsTab(QWidget* rows, StringId caption);
    // Adds the page of the code table, at its natural width; F1 on the table or its editor
    // opens topic `helpId`.
    void addGridTab(CellGrid* grid, StringId caption, int helpId);
    // Shows every cell of the code table from the image (nothing where the table is not kept
    // in the image).
    virtual void showGridCells() {}

private:
    QTabWidget* tabs_;
    FieldBinder* binder_ = nullptr;
    CellGrid* grid_ = nullptr;
};

} // namespace tsw::ui
