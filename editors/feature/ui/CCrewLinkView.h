#pragma once
// The CrewLink editor (form 156): tab 0 holds the rows of kCrewLinkFieldTable bound to
// CrewLinkForm, tab 1 the fleet/ID table of eight entries.

#include <QTabWidget>

#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"
#include "editors/feature/CrewLinkForm.h"

namespace tsw::ui {

class CellGrid;
class FieldBinder;
using CCrewLinkFrm = EditorFrame;

class CCrewLinkView : public EditorForm {
    Q_OBJECT
public:
    explicit CCrewLinkView(QWidget* parent = nullptr);

    FieldBinder& binder() const { return *binder_; }
    QTabWidget* tabs() const { return tabs_; }
    CellGrid* grid() const { return grid_; }

    bool enterActsAsTab(const QWidget* focus) const override;

private:
    void createRows();
    void createGrid();
    void showEntry(int entry);

    feature::CrewLinkForm form_;
    QTabWidget* tabs_ = nullptr;
    FieldBinder* binder_ = nullptr;
    CellGrid* grid_ = nullptr;
};

} // namespace tsw::ui
