#include "app/ui/EditorFrame.h"

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
    shell().editorFrameCreated();
}

EditorFrame::~EditorFrame() {
    shell().editorFrameDestroyed();
}

} // namespace tsw::ui
