#include "fields/ui/FieldNavigator.h"

#include <QApplication>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Shell.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/TableGrid.h"

namespace tsw::ui {

namespace {

TableGrid* gridAround(QWidget* control) {
    for (QWidget* w = control; w != nullptr; w = w->parentWidget())
        if (auto* grid = qobject_cast<TableGrid*>(w))
            return grid;
    return nullptr;
}

TableGrid* gridOnPage(QWidget* window) {
    QWidget* page = window;
    if (auto* tabs = window->findChild<QTabWidget*>())
        page = tabs->currentWidget();
    return page != nullptr ? page->findChild<TableGrid*>() : nullptr;
}

// The window the user sees again: the main window's editor, or a dialog on top of it.
void bringForward(QWidget* widget) {
    QWidget* top = widget->window();
    top->raise();
    top->activateWindow();
    QApplication::setActiveWindow(top);
}

// The channel the channel windows work on: selected after the channel table opened (an
// opening table starts on the first channel).
void selectChannel(ChannelInfoView* table, int channel) {
    channelEditorState().selectedChannel = channel;
    if (table) {
        table->updateCaption();
        table->showRow(channel);
    }
    showSelectedChannelInEditWindow();
}

// A channel field only the channel edit window shows (transmit frequency, encode tone): that
// window on the channel, beside the channel table.
void showInChannelEdit(Shell& shell, const fields::FieldPlace& place) {
    auto* table = qobject_cast<ChannelInfoView*>(shell.openEditor(cmd::ChannelInformation));
    selectChannel(table, place.row - 1);
    EditorForm* form = shell.openEditor(cmd::OpenChannelEdit);
    if (auto* edit = qobject_cast<ChannelEditView*>(form))
        edit->showChannel();
    if (form) {
        focusFieldIn(form, place);
        bringForward(form);
    }
}

} // namespace

bool focusFieldIn(QWidget* window, const fields::FieldPlace& place) {
    if (window == nullptr)
        return false;
    if (auto* tabs = window->findChild<QTabWidget*>(); tabs && place.tab < tabs->count())
        tabs->setCurrentIndex(place.tab);
    QWidget* control = place.control != 0 ? findControl(window, place.control) : nullptr;
    TableGrid* grid = gridAround(control);
    // A grid whose id is its help topic (the channel table's follows its current column, the
    // fleet/ID table's is its cell editor's): the grid of the page shown.
    if (grid == nullptr && place.row >= 1 && place.column >= 1)
        grid = gridOnPage(window);
    if (grid != nullptr && place.row >= 1 && place.column >= 1) {
        grid->setCurrentCell(place.row, place.column);
        grid->ensureVisible(place.row, place.column);
        control = grid->table();
    }
    if (control == nullptr)
        return false;
    control->setFocus(Qt::OtherFocusReason);
    return true;
}

void showField(Shell& shell, const fields::FieldPlace& place) {
    if (place.command == 0)
        return;
    if (place.command == cmd::ChannelInformation && place.column < 0) {
        showInChannelEdit(shell, place);
        return;
    }
    if (findEditorFactory(place.command) != nullptr) {
        EditorForm* form = shell.openEditor(place.command);
        if (auto* table = qobject_cast<ChannelInfoView*>(form))
            selectChannel(table, place.row - 1);
        if (form) {
            focusFieldIn(form, place);
            bringForward(form);
        }
        return;
    }
    // A modal dialog (the QT/DQT table, Model Information): the field is set once it runs.
    const fields::FieldPlace wanted = place;
    QTimer::singleShot(0, qApp, [wanted] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            focusFieldIn(dialog, wanted);
    });
    shell.runCommand(place.command);
}

} // namespace tsw::ui
