#include "app/ui/EditorFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>

#include "app/ui/EditorForm.h"
#include "app/ui/FieldTips.h"
#include "app/ui/Modules.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "print/PagePlan.h"

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
    addPrintEntry();
    addFieldTips(form, command);
    shell().editorFrameCreated();
}

// The entry goes in a group of its own above Close; it has no shortcut (Ctrl+P is File > Print).
void EditorFrame::addPrintEntry() {
    QMenu* menu = systemMenu();
    if (!menu || !sectionOfEditor(command_))
        return;
    auto* print = new QAction(uiText(StrId::MenuFilePrint), menu);
    connect(print, &QAction::triggered, this, &EditorFrame::printOwnSection);
    QAction* closeGroup = nullptr;
    for (QAction* a : menu->actions())
        if (a->isSeparator())
            closeGroup = a;
    if (!closeGroup) {
        menu->addSeparator();
        menu->addAction(print);
        return;
    }
    menu->insertAction(closeGroup, print);
    menu->insertSeparator(print);
}

// Printing is the print module's (loaded with its first use); without it nothing happens, as
// for File > Print.
void EditorFrame::printOwnSection() {
    const auto print = reinterpret_cast<EditorPrintEntry>(
        moduleEntry(moduleDirectory(), kPrintModuleFile, kEditorPrintEntry));
    if (print)
        print(command_, window());
}

void EditorFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || closing_)
        return;
    closing_ = true;
    emit closing();
}

EditorFrame::~EditorFrame() {
    shell().editorFrameDestroyed();
}

} // namespace tsw::ui
