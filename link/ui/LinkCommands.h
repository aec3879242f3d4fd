#pragma once
// The main frame's commands of the radio link (app/ui/main/EditorWindows.cpp lists them with
// their menu commands); while one of them talks to the radio the others do nothing.
//
//   32772 Read from Radio     32773 Write to Radio     32774 Test Mode
//   32776 Radio Information   32777 Communication Port 32832 Compare with Radio

#include <optional>

#include "link/Transfer.h"

namespace tsw::ui {

class Shell;

void runReadFromRadio(Shell& shell);
// Reads the radio's memory in the transfer dialog without touching the image or the windows;
// nullopt when the read did not complete or the link is busy.
std::optional<RadioImage> readRadioImage(Shell& shell);
// Program > Compare with Radio: reads the radio, then the compare window (fields/ui) compares
// it with the configuration in the editors.
void runCompareWithRadio(Shell& shell);
// Commits the field being edited, checks the image (a refusal sends nothing), runs Check
// Configuration (fields/ui/WriteCheck.h: errors ask, warnings show), then writes.
void runWriteToRadio(Shell& shell);
void runTestModeCommand(Shell& shell);
void runRadioInformation(Shell& shell);
void runCommunicationPort(Shell& shell);

// The window side of replacing the image after a read: the shell closes the editors, reopens
// Channel Information and refreshes the model display.
class ShellImageWindows : public ImageWindows {
public:
    explicit ShellImageWindows(Shell& shell) : shell_(shell) {}
    void setCurrentChannel(int channel) override;
    void closeAllEditors() override;
    void openChannelInformation() override;
    void refreshImageDisplay() override;

private:
    Shell& shell_;
};

} // namespace tsw::ui
