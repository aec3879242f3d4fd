// Read from Radio and Write to Radio.

#include <QApplication>
#include <QWidget>

#include "app/CommandIds.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Shell.h"
#include "editors/channel/ChannelEditorState.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/RadioLink.h"
#include "link/ui/TransferDialog.h"

namespace tsw::ui {

void ShellImageWindows::setCurrentChannel(int channel) {
    channelEditorState().selectedChannel = channel;
}

void ShellImageWindows::closeAllEditors() {
    shell_.closeAllEditors();
}

void ShellImageWindows::openChannelInformation() {
    shell_.postCommand(cmd::ChannelInformation);
}

void ShellImageWindows::refreshImageDisplay() {
    shell_.refreshModelDisplay();
}

namespace {

// Runs the transfer dialog with one request flag set for its lifetime.
void runTransfer(Shell& shell, bool SharedFlags::*request) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    RadioLink::Busy busy(radio);
    SerialLink& link = radio.link();
    auto& flags = link.globals().flags;
    // Nothing talks to the radio now: a mode flag still set is left over from a failure.
    flags.readingFromRadio = false;
    flags.writingToRadio = false;
    ShellImageWindows windows(shell);
    flags.*request = true;
    {
        TransferDialog dialog(link, windows, shell.window());
        dialog.exec();
    }
    flags.*request = false;
}

} // namespace

void runReadFromRadio(Shell& shell) {
    runTransfer(shell, &SharedFlags::readRequested);
}

void runWriteToRadio(Shell& shell) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    // The field being edited is committed when it loses the focus.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    SerialLink& link = radio.link();
    if (const auto refusal = checkBeforeWriting(link.globals().image)) {
        link.prompter().ask(refusalPrompt(*refusal, link.texts()));
        return;
    }
    runTransfer(shell, &SharedFlags::writeRequested);
}

TSW_REGISTER_COMMAND(cmd::ReadFromRadio, runReadFromRadio);
TSW_REGISTER_COMMAND(cmd::WriteToRadio, runWriteToRadio);

} // namespace tsw::ui
