#include "app/ui/EditorFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>

#include "app/ui/EditorForm.h"
#include "app/ui/Shell.h"

namespace tsw::ui {

EditorFrame::EditorFrame(int command, EditorForm* form, QWidget* parent)
    : QMdiSubWindow(parent), command_(command), form_(form) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(form);
    setWindowTitle(form->windowTitle());
    setWindowIcon(form->windowIcon());
    connect(form, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    // The child's own close shortcut is Ctrl+F4 only: Ctrl+W belongs to Write to Radio.
    if (QMenu* menu = systemMenu())
        for (QAction* a : menu->actions())
            if (a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    shell().editorFrameCreated();
}

void EditorFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        closing_ = true;
}

EditorFrame::~EditorFrame() {
    shell().editorFrameDestroyed();
}

} // namespace tsw::ui
