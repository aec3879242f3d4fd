#include "editors/feature/ui/DtmfView.h"

#include <QKeyEvent>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using namespace feature;

namespace {

constexpr int kSettingsRows[] = {dtmf::Speed,        dtmf::FirstDigitTime,  dtmf::FirstDigitDelay,
                                 dtmf::StarHashTone, dtmf::DCodeAssignment, dtmf::SideTone};
constexpr int kIdRows[] = {dtmf::IdCode,    dtmf::GroupCode, dtmf::AutoResetTimer,
                           dtmf::CallAlert, dtmf::Transpond, dtmf::ClearToTranspond,
                           dtmf::StunGroup, dtmf::StunCode,  dtmf::StunType};

FormRow dtmfFormRow(int row) {
    const bool inStun = row == dtmf::StunCode || row == dtmf::StunType;
    return formRowOf(kDtmfFieldTable[static_cast<std::size_t>(row)],
                     inStun ? kDtmfFieldTable[dtmf::StunGroup].labelId : 0);
}

} // namespace

DtmfView::DtmfView(QWidget* parent)
    : TabbedGridForm(kDtmfHelpContext, StrId::TitleDtmf, kDtmfTabControl, parent),
      form_(globals().image) {
    createRows();
    createGrid();
}

void DtmfView::createRows() {
    auto* settings = new QWidget;
    auto* id = new QWidget;
    auto built = buildRowsInOrder(settings, kDtmfFieldTable, kSettingsRows, dtmfFormRow);
    auto idBuilt = buildRowsInOrder(id, kDtmfFieldTable, kIdRows, dtmfFormRow);
    for (int row : kIdRows)
        built[static_cast<std::size_t>(row)] = idBuilt[static_cast<std::size_t>(row)];
    addRowsTab(settings, kDtmfTabCaptions[0]);
    addRowsTab(id, kDtmfTabCaptions[1]);
    bindRows(form_, std::move(built));
    binder().built(dtmf::DCodeAssignment).edit->installEventFilter(this);
}

void DtmfView::createGrid() {
    auto* grid = new CellGrid({{StrId::NumberHeader, kDtmfGridColumnTwips[0]},
                               {StrId::DtmfCodeHeader, kDtmfGridColumnTwips[1], filter::Dtmf,
                                static_cast<int>(kDtmfGridCodeLength), true}},
                              kDtmfGridRows);
    grid->setAdvance(CellGrid::Advance::Down);
    addGridTab(grid, kDtmfTabCaptions[2], kDtmfGridEditId);
    connect(grid, &CellGrid::cellCommitted, this, [this, grid](int row, int, const QString& text) {
        form_.setGridCode(row, text.toStdString());
        grid->setCellText(row, 1, QString::fromStdString(form_.gridCode(row)));
    });
}

bool DtmfView::eventFilter(QObject* watched, QEvent* event) {
    // D in the D code box stands for "no D code".
    if (event->type() == QEvent::KeyPress &&
        watched == binder().built(dtmf::DCodeAssignment).edit) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_D &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            binder().setTyped(dtmf::DCodeAssignment, QStringLiteral("D"));
            return true;
        }
    }
    return EditorForm::eventFilter(watched, event);
}

} // namespace tsw::ui
