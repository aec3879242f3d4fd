// The main frame's menus, toolbar, model bar and status bar, and their texts.

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ModelTable.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Help.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MdiClient.h"
#include "app/ui/ModelDisplay.h"
#include "app/ui/StatusPanes.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

struct ToolButton {
    int command; // 0: a separator
    const char* icon;
};

constexpr ToolButton kToolButtons[] = {
    {cmd::FileNew, ":/icons/new.svg"},
    {cmd::FileOpen, ":/icons/open.svg"},
    {cmd::FileSave, ":/icons/save.svg"},
    {0, nullptr},
    {cmd::EditUndo, nullptr}, // the history's actions bring their icons
    {cmd::EditRedo, nullptr},
    {0, nullptr},
    {cmd::FilePrint, ":/icons/print.svg"},
    {0, nullptr},
    {cmd::ReadFromRadio, ":/icons/read.svg"},
    {cmd::WriteToRadio, ":/icons/write.svg"},
    {0, nullptr},
    {cmd::ChannelInformation, ":/icons/channels.svg"},
    {cmd::TreeView, ":/icons/tree.svg"},
    {0, nullptr},
    {cmd::HelpTopics, ":/icons/help.svg"},
};

const char* iconOf(int command) {
    for (const auto& b : kToolButtons)
        if (b.command == command)
            return b.icon;
    return nullptr;
}

std::span<const MenuListEntry> listOf(MenuId id) {
    return id == MenuId::Edit ? editMenuList() : programMenuList();
}

// The visible, not minimized children in their order of creation, with the workspace scrolled
// back to its origin (else it moves them once it finds nothing left to scroll to).
QList<QMdiSubWindow*> arrangedWindows(QMdiArea* area) {
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
    QList<QMdiSubWindow*> subs;
    for (QMdiSubWindow* s : area->subWindowList(QMdiArea::CreationOrder))
        if (s->isVisible() && !s->isMinimized())
            subs << s;
    return subs;
}

// Tiles the children one above another (horizontal) or side by side. No window is made smaller
// than its minimum: where they do not all fit, the row goes on past the edge and the workspace
// scrolls to them.
void tile(QMdiArea* area, bool horizontal) {
    const QList<QMdiSubWindow*> subs = arrangedWindows(area);
    if (subs.isEmpty())
        return;
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(subs.size());
    int at = 0;
    for (int i = 0; i < n; ++i) {
        subs[i]->showNormal();
        const QSize min = subs[i]->minimumSizeHint();
        if (horizontal) {
            const int h = std::max(r.height() * (i + 1) / n - r.height() * i / n, min.height());
            subs[i]->setGeometry(0, at, std::max(r.width(), min.width()), h);
            at += h;
        } else {
            const int w = std::max(r.width() * (i + 1) / n - r.width() * i / n, min.width());
            subs[i]->setGeometry(at, 0, w, std::max(r.height(), min.height()));
            at += w;
        }
    }
}

// Cascades the children from the top left corner, each one title bar lower and to the right,
// at its own size as far as the workspace allows, never below its minimum; a window that would
// not fit where the cascade has got to starts a new one in the corner.
void cascade(QMdiArea* area) {
    const QList<QMdiSubWindow*> subs = arrangedWindows(area);
    const QRect r = area->viewport()->rect();
    int at = 0;
    for (QMdiSubWindow* s : subs) {
        s->showNormal();
        const QSize min = s->minimumSizeHint();
        if (at + min.width() > r.width() || at + min.height() > r.height())
            at = 0; // the next round starts in the corner again
        const QSize room(r.width() - at, r.height() - at);
        const QSize size = s->sizeHint().boundedTo(room).expandedTo(min).expandedTo(QSize(1, 1));
        s->setGeometry(at, at, size.width(), size.height());
        s->raise();
        at += std::max(s->height() - s->contentsRect().height() + 4, 8);
    }
}

// Lines the minimized children up along the bottom edge.
void arrangeIcons(QMdiArea* area) {
    int x = 0;
    const int bottom = area->viewport()->height();
    for (QMdiSubWindow* s : area->subWindowList()) {
        if (!s->isMinimized())
            continue;
        s->move(x, bottom - s->height());
        x += s->width();
    }
}

} // namespace

QAction* MainWindow::makeAction(int command) {
    auto* a = new QAction(this);
    a->setData(command);
    if (const std::string_view keys = commandShortcut(command); !keys.empty())
        a->setShortcut(QKeySequence(QString::fromLatin1(keys.data(), keys.size())));
    if (const char* icon = iconOf(command))
        a->setIcon(svgIcon(QString::fromLatin1(icon)));
    if (command == cmd::ViewToolbar || command == cmd::ViewStatusBar ||
        command == cmd::VerifyAfterWriting)
        a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
    actions_[command] = a;
    return a;
}

