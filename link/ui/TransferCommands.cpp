// Read from Radio, Write to Radio and Compare with Radio.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <functional>

#include "app/CommandIds.h"
#include "app/TextTemplate.h"
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

// A path short enough for the status bar: whole up to this length, else its last two parts
// (".../Backups/H5520_2026-12-06_14-03-59.dat").
constexpr qsizetype kShownPathLength = 60;

QString shownPath(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= kShownPathLength)
        return native;
    const QStringList parts = QDir::fromNativeSeparators(path).split(QLatin1Char('/'));
    if (parts.size() < 3)
        return native;
    return QDir::toNativeSeparators(QStringLiteral(".../") + parts.at(parts.size() - 2) +
                                    QLatin1Char('/') + parts.last());
}

int writtenBytes() {
    int bytes = 0;
    for (const WriteFrame& frame : writeFrames())
        bytes += frame.length;
    return bytes;
}

// What the finished transfer did, in the status bar.
void tellTransfer(Shell& shell, const TransferDialog& dialog) {
    if (!dialog.succeeded())
        return;
    std::string text;
    if (!dialog.reading())
        text = fillTemplate(tr(StrId::StatusWritten), {std::to_string(writtenBytes())});
    else if (dialog.backupPath().isEmpty())
        text = fillTemplate(tr(StrId::StatusRead), {std::to_string(kImageSize)});
    else
        text = fillTemplate(tr(StrId::StatusReadWithBackup),
                            {std::to_string(kImageSize), toStd(shownPath(dialog.backupPath()))});
    shell.showStatusMessage(fromStd(text));
}

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
    runTransfer(shell, &SharedFlags::readRequested, {},
                [&shell](const TransferDialog& d) { tellTransfer(shell, d); });
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
    runTransfer(shell, &SharedFlags::writeRequested, {},
                [&shell](const TransferDialog& d) { tellTransfer(shell, d); });
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
