#pragma once
// The radio's 1024-byte programming memory, byte for byte. Every editor, the data file and
// the transfer protocol address its fields by the named offsets of ImageLayout.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tsw {

inline constexpr std::size_t kImageSize = 1024;

class RadioImage {
public:
    using Bytes = std::array<std::uint8_t, kImageSize>;

    RadioImage() { fill(0xFF); }

    // Reads outside the image give 0xFF (an empty byte); writes outside it are ignored.
    std::uint8_t byte(std::size_t offset) const;
    void setByte(std::size_t offset, std::uint8_t value);

    // 16-bit little-endian word at offset (low byte first).
    std::uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, std::uint16_t value);

    // The bits of `mask` at offset, shifted down so that the mask's lowest bit is bit 0.
    std::uint8_t bits(std::size_t offset, std::uint8_t mask) const;
    // Stores `value` (shifted up to the mask's lowest bit) into the bits of `mask`; other bits
    // keep.
    void setBits(std::size_t offset, std::uint8_t mask, std::uint8_t value);

    bool flag(std::size_t offset, std::uint8_t mask) const { return (byte(offset) & mask) != 0; }
    void setFlag(std::size_t offset, std::uint8_t mask, bool on);

    void fill(std::uint8_t value) { bytes_.fill(value); }
    void copyFrom(std::span<const std::uint8_t> src, std::size_t offset = 0);

    std::span<std::uint8_t, kImageSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, kImageSize> bytes() const { return bytes_; }
    const Bytes& raw() const { return bytes_; }

    bool operator==(const RadioImage&) const = default;

private:
    Bytes bytes_{};
};

} // namespace tsw
