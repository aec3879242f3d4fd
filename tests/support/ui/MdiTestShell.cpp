#include "tests/support/ui/MdiTestShell.h"

#include <QMdiSubWindow>
#include <QTimer>

#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/main/EditorWindows.h"

namespace tsw::test {

MdiTestShell::MdiTestShell() : area_(new QMdiArea(&main_)) {
    main_.setCentralWidget(area_);
    main_.resize(1100, 800);
    ui::setShell(this);
    ui::registerEditorWindows(); // the program's windows behind the commands
}

MdiTestShell::~MdiTestShell() {
    for (QMdiSubWindow* sub : area_->subWindowList())
        delete sub;
    ui::setShell(nullptr);
}

void MdiTestShell::postCommand(int command) {
    posted.push_back(command);
    QTimer::singleShot(0, &main_, [this, command] { runCommand(command); });
}

void MdiTestShell::runCommand(int command) {
    if (ui::findEditorFactory(command))
        openEditor(command);
    else if (const ui::CommandHandler* handler = ui::findCommandHandler(command))
        (*handler)(*this);
}

ui::EditorForm* MdiTestShell::openEditorOf(int command) {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (auto* frame = qobject_cast<ui::EditorFrame*>(sub); frame && frame->command() == command)
            return frame->form();
    return nullptr;
}

ui::EditorForm* MdiTestShell::openEditor(int command) {
    if (ui::EditorForm* open = openEditorOf(command)) {
        area_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    const ui::EditorFactory* factory = ui::findEditorFactory(command);
    if (!factory)
        return nullptr;
    ui::EditorForm* form = (*factory)();
    auto* frame = new ui::EditorFrame(command, form);
    area_->addSubWindow(frame);
    frame->show();
    area_->setActiveSubWindow(frame);
    return form;
}

void MdiTestShell::closeAllEditors() {
    for (QMdiSubWindow* sub : area_->subWindowList())
        sub->close();
}

} // namespace tsw::test
