#include "link/ui/RadioLink.h"

#include "app/AppGlobals.h"
#include "app/ui/Shell.h"
#include "link/PosixSerialDevice.h"
#include "link/ui/GuiClock.h"

namespace tsw::ui {

namespace {

// Questions of the link go to the main window's prompt (message boxes, or a test's script).
class ShellPrompt : public UserPrompt {
public:
    PromptAnswer ask(const Prompt& prompt) override { return shell().prompt().ask(prompt); }
};

} // namespace

struct RadioLink::Parts {
    PosixSerialDevice device;
    GuiClock clock;
    ShellPrompt prompt;
    SerialLink link{device, clock, prompt, globals()};
};

RadioLink& RadioLink::instance() {
    static RadioLink r;
    return r;
}

RadioLink::RadioLink() : parts_(std::make_unique<Parts>()) {
    parts_->link.setPortResolver([this](int n) { return devicePathOf(n); });
    parts_->link.setPortNumber(static_cast<std::uint8_t>(globals().portNumber));
}

RadioLink::~RadioLink() = default;

SerialLink& RadioLink::link() {
    SerialLink& l = parts_->link;
    const int wanted = globals().portNumber;
    if (!l.isOpen() && wanted >= 1 && wanted <= kMaxPortNumber && l.portNumber() != wanted)
        l.setPortNumber(static_cast<std::uint8_t>(wanted));
    return l;
}

Clock& RadioLink::clock() {
    return parts_->clock;
}

SerialDevice& RadioLink::device() {
    return parts_->device;
}

void RadioLink::setPortMappingSource(std::function<PortMapping()> source) {
    mappingSource_ = std::move(source);
}

PortMapping RadioLink::portMapping() const {
    return mappingSource_ ? mappingSource_() : PortMapping{};
}

void RadioLink::setPortMappingWriter(std::function<void(int, const std::string&)> writer) {
    mappingWriter_ = std::move(writer);
}

void RadioLink::writePortMapping(int n, const std::string& path) {
    if (mappingWriter_)
        mappingWriter_(n, path);
}

const SerialDeviceCatalogue& RadioLink::deviceCatalogue() const {
    static const SysfsDeviceCatalogue system;
    return catalogue_ ? *catalogue_ : system;
}

void RadioLink::setDeviceCatalogue(const SerialDeviceCatalogue* catalogue) {
    catalogue_ = catalogue;
}

std::string RadioLink::devicePathOf(int portNumber) const {
    const PortMapping mapping = portMapping();
    if (const auto it = mapping.find(portNumber); it != mapping.end() && !it->second.empty())
        return it->second;
    return resolveComPort(portNumber, {}, listSerialDevices());
}

void RadioLink::setPortNumber(int portNumber) {
    if (portNumber < 1 || portNumber > kMaxPortNumber)
        return;
    globals().portNumber = portNumber;
    parts_->link.setPortNumber(static_cast<std::uint8_t>(portNumber));
    shell().refreshPortPane();
}

} // namespace tsw::ui
