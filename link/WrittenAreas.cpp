#include "link/WrittenAreas.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw {

namespace {

constexpr std::size_t kPageSize = 0x100;

std::vector<WriteFrame> buildWriteFrames() {
    std::vector<WriteFrame> frames;
    std::size_t a = 0;
    while (a < layout::kTuningData) {
        if (a == layout::kNoWriteArea1)
            a = layout::kNoWriteArea1End;
        const std::size_t pageEnd = (a / kPageSize + 1) * kPageSize;
        const std::size_t len = std::min<std::size_t>(kWriteFrameLength, pageEnd - a);
        frames.push_back({static_cast<std::uint16_t>(a), static_cast<std::uint8_t>(len)});
        a += len;
    }
    return frames;
}

} // namespace

const std::vector<WriteFrame>& writeFrames() {
    static const std::vector<WriteFrame> frames = buildWriteFrames();
    return frames;
}

bool isWrittenOffset(std::size_t offset) {
    for (const WriteFrame& f : writeFrames())
        if (offset >= f.address && offset < static_cast<std::size_t>(f.address) + f.length)
            return true;
    return false;
}

VerifyResult verifyWrite(const RadioImage& written, const RadioImage& readBack) {
    VerifyResult result{readBack, {}};
    for (const WriteFrame& f : writeFrames())
        for (std::size_t a = f.address; a < static_cast<std::size_t>(f.address) + f.length; ++a)
            if (written.byte(a) != readBack.byte(a))
                result.differing.push_back(a);
    return result;
}

RadioImage heldAtWrittenOffsets(const RadioImage& written, const RadioImage& readBack) {
    RadioImage held = written;
    for (const WriteFrame& f : writeFrames())
        for (std::size_t a = f.address; a < static_cast<std::size_t>(f.address) + f.length; ++a)
            held.setByte(a, readBack.byte(a));
    return held;
}

} // namespace tsw
