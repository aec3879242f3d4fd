#pragma once
// Which bytes a write sends, and the check that the radio holds them afterwards.
//
//   0x000..0x17F  24 frames of 16 bytes
//   0x180..0x1B7  never written (the radio's own)
//   0x1B8..0x1F7  4 frames of 16 bytes, then 0x1F8..0x1FF as one frame of 8 (a frame never
//                 crosses a 256-byte page)
//   0x200..0x33F  20 frames of 16 bytes
//   0x340..0x3FF  never written (tuning data)

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/RadioImage.h"

namespace tsw {

inline constexpr std::uint8_t kWriteFrameLength = 0x10;

struct WriteFrame {
    std::uint16_t address;
    std::uint8_t length;
    bool operator==(const WriteFrame&) const = default;
};
// The write frames in sending order.
const std::vector<WriteFrame>& writeFrames();

// True for an offset that a write sends.
bool isWrittenOffset(std::size_t offset);

// What the radio holds after a write, against what was written.
struct VerifyResult {
    RadioImage readBack;                // the radio's whole memory as read back
    std::vector<std::size_t> differing; // written offsets whose byte the radio does not hold
    bool passed() const { return differing.empty(); }
};
VerifyResult verifyWrite(const RadioImage& written, const RadioImage& readBack);

// The written image with the radio's bytes at every written offset: beside the written image
// it differs exactly at the offsets that failed the check, so the two can be compared field
// by field without the areas a write never touches.
RadioImage heldAtWrittenOffsets(const RadioImage& written, const RadioImage& readBack);

} // namespace tsw