void MainWindow::createMenus() {
    actions_[cmd::EditUndo] = history_->undoAction();
    actions_[cmd::EditRedo] = history_->redoAction();
    actions_[cmd::EditClearUndoHistory] = history_->clearAction();
    // The channel commands show their keys, but the keys belong to the channel table (which
    // has its own actions for them): here they are bound to no window.
    for (const CommandItem& item : editMenuTail())
        if (!item.isSeparator())
            makeAction(item.command)->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    for (const MenuDef& menu : mainMenus()) {
        QMenu* m = menuBar()->addMenu(QString());
        menus_[menu.id] = m;
        m->installEventFilter(this);
        for (const CommandItem& item : menu.items) {
            if (item.isSeparator())
                m->addSeparator();
            else
                m->addAction(makeAction(item.command));
        }
        connect(m, &QMenu::aboutToShow, this, &MainWindow::refreshMenus);
    }
    for (MenuId id : {MenuId::Edit, MenuId::Program})
        for (const MenuListEntry& e : listOf(id))
            if (!e.isSeparator())
                makeAction(e.command);
    connect(menus_[MenuId::Window], &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
}

void MainWindow::rebuildListMenu(MenuId id) {
    QMenu* m = menus_[id];
    m->clear(); // the actions belong to the frame and survive
    const auto addItems = [&](std::span<const CommandItem> items) {
        for (const CommandItem& item : items)
            if (item.isSeparator())
                m->addSeparator();
            else
                m->addAction(actions_[item.command]);
    };
    if (id == MenuId::Edit)
        addItems(editMenuHead());
    for (const MenuListEntry& e : listOf(id)) {
        if (e.isSeparator()) {
            m->addSeparator();
            continue;
        }
        QAction* a = actions_[e.command];
        a->setText(uiText(e.textId));
        m->addAction(a);
    }
    if (id == MenuId::Edit)
        addItems(editMenuTail());
}

void MainWindow::fillWindowMenu() {
    QMenu* m = menus_[MenuId::Window];
    for (QAction* a : m->actions())
        if (a->property("tswWindowEntry").toBool())
            delete a;
    const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
    if (subs.isEmpty())
        return;
    m->addSeparator()->setProperty("tswWindowEntry", true);
    int n = 0;
    for (QMdiSubWindow* s : subs) {
        QAction* a = m->addAction(QStringLiteral("&%1 %2").arg(++n).arg(s->windowTitle()));
        a->setProperty("tswWindowEntry", true);
        a->setCheckable(true);
        a->setChecked(s == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, mdi_, [this, s] { mdi_->setActiveSubWindow(s); });
    }
}

void MainWindow::updateWindowMenuPresence() {
    menus_[MenuId::Window]->menuAction()->setVisible(count_.value() > 0);
}

void MainWindow::refreshMenus() {
    for (const MenuDef& menu : mainMenus()) {
        menus_[menu.id]->setTitle(uiText(menu.title));
        for (const CommandItem& item : menu.items)
            if (!item.isSeparator())
                actions_[item.command]->setText(uiText(item.text));
    }
    history_->updateActions();
    for (const CommandItem& item : editMenuTail())
        if (!item.isSeparator())
            actions_[item.command]->setText(uiText(item.text));
    updateChannelCommands();
    rebuildListMenu(MenuId::Edit);
    rebuildListMenu(MenuId::Program);
    actions_[cmd::ViewToolbar]->setChecked(toolBar_ && !toolBar_->isHidden());
    actions_[cmd::ViewStatusBar]->setChecked(!statusBar()->isHidden());
    actions_[cmd::VerifyAfterWriting]->setChecked(globals().verifyAfterWrite);
    updateWindowMenuPresence();
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    for (const auto& b : kToolButtons) {
        if (b.command == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_[b.command]);
    }
}

void MainWindow::createModelBar() {
    addToolBarBreak();
    modelBar_ = addToolBar(QString());
    modelBar_->setObjectName(QStringLiteral("modelBar"));
    modelBar_->setMovable(false);
    modelBar_->toggleViewAction()->setVisible(false);
    modelDisplay_ = new ModelDisplay(modelBar_);
    modelBar_->addWidget(modelDisplay_);
}

void MainWindow::createStatusBar() {
    statusPanes_ = new StatusPanes(statusBar());
}

// The channel commands act on the channel table's selected channel: only while it is open.
void MainWindow::updateChannelCommands() {
    const bool tableOpen = liveFrame(cmd::ChannelInformation) != nullptr;
    for (const CommandItem& item : editMenuTail())
        if (!item.isSeparator())
            actions_[item.command]->setEnabled(tableOpen);
}

QAction* MainWindow::action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(MenuId id) const {
    auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::retranslate() {
    refreshMenus();
    refreshModelDisplay();
    for (QMdiSubWindow* s : mdi_->subWindowList())
        if (QWidget* w = s->widget())
            s->setWindowTitle(w->windowTitle());
}

bool MainWindow::arrange(int command) {
    switch (command) {
    case cmd::Cascade:
        cascade(mdi_);
        return true;
    case cmd::TileHorizontally:
        tile(mdi_, true);
        return true;
    case cmd::TileVertically:
        tile(mdi_, false);
        return true;
    case cmd::ArrangeIcons:
        arrangeIcons(mdi_);
        return true;
    default:
        return false;
    }
}

// F1 on an open menu: the topic of the highlighted command.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1)
        if (auto* m = qobject_cast<QMenu*>(watched)) {
            const QAction* a = m->activeAction();
            const int command = a ? a->data().toInt() : 0;
            m->close();
            if (command)
                showHelp(commandHelpContext(command));
            else
                showDefaultHelp();
            return true;
        }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tsw::ui
