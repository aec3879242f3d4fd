#pragma once
// The DTMF editor (form 155): three tabs, the rows of kDtmfFieldTable bound to DtmfForm on the
// first two and the grid of eight DTMF codes on the third.

#include <QTabWidget>

#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"
#include "editors/feature/DtmfForm.h"

namespace tsw::ui {

class CellGrid;
class FieldBinder;
using CDTMFFrm = EditorFrame;

class CDtmfView : public EditorForm {
    Q_OBJECT
public:
    explicit CDtmfView(QWidget* parent = nullptr);

    FieldBinder& binder() const { return *binder_; }
    QTabWidget* tabs() const { return tabs_; }
    CellGrid* grid() const { return grid_; }
    const feature::DtmfForm& form() const { return form_; }

    bool enterActsAsTab(const QWidget* focus) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createRows();
    void createGrid();

    feature::DtmfForm form_;
    QTabWidget* tabs_ = nullptr;
    FieldBinder* binder_ = nullptr;
    CellGrid* grid_ = nullptr;
};

} // namespace tsw::ui
