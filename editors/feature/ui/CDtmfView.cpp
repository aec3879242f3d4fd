#include "editors/feature/ui/CDtmfView.h"

#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/CellGrid.h"
#include "editors/feature/ui/FieldBinder.h"
#include "editors/feature/ui/FormTabs.h"

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

CDtmfView::CDtmfView(QWidget* parent)
    : EditorForm(kDtmfHelpContext, parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleDtmf));
    tabs_ = new QTabWidget(body());
    setControlId(tabs_, kDtmfTabControl);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    createRows();
    createGrid();
    installTabKeys(this, tabs_);
}

void CDtmfView::createRows() {
    auto* settings = new QWidget;
    auto* id = new QWidget;
    auto built = buildRowsInOrder(settings, kDtmfFieldTable, kSettingsRows, dtmfFormRow);
    auto idBuilt = buildRowsInOrder(id, kDtmfFieldTable, kIdRows, dtmfFormRow);
    for (int row : kIdRows)
        built[static_cast<std::size_t>(row)] = idBuilt[static_cast<std::size_t>(row)];
    keepRowsCompact(settings);
    keepRowsCompact(id);
    tabs_->addTab(settings, uiText(kDtmfTabCaptions[0]));
    tabs_->addTab(id, uiText(kDtmfTabCaptions[1]));
    binder_ = new FieldBinder(form_, std::move(built), this);
    binder_->setUp();
    binder_->built(dtmf::DCodeAssignment).edit->installEventFilter(this);
}

void CDtmfView::createGrid() {
    grid_ = new CellGrid({{StrId::NumberHeader, kDtmfGridColumnTwips[0]},
                          {StrId::DtmfCodeHeader, kDtmfGridColumnTwips[1], filter::Dtmf,
                           static_cast<int>(kDtmfGridCodeLength), true}},
                         kDtmfGridRows);
    // F1 on the table or its editor opens the editor\'s topic.
    setControlId(grid_->table(), kDtmfGridEditId);
    setControlId(grid_->editor(), kDtmfGridEditId);
    grid_->setAdvance(CellGrid::Advance::Down);
    connect(grid_, &CellGrid::cellCommitted, this, [this](int row, int, const QString& text) {
        form_.setGridCode(row, text.toStdString());
        grid_->setCellText(row, 1, QString::fromStdString(form_.gridCode(row)));
    });
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(grid_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    tabs_->addTab(page, uiText(kDtmfTabCaptions[2]));
}

bool CDtmfView::enterActsAsTab(const QWidget* focus) const {
    if (grid_ && (focus == grid_->table() || focus == grid_->editor()))
        return false; // the grid opens and closes its editor with Enter
    return EditorForm::enterActsAsTab(focus);
}

bool CDtmfView::eventFilter(QObject* watched, QEvent* event) {
    // D in the D code box stands for "no D code".
    if (event->type() == QEvent::KeyPress &&
        watched == binder_->built(dtmf::DCodeAssignment).edit) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_D &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            binder_->setTyped(dtmf::DCodeAssignment, QStringLiteral("D"));
            return true;
        }
    }
    return EditorForm::eventFilter(watched, event);
}

TSW_REGISTER_EDITOR(cmd::Dtmf, [] { return new CDtmfView; });

} // namespace tsw::ui
