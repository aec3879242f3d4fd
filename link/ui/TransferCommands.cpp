// Read from Radio, Write to Radio and Compare with Radio.

#include <QApplication>
#include <QWidget>
#include <functional>

#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelEditorState.h"
#include "editors/feature/WriteRefusal.h"
#include "fields/ui/CompareWindow.h"
#include "fields/ui/WriteCheck.h"
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

// Runs the transfer dialog with one request flag set for its lifetime; `prepare` may set the
// dialog up further and `done` sees it after it ran.
void runTransfer(Shell& shell, bool SharedFlags::*request,
                 const std::function<void(TransferDialog&)>& prepare = {},
                 const std::function<void(const TransferDialog&)>& done = {}) {
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
        if (prepare)
            prepare(dialog);
        dialog.exec();
        if (done)
            done(dialog);
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
    if (!confirmWriteAfterCheck(shell, link.globals().image))
        return;
    runTransfer(shell, &SharedFlags::writeRequested);
}

std::optional<RadioImage> readRadioImage(Shell& shell) {
    std::optional<RadioImage> read;
    runTransfer(
        shell, &SharedFlags::readRequested, [](TransferDialog& d) { d.setKeepImage(true); },
        [&read](const TransferDialog& d) {
            if (!d.succeeded())
                return;
            read.emplace();
            read->copyFrom(d.receivedBytes());
        });
    return read;
}

void runCompareWithRadio(Shell& shell) {
    // The field being edited is committed when it loses the focus.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    const std::optional<RadioImage> radio = readRadioImage(shell);
    if (!radio)
        return;
    showComparison(shell, *radio, plainText(StrId::CompareWithRadioTitle),
                   plainText(StrId::CompareRadioColumn), cmd::CompareWithRadio);
}

} // namespace tsw::ui
