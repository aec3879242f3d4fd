#pragma once
// The program's one SerialLink, on the termios device, the GUI clock and the main window's
// questions. COM<n> maps to a device through the settings' "Ports" section (read anew at
// every opening, so a changed mapping applies at once), else to the n-th present serial
// device. The commands of the radio link run one at a time: while one talks to the radio,
// another is refused (RadioBusy).

#include <functional>
#include <memory>

#include "link/PortNames.h"
#include "link/SerialDeviceInfo.h"
#include "link/SerialLink.h"

namespace tsw::ui {

class GuiClock;

class RadioLink {
public:
    static RadioLink& instance();

    // Before each connection: the link takes the port number the program uses now.
    SerialLink& link();
    Clock& clock();
    // The port's device, for a second link on the same port (one that asks nobody).
    SerialDevice& device();

    // Where the "Ports" mappings come from (the settings); none: no mappings.
    void setPortMappingSource(std::function<PortMapping()> source);
    PortMapping portMapping() const;
    // Where a changed mapping goes (the settings): COM<n> to a device path, empty to none.
    void setPortMappingWriter(std::function<void(int n, const std::string& path)> writer);
    void writePortMapping(int n, const std::string& path);
    // The serial devices present and what they are (sysfs; tests put their own list here).
    const SerialDeviceCatalogue& deviceCatalogue() const;
    void setDeviceCatalogue(const SerialDeviceCatalogue* catalogue); // null: the system's
    // The device behind COM<n> as a connection would open it (empty: none).
    std::string devicePathOf(int portNumber) const;

    // Sets the port number of the link and of the program (the status bar shows it).
    void setPortNumber(int portNumber);

    bool busy() const { return busy_ > 0; }

    class Busy {
    public:
        explicit Busy(RadioLink& r) : r_(r) { ++r_.busy_; }
        ~Busy() { --r_.busy_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        RadioLink& r_;
    };

    ~RadioLink();

private:
    RadioLink();
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::function<PortMapping()> mappingSource_;
    std::function<void(int, const std::string&)> mappingWriter_;
    const SerialDeviceCatalogue* catalogue_ = nullptr;
    int busy_ = 0;
};

} // namespace tsw::ui
