#include "editors/channel/ui/TestFrequencyView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ui/CellOverlay.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

TestFrequencyView::TestFrequencyView(QWidget* parent)
    : EditorForm(kTemplate, parent), form_(globals().image, globals().narrowStepsOnly) {
    setWindowTitle(uiText(StrId::TitleTestFrequency));
    createGrid();
    fillTestFrequencies();
    grid_->widenColumnsToFit();
    grid_->setFixedSize(grid_->sizeForRows(TestFrequencyForm::kShownChannels));
    grid_->setCurrentCell(1, 1);
    setFocusProxy(grid_->table());
}

void TestFrequencyView::createGrid() {
    grid_ = new TableGrid(body());
    setControlId(grid_->table(), kGridId);
    edit_ = new FilterEdit(body());
    edit_->setMode(filter::Decimal);
    edit_->setMaxLength(TestFrequencyForm::kEditTextMax);
    edit_->setAlignment(Qt::AlignCenter);
    setControlId(edit_, kEditId);
    grid_->setRowHeightPixels(edit_->sizeHint().height());
    grid_->setShape(TestFrequencyForm::kRows, TestFrequencyForm::kColumnWidths);
    grid_->alignCells([](int, int) { return TableGrid::kAlignCentre; });
    auto* layout = new QHBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addStretch(1);
    overlay_ = new CellOverlay(grid_, edit_, [this](int row, int col) {
        return fromStd(form_.commitCell(row, col, edit_->text().toStdString()));
    });
    CellOverlay::TextCells cells;
    cells.lastRow = TestFrequencyForm::kShownChannels;
    cells.lastColumn = TestFrequencyForm::kLastColumn;
    cells.clickOpens = true;
    cells.moveWrapsRows = true; // Enter in the last column goes on to the next row
    overlay_->setTextCells(cells);
}

void TestFrequencyView::fillTestFrequencies() {
    grid_->fillCells([this](int r, int c) { return form_.cellText(r, c); });
}

bool TestFrequencyView::showImageAgain() {
    overlay_->cancel();
    fillTestFrequencies();
    return true;
}

bool TestFrequencyView::enterActsAsTab(const QWidget* focus) const {
    if (focus == grid_->table() || focus == edit_)
        return false;
    return EditorForm::enterActsAsTab(focus);
}

void TestFrequencyView::showEvent(QShowEvent* event) {
    EditorForm::showEvent(event);
    // The question on closing belongs to the frame: watch the MDI child that holds the form.
    QWidget* frame = window();
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(p)) {
            frame = sub;
            break;
        }
    if (frame != watchedFrame_) {
        frame->installEventFilter(this);
        watchedFrame_ = frame;
    }
}

bool TestFrequencyView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedFrame_ && event->type() == QEvent::Close &&
        globals().flags.testFrequencyInUse) {
        // The window closes whatever the answer.
        shell().prompt().ask(textPrompt(StrId::TestFrequencyInUseWarning, StrId::ConfirmCaption,
                                        PromptIcon::Exclamation));
    }
    return EditorForm::eventFilter(watched, event);
}

} // namespace tsw::ui
