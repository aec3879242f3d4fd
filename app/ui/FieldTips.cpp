#include "app/ui/FieldTips.h"

#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QPointer>
#include <QTableWidget>
#include <QToolTip>
#include <map>
#include <utility>

#include "app/CommandIds.h"
#include "app/ui/EditorForm.h"
#include "app/ui/UiText.h"
#include "fields/FieldHint.h"

namespace tsw::ui {
namespace {

// The tips of a grid's cells, by grid row and column (the header row and column are 0).
class CellTips : public QObject {
public:
    explicit CellTips(QTableWidget* table) : QObject(table), table_(table) {
        table->viewport()->installEventFilter(this);
    }
    void add(int row, int column, const QString& tip) { tips_[{row, column}] = tip; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex at = table_->indexAt(help->pos());
        const auto it = tips_.find({at.row() + 1, at.column() + 1});
        if (!at.isValid() || it == tips_.end()) {
            QToolTip::hideText();
            return true;
        }
        QToolTip::showText(help->globalPos(), it->second, table_->viewport(),
                           table_->visualRect(at));
        return true;
    }

private:
    QTableWidget* table_;
    std::map<std::pair<int, int>, QString> tips_;
};

// The grid of a field's cell: the control named, else the form's one grid (the channel table
// names its grid after the current column).
QTableWidget* gridOf(QWidget* form, int control) {
    if (auto* table = findControl<QTableWidget>(form, control))
        return table;
    const auto grids = form->findChildren<QTableWidget*>();
    return grids.size() == 1 ? grids.first() : nullptr;
}

// The channel edit window shows one channel's fields at a time, in the controls the catalogue
// names for every channel's fields: their tips are those of channel 1 (the same for each).
bool inChannelEdit(const fields::Field& f) {
    return f.place.command == cmd::ChannelInformation && f.place.row == 1 && f.place.control != 0;
}

} // namespace

void buildFieldTips(QWidget* form, int command) {
    std::map<QTableWidget*, CellTips*> cells;
    const bool channelEdit = command == cmd::OpenChannelEdit;
    for (const fields::Field& f : fields::fieldCatalogue()) {
        if (f.hidden || (channelEdit ? !inChannelEdit(f) : f.place.command != command))
            continue;
        const QString tip = QString::fromStdString(fields::fieldTip(f, tsw::tr));
        if (channelEdit) {
            if (QWidget* w = findControl(form, f.place.control))
                w->setToolTip(tip);
            continue;
        }
        if (f.place.column < 0) {
            if (QWidget* w = findControl(form, f.place.control))
                w->setToolTip(tip);
            continue;
        }
        QTableWidget* grid = gridOf(form, f.place.control);
        if (!grid)
            continue;
        CellTips*& tips = cells[grid];
        if (!tips)
            tips = new CellTips(grid);
        tips->add(f.place.row, f.place.column, tip);
    }
}

namespace {

// Builds the tips of a form when the first one is asked for: a window opens without the cost
// of reading the catalogue (a good part of the channel table's start-up), and the first pointer
// resting on a field shows its tip all the same.
class TipsOnDemand : public QObject {
public:
    TipsOnDemand(QWidget* form, int command) : QObject(form), form_(form), command_(command) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType() || !form_)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (w != form_ && !form_->isAncestorOf(w))
            return false;
        qApp->removeEventFilter(this);
        buildFieldTips(form_, command_);
        QCoreApplication::sendEvent(watched, event); // now with the tip (and the grid's filter)
        deleteLater();
        return true;
    }

private:
    QPointer<QWidget> form_;
    int command_;
};

} // namespace

void addFieldTips(QWidget* form, int command) {
    new TipsOnDemand(form, command);
}

} // namespace tsw::ui
