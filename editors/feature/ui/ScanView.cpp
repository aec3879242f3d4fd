#include "editors/feature/ui/ScanView.h"

#include <numeric>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using namespace feature;

ScanView::ScanView(QWidget* parent) : EditorForm(kScanHelpContext, parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleScanInformation));
    int order[scan::RowCount];
    std::iota(std::begin(order), std::end(order), 0);
    auto built = buildRowsInOrder(body(), kScanFieldTable, order, [](int row) {
        return formRowOf(kScanFieldTable[static_cast<std::size_t>(row)]);
    });
    form_.applyEnabling(); // no priority channel without priority 1
    keepRowsCompact(body());
    binder_ = new FieldBinder(form_, std::move(built), this);
    binder_->setUp();
}

bool ScanView::showImageAgain() {
    form_.applyEnabling();
    binder_->showAll();
    binder_->applyEnabling();
    return true;
}

} // namespace tsw::ui
