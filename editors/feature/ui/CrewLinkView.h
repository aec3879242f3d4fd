#pragma once
// The CrewLink editor (form 156): tab 0 holds the rows of kCrewLinkFieldTable bound to
// CrewLinkForm, tab 1 the fleet/ID table of eight entries.

#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/ui/TabbedGridForm.h"

namespace tsw::ui {

class CrewLinkView : public TabbedGridForm {
    Q_OBJECT
public:
    explicit CrewLinkView(QWidget* parent = nullptr);

protected:
    void showGridCells() override;

private:
    void createRows();
    void createGrid();
    void showEntry(int entry);

    feature::CrewLinkForm form_;
};

} // namespace tsw::ui
