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

    int Open();
    int Close();
    int SetOpen(int wanted);
    // 0 keeps the number; an open port is closed and opened again in any case.
    int SetPortNumber(std::uint8_t number);
    int SetLineSettings(std::string_view settings);
    int SetReadTimeout(std::uint32_t ms);
    int SetInQueueSize(std::uint16_t size);
    int SetOutQueueSize(std::uint16_t size);
    int SendBytes(const std::uint8_t* data, std::uint16_t count);
    int SendString(std::string_view text);
    int SendByte(std::uint8_t byte);
    int ReceiveBytes(std::uint8_t* buffer, std::uint16_t count);
    int PurgeReceive();
    int BytesWaiting();
    int IsSerialDevice();
    void Delay(std::uint32_t ms);

    // Port naming. A device path set here is opened instead of "COM<n>" until the next
    // SetPortNumber with a number other than 0.
    void SetDevicePath(std::string path);
    void SetPortResolver(PortResolver resolver);
    // "COM<n>", or the device path when one is set.
    std::string PortName() const;
    // The device path that Open uses (empty when the name maps to nothing).
    std::string DevicePath() const;
    // Why the last Open failed at the device.
    OpenError LastOpenError() const { return device_.lastOpenError(); }
    std::string LastOpenErrorText() const { return device_.lastErrorText(); }

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
    int ApplyLineSettings();
    int ApplyTimeouts();
    int ApplyQueueSizes();

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
