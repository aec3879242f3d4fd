// Radio Information and Communication Port.

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
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

namespace {

// Opens the device as the port dialog tries each port: a short wait, open, ask whether it is
// a serial line (with a wait before and after), close. The link's own port is set back.
bool probeDevice(SerialLink& link, const std::string& path) {
    const std::uint8_t portNumber = link.portNumber();
    link.setDevicePath(path);
    link.delay(50);
    bool usable = link.setOpen(true);
    if (usable) {
        link.delay(10);
        usable = link.isSerialDevice();
        link.delay(10);
    }
    link.setOpen(false);
    link.setPortNumber(portNumber);
    return usable;
}

} // namespace

void runCommunicationPort(Shell& shell) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    RadioLink::Busy busy(radio);
    SerialLink& link = radio.link();
    const PortMapping before = radio.portMapping();
    PortDialog dialog(
        link.portNumber(), before, radio.deviceCatalogue(),
        [&link](const std::string& path) { return probeDevice(link, path); }, shell.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (int n = 1; n <= kPortDialogPorts; ++n) {
        const auto was = before.find(n);
        const auto now = dialog.mapping().find(n);
        const std::string wasPath = was == before.end() ? std::string() : was->second;
        const std::string nowPath = now == dialog.mapping().end() ? std::string() : now->second;
        if (wasPath != nowPath)
            radio.writePortMapping(n, nowPath);
    }
    if (const int n = dialog.checkedPort())
        radio.setPortNumber(n);
    shell.refreshPortPane();
    const int port = globals().portNumber;
    const std::string device = radio.devicePathOf(port);
    if (!device.empty())
        shell.showStatusMessage(
            fromStd(fillTemplate(tr(StrId::StatusPortDevice), {comName(port), device})));
}

} // namespace tsw::ui
