#pragma once
// Reading the whole image from the radio and writing it back: the checks before writing,
// the read and write frames, and applying a successful read to the image.
//
// Read: 16 frames  'R' H L 0x40  ->  'W' H L 0x40 + 64 data bytes, then 0x06 -> 0x06.
// Write: 49 frames 'W' H L len + len image bytes -> 0x06, over 0x000..0x17F and
// 0x1B8..0x33F; a frame never crosses a 256-byte page, so 0x1F8 goes as an 8-byte frame.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/AppGlobals.h"
#include "app/UserPrompt.h"
#include "link/ProgramConnection.h"
#include "link/SerialLink.h"

namespace tsw {

inline constexpr int kReadFrameCount = 16;
inline constexpr std::uint8_t kReadFrameLength = 0x40;
inline constexpr int kReadReplySize = 68;
inline constexpr std::uint8_t kWriteFrameLength = 0x10;
inline constexpr int kWriteProgressMax = 811;
// The document name after a read from the radio.
inline constexpr std::string_view kReadFileName = "tsw62m.dat";

struct WriteFrame {
    std::uint16_t address;
    std::uint8_t length;
    bool operator==(const WriteFrame&) const = default;
};
// The write frames in sending order.
const std::vector<WriteFrame>& writeFrames();

// What the transfer dialog shows while a transfer runs; the dialog implements it.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void setProgressRange(int minimum, int maximum) { (void)minimum, (void)maximum; }
    virtual void setProgressPos(int position) { (void)position; }
    virtual void enableButtons(bool enabled) { (void)enabled; }
    virtual void repaintNow() {}
};

// The window-side effects of replacing the image; the main frame implements it.
class ImageWindows {
public:
    virtual ~ImageWindows() = default;
    virtual void setCurrentChannel(int channel) { (void)channel; }
    virtual void closeAllEditors() {}
    virtual void openChannelInformation() {}
    virtual void refreshImageDisplay() {}
};

// ---- Checks before writing ----------------------------------------------------------------
struct WriteRefusal {
    std::vector<StringId> named; // the settings that are missing, in message order
    bool blankLine = false;      // one more line break after the heading
};
std::optional<WriteRefusal> checkBeforeWriting(const RadioImage& image);
// String 3003059, a line break (two when asked), then each named text in double quotes,
// one per line.
std::string refusalText(const WriteRefusal& refusal, const TextLookup& text);
Prompt refusalPrompt(const WriteRefusal& refusal, const TextLookup& text);

// ---- Read reply -----------------------------------------------------------------------------
// The data bytes a read reply contributes, at most 64 and at most `room`; nothing when the
// reply does not start with 'W'.
std::optional<std::span<const std::uint8_t>>
readReplyData(std::span<const std::uint8_t, kReadReplySize> reply, std::size_t room);

// ---- The transfers --------------------------------------------------------------------------
class Transfer {
public:
    explicit Transfer(SerialLink& link) : link_(link) {}

    // Each runs the whole connection; true when the transfer completed.
    bool readImageFromRadio(TransferProgress& progress);
    bool writeImageToRadio(TransferProgress& progress);

    const std::array<std::uint8_t, kImageSize>& receiveBuffer() const { return receiveBuffer_; }
    int receivedCount() const { return receivedCount_; }

private:
    bool readStep(TransferProgress& progress);
    bool writeStep(TransferProgress& progress);
    bool readFrame(std::uint8_t high, std::uint8_t low, TransferProgress& progress);
    bool writeOneFrame(const WriteFrame& frame);

    SerialLink& link_;
    std::array<std::uint8_t, kImageSize> receiveBuffer_{};
    int receivedCount_ = 0;
};

// After a complete read: the buffer becomes the image, channel-used bits are set (never
// cleared), the identity is taken over, the file name becomes "tsw62m.dat", the image counts
// as saved, and the windows reopen on the new data.
void applySuccessfulRead(AppGlobals& g, std::span<const std::uint8_t, kImageSize> buffer,
                         ImageWindows& windows);

} // namespace tsw
