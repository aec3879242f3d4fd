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

int CommPort::open() {
    const bool opened = device_.open(devicePath());
    open_ = 1; // counts as open whatever the result; the caller closes on failure
    if (!opened)
        return 0;
    if (!applyQueueSizes())
        return 0;
    if (!applyLineSettings())
        return 0;
    return applyTimeouts();
}

int CommPort::close() {
    const bool closed = device_.close();
    open_ = 0;
    return closed ? 1 : 0;
}

int CommPort::setOpen(int wanted) {
    const int state = wanted != 0 ? 1 : 0;
    if (open_ == state)
        return 1;
    return state == 1 ? open() : close();
}

int CommPort::setPortNumber(std::uint8_t number) {
    if (number != 0) {
        portNumber_ = number;
        devicePath_.clear();
    }
    if (!open_)
        return 1;
    close();
    return open();
}

int CommPort::setLineSettings(std::string_view settings) {
    lineSettings_ = withoutSpaces(settings);
    if (!open_)
        return 1;
    return applyLineSettings();
}

int CommPort::setReadTimeout(std::uint32_t ms) {
    readTimeoutConstant_ = ms;
    if (!open_)
        return 1;
    return applyTimeouts();
}

int CommPort::setInQueueSize(std::uint16_t size) {
    inQueueSize_ = size;
    return open_ ? applyQueueSizes() : 1;
}

int CommPort::setOutQueueSize(std::uint16_t size) {
    outQueueSize_ = size;
    return open_ ? applyQueueSizes() : 1;
}

int CommPort::sendBytes(const std::uint8_t* data, std::uint16_t count) {
    device_.purgeReceive();
    return device_.write(data, count) ? 1 : 0;
}

int CommPort::sendString(std::string_view text) {
    return sendBytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                     static_cast<std::uint16_t>(text.size()));
}

int CommPort::sendByte(std::uint8_t byte) {
    return sendBytes(&byte, 1);
}

int CommPort::receiveBytes(std::uint8_t* buffer, std::uint16_t count) {
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
    return !failed && got >= count ? 1 : 0;
}

int CommPort::purgeReceive() {
    device_.purgeReceive();
    return 1;
}

int CommPort::bytesWaiting() {
    return device_.bytesWaiting();
}

int CommPort::isSerialDevice() {
    delay(10);
    const bool serial = device_.isSerialDevice();
    delay(10);
    return serial ? 1 : 0;
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

int CommPort::applyLineSettings() {
    const auto settings = parseLineSettings(lineSettings_);
    if (!settings)
        return 0;
    return device_.applyLineSettings(*settings) ? 1 : 0;
}

// The time-outs live in this object; each receive hands its total to the device.
int CommPort::applyTimeouts() {
    return device_.isOpen() ? 1 : 0;
}

int CommPort::applyQueueSizes() {
    return device_.setQueueSizes(inQueueSize_, outQueueSize_) ? 1 : 0;
}

} // namespace tsw
