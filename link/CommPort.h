#pragma once
// The port wrapper: opens one serial device with fixed line settings and a read time-out,
// sends bytes (always after discarding unread input), receives an exact number of bytes
// within the time-out and counts waiting bytes. Every operation that can fail says so with
// true for done and false for failed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
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

    // The port counts as open after open() whatever its result; the caller closes it after
    // a failure.
    bool open();
    bool close();
    // Opens or closes unless the port already is in the wanted state (then true at once).
    bool setOpen(bool wanted);
    // 0 keeps the number; an open port is closed and opened again in any case.
    bool setPortNumber(std::uint8_t number);
    // The text loses its spaces; an open port takes it at once (false when it does not parse
    // or the device refuses it).
    bool setLineSettings(std::string_view settings);
    bool setReadTimeout(std::uint32_t ms);
    bool setInQueueSize(std::uint16_t size);
    bool setOutQueueSize(std::uint16_t size);
    // Discards unread input, then queues the bytes; true when the device took them.
    bool sendBytes(const std::uint8_t* data, std::uint16_t count);
    bool sendString(std::string_view text);
    bool sendByte(std::uint8_t byte);
    // True only when all `count` bytes came within the read time-out; what did come stays in
    // the buffer.
    bool receiveBytes(std::uint8_t* buffer, std::uint16_t count);
    void purgeReceive();
    // Bytes received and not yet read; nothing when no device is open.
    std::optional<std::size_t> bytesWaiting();
    // True for a device that reports itself as a serial line (with a 10 ms wait around the
    // query).
    bool isSerialDevice();
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

    bool isOpen() const { return open_; }
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
    bool applyLineSettings();
    bool applyTimeouts();
    bool applyQueueSizes();

    bool open_ = false;
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
