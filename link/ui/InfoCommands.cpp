// Radio Information and Communication Port.

#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "link/RadioInfo.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/PortDialog.h"
#include "link/ui/RadioInfoDialog.h"
#include "link/ui/RadioLink.h"

namespace tsw::ui {

void runRadioInformation(Shell& shell) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    RadioLink::Busy busy(radio);
    SerialLink& link = radio.link();
    if (!runRadioInformation(link))
        return;
    RadioInfoDialog dialog(link, shell.window());
    dialog.exec();
}

void runCommunicationPort(Shell& shell) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    RadioLink::Busy busy(radio);
    PortDialog dialog(radio.link(), shell.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const int n = dialog.checkedPort())
        radio.setPortNumber(n);
    shell.refreshPortPane();
}

} // namespace tsw::ui
