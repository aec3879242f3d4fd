#include "app/RadioImage.h"

#include <algorithm>
#include <bit>

namespace tsw {

std::uint8_t RadioImage::byte(std::size_t offset) const {
    return offset < kImageSize ? bytes_[offset] : 0xFF;
}

void RadioImage::setByte(std::size_t offset, std::uint8_t value) {
    if (offset < kImageSize)
        bytes_[offset] = value;
}

std::uint16_t RadioImage::word(std::size_t offset) const {
    return static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
}

void RadioImage::setWord(std::size_t offset, std::uint16_t value) {
    setByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    setByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

std::uint8_t RadioImage::bits(std::size_t offset, std::uint8_t mask) const {
    if (mask == 0)
        return 0;
    return static_cast<std::uint8_t>((byte(offset) & mask) >> std::countr_zero(mask));
}

void RadioImage::setBits(std::size_t offset, std::uint8_t mask, std::uint8_t value) {
    if (mask == 0)
        return;
    const auto shifted = static_cast<std::uint8_t>((value << std::countr_zero(mask)) & mask);
    setByte(offset, static_cast<std::uint8_t>((byte(offset) & ~mask) | shifted));
}

void RadioImage::setFlag(std::size_t offset, std::uint8_t mask, bool on) {
    const std::uint8_t b = byte(offset);
    setByte(offset, static_cast<std::uint8_t>(on ? (b | mask) : (b & ~mask)));
}

void RadioImage::copyFrom(std::span<const std::uint8_t> src, std::size_t offset) {
    if (offset >= kImageSize)
        return;
    const std::size_t n = std::min(src.size(), kImageSize - offset);
    std::copy_n(src.begin(), n, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace tsw
