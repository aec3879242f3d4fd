#pragma once
// The serial device under the port wrapper: the few operations the radio protocol needs of
// the platform. PosixSerialDevice implements it with termios; tests use a scripted fake.

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/LineSettings.h"

namespace tsw {

// Why the last open failed.
enum class OpenError { None, NotFound, PermissionDenied, Busy, Other };

class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens the device for reading and writing, exclusively (a second open fails).
    virtual bool open(const std::string& path) = 0;
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    virtual OpenError lastOpenError() const = 0;
    // The system's description of the last open failure (empty when there is none).
    virtual std::string lastErrorText() const = 0;

    // Driver queue sizes; devices that have no such setting accept any size.
    virtual bool setQueueSizes(std::uint16_t inSize, std::uint16_t outSize) = 0;
    // Raw mode with the given settings, no flow control, DTR on and RTS off. A device
    // without modem lines counts the DTR/RTS request as done.
    virtual bool applyLineSettings(const LineSettings& settings) = 0;
    // Discards every byte received and not yet read.
    virtual bool purgeReceive() = 0;
    // Bytes received and not yet read; -1 when the device is not open.
    virtual int bytesWaiting() = 0;
    // One blocking read: returns once `count` bytes were read or `timeoutMs` has passed in
    // total. The number of bytes read, or -1 when the read itself failed.
    virtual int read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) = 0;
    // Queues the bytes for sending; does not wait for the transmission to end.
    virtual bool write(const std::uint8_t* data, std::size_t count) = 0;
    // True for a terminal device that accepts serial line settings.
    virtual bool isSerialDevice() = 0;
    // Raises the process priority around a read where the platform has such a thing.
    virtual void setRealTimePriority(bool on) { (void)on; }
};

} // namespace tsw
