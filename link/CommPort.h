#pragma once
// The port wrapper: opens one serial device with fixed line settings and a read time-out,
// sends bytes (always after discarding unread input), receives an exact number of bytes
// within the time-out and counts waiting bytes. Results: 1 success, 0 failure.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "link/Clock.h"
#include "link/LineSettings.h"
#include "link/SerialDevice.h"

namespace tsw {

// Maps a port number to the device path behind "COM<n>" (empty when there is none).
using PortResolver = std::function<std::string(int portNumber)>;

class CommPort {
public:
    static constexpr const char* kDefaultLineSettings = "9600,N,8,2";
    static constexpr std::uint32_t kDefaultReadTimeoutMs = 1000;
    static constexpr std::uint16_t kDefaultQueueSize = 512;

    CommPort(SerialDevice& device, Clock& clock);
    virtual ~CommPort();
    CommPort(const CommPort&) = delete;
    CommPort& operator=(const CommPort&) = delete;

    int open();
    int close();
    int setOpen(int wanted);
    // 0 keeps the number; an open port is closed and opened again in any case.
    int setPortNumber(std::uint8_t number);
    int setLineSettings(std::string_view settings);
    int setReadTimeout(std::uint32_t ms);
    int setInQueueSize(std::uint16_t size);
    int setOutQueueSize(std::uint16_t size);
    int sendBytes(const std::uint8_t* data, std::uint16_t count);
    int sendString(std::string_view text);
    int sendByte(std::uint8_t byte);
    int receiveBytes(std::uint8_t* buffer, std::uint16_t count);
    int purgeReceive();
    int bytesWaiting();
    int isSerialDevice();
    void delay(std::uint32_t ms);

    // Port naming. A device path set here is opened instead of "COM<n>" until the next
    // setPortNumber with a number other than 0.
    void setDevicePath(std::string path);
    void setPortResolver(PortResolver resolver);
    // "COM<n>", or the device path when one is set.
    std::string portName() const;
    // The device path that Open uses (empty when the name maps to nothing).
    std::string devicePath() const;
    // Why the last Open failed at the device.
    OpenError lastOpenError() const { return device_.lastOpenError(); }
    std::string lastOpenErrorText() const { return device_.lastErrorText(); }

    bool isOpen() const { return open_ != 0; }
    std::uint8_t portNumber() const { return portNumber_; }
    const std::string& lineSettings() const { return lineSettings_; }
    std::uint32_t readTimeoutConstant() const { return readTimeoutConstant_; }
    std::uint32_t readTimeoutMultiplier() const { return readTimeoutMultiplier_; }
    // The settings as they apply now (the defaults when the text does not parse).
    LineSettings currentLineSettings() const;

protected:
    SerialDevice& device_;
    Clock& clock_;

private:
    int applyLineSettings();
    int applyTimeouts();
    int applyQueueSizes();

    int open_ = 0;
    std::uint32_t readTimeoutMultiplier_ = 0;
    std::uint32_t readTimeoutConstant_ = kDefaultReadTimeoutMs;
    std::string lineSettings_ = kDefaultLineSettings;
    std::uint16_t outQueueSize_ = kDefaultQueueSize;
    std::uint16_t inQueueSize_ = kDefaultQueueSize;
    std::uint8_t portNumber_ = 1;
    std::string devicePath_;
    PortResolver resolver_;
};

} // namespace tsw
