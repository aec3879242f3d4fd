#pragma once
// SerialDevice on POSIX termios: USB adapters, built-in ports and pseudo-terminals.

#include "link/SerialDevice.h"

namespace tsw {

class PosixSerialDevice : public SerialDevice {
public:
    PosixSerialDevice() = default;
    ~PosixSerialDevice() override;
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    bool open(const std::string& path) override;
    bool close() override;
    bool isOpen() const override { return fd_ >= 0; }
    OpenError lastOpenError() const override { return lastOpenError_; }
    std::string lastErrorText() const override { return lastErrorText_; }
    bool setQueueSizes(std::uint16_t inSize, std::uint16_t outSize) override;
    bool applyLineSettings(const LineSettings& settings) override;
    bool purgeReceive() override;
    int bytesWaiting() override;
    int read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) override;
    bool write(const std::uint8_t* data, std::size_t count) override;
    bool isSerialDevice() override;

private:
    void recordOpenFailure(int err);
    bool setModemLines();

    int fd_ = -1;
    OpenError lastOpenError_ = OpenError::None;
    std::string lastErrorText_;
};

} // namespace tsw
