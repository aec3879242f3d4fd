#include "link/CommPort.h"

#include <algorithm>

#include "link/PortNames.h"

namespace tsw {

namespace {

// A long receive is taken in slices, with a chance for the GUI to repaint between them.
constexpr std::uint32_t kReceiveSliceMs = 50;

} // namespace

CommPort::CommPort(SerialDevice& device, Clock& clock)
    : device_(device), clock_(clock),
      resolver_([](int n) { return resolveComPort(n, {}, listSerialDevices()); }) {}

CommPort::~CommPort() {
    if (device_.isOpen())
        device_.close();
}

bool CommPort::open() {
    const bool opened = device_.open(devicePath());
    open_ = true; // counts as open whatever the result; the caller closes on failure
    return opened && applyQueueSizes() && applyLineSettings() && applyTimeouts();
}

bool CommPort::close() {
    const bool closed = device_.close();
    open_ = false;
    return closed;
}

bool CommPort::setOpen(bool wanted) {
    if (open_ == wanted)
        return true;
    return wanted ? open() : close();
}

bool CommPort::setPortNumber(std::uint8_t number) {
    if (number != 0) {
        portNumber_ = number;
        devicePath_.clear();
    }
    if (!open_)
        return true;
    close();
    return open();
}

bool CommPort::setLineSettings(std::string_view settings) {
    lineSettings_ = withoutSpaces(settings);
    return !open_ || applyLineSettings();
}

bool CommPort::setReadTimeout(std::uint32_t ms) {
    readTimeoutConstant_ = ms;
    return !open_ || applyTimeouts();
}

bool CommPort::setInQueueSize(std::uint16_t size) {
    inQueueSize_ = size;
    return !open_ || applyQueueSizes();
}

bool CommPort::setOutQueueSize(std::uint16_t size) {
    outQueueSize_ = size;
    return !open_ || applyQueueSizes();
}

bool CommPort::sendBytes(const std::uint8_t* data, std::uint16_t count) {
    device_.purgeReceive();
    return device_.write(data, count);
}

bool CommPort::sendString(std::string_view text) {
    return sendBytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                     static_cast<std::uint16_t>(text.size()));
}

bool CommPort::sendByte(std::uint8_t byte) {
    return sendBytes(&byte, 1);
}

bool CommPort::receiveBytes(std::uint8_t* buffer, std::uint16_t count) {
    // One read with a total time-out, taken in slices so the GUI's clock can repaint.
    const std::uint32_t total = readTimeoutMultiplier_ * count + readTimeoutConstant_;
    const std::uint32_t start = clock_.tickMs();
    std::size_t got = 0;
    bool failed = false;
    device_.setRealTimePriority(true);
    while (true) {
        const std::uint32_t elapsed = clock_.tickMs() - start;
        const std::uint32_t left = elapsed >= total ? 0 : total - elapsed;
        const int n = device_.read(buffer + got, count - got, std::min(left, kReceiveSliceMs));
        if (n < 0) {
            failed = true;
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got >= count || left <= kReceiveSliceMs)
            break;
        clock_.sleepMs(0);
    }
    device_.setRealTimePriority(false);
    return !failed && got >= count;
}

void CommPort::purgeReceive() {
    device_.purgeReceive();
}

std::optional<std::size_t> CommPort::bytesWaiting() {
    const int waiting = device_.bytesWaiting();
    if (waiting < 0)
        return std::nullopt;
    return static_cast<std::size_t>(waiting);
}

bool CommPort::isSerialDevice() {
    delay(10);
    const bool serial = device_.isSerialDevice();
    delay(10);
    return serial;
}

void CommPort::delay(std::uint32_t ms) {
    clock_.sleepMs(ms);
}

void CommPort::setDevicePath(std::string path) {
    devicePath_ = std::move(path);
}

void CommPort::setPortResolver(PortResolver resolver) {
    resolver_ = std::move(resolver);
}

std::string CommPort::portName() const {
    return devicePath_.empty() ? comName(portNumber_) : devicePath_;
}

std::string CommPort::devicePath() const {
    if (!devicePath_.empty())
        return devicePath_;
    return resolver_ ? resolver_(portNumber_) : std::string{};
}

LineSettings CommPort::currentLineSettings() const {
    return parseLineSettings(lineSettings_).value_or(LineSettings{});
}

bool CommPort::applyLineSettings() {
    const auto settings = parseLineSettings(lineSettings_);
    return settings && device_.applyLineSettings(*settings);
}

// The time-outs live in this object; each receive hands its total to the device.
bool CommPort::applyTimeouts() {
    return device_.isOpen();
}

bool CommPort::applyQueueSizes() {
    return device_.setQueueSizes(inQueueSize_, outQueueSize_);
}

} // namespace tsw
