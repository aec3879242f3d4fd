#pragma once
// The DTMF editor (form 155): three tabs, the rows of kDtmfFieldTable bound to DtmfForm on the
// first two and the grid of eight DTMF codes on the third.

#include "editors/feature/DtmfForm.h"
#include "editors/feature/ui/TabbedGridForm.h"

namespace tsw::ui {

class DtmfView : public TabbedGridForm {
    Q_OBJECT
public:
    explicit DtmfView(QWidget* parent = nullptr);

    const feature::DtmfForm& form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createRows();
    void createGrid();

    feature::DtmfForm form_;
};

} // namespace tsw::ui
