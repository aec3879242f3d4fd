#pragma once
// Reading the whole image from the radio and writing it back: the read and write frames, the
// check after writing, and applying a successful read. What is refused before writing is
// editors/feature/WriteRefusal.h, which the callers ask first.
//
// Read: "NRK" (the serial number), then 16 frames 'R' H L 0x40 -> 'W' H L 0x40 + 64 data
//   bytes, each acknowledged 0x06 -> 0x06.
// Write: "NRK", then 49 frames 'W' H L len + len image bytes -> 0x06 (WrittenAreas.h); with
//   the check after writing, the 16 read frames follow in the same connection.

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
#include "link/WrittenAreas.h"

namespace tsw {

inline constexpr int kReadFrameCount = 16;
inline constexpr std::uint8_t kReadFrameLength = 0x40;
inline constexpr int kReadReplySize = 68;
inline constexpr int kWriteProgressMax = 811;
// The document name after a read from the radio.
inline constexpr std::string_view kReadFileName = "tsw62m.dat";

enum class TransferPhase { Reading, Writing, Verifying };

// What the transfer dialog shows while a transfer runs; the dialog implements it.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void setPhase(TransferPhase phase) { (void)phase; }
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

// ---- Read reply -----------------------------------------------------------------------------
// The data bytes a read reply contributes, at most 64 and at most `room`; nothing when the
// reply does not start with 'W'.
std::optional<std::span<const std::uint8_t>>
readReplyData(std::span<const std::uint8_t, kReadReplySize> reply, std::size_t room);

// ---- The transfers --------------------------------------------------------------------------
struct WriteRequest {
    const RadioImage* image = nullptr; // what to write; nothing: the program's image
    bool verify = false;               // read the radio back afterwards and compare
};

enum class WriteOutcome {
    Written,       // every frame acknowledged (not read back)
    Verified,      // written and read back: the radio holds every written byte
    VerifyFailed,  // written and read back, but the radio holds other values somewhere
    NotVerified,   // written, but the read-back did not complete
    Unchanged,     // ended before the radio acknowledged a frame: it holds what it held
    PartlyWritten, // ended after the radio took some frames: it holds old and new data mixed
};

class Transfer {
public:
    explicit Transfer(SerialLink& link) : link_(link) {}

    // Runs the whole connection; true when the read completed.
    bool readImageFromRadio(TransferProgress& progress);
    // Runs the whole connection. A Retry after the frames were all taken reads back again
    // without writing again.
    WriteOutcome writeImageToRadio(TransferProgress& progress, const WriteRequest& request = {});

    const std::array<std::uint8_t, kImageSize>& receiveBuffer() const { return receiveBuffer_; }
    int receivedCount() const { return receivedCount_; }
    // The radio's serial number as its information block gave it in the last transfer; empty
    // when it did not.
    const std::string& radioSerial() const { return radioSerial_; }
    // The last write's check (after VerifyFailed and Verified).
    const VerifyResult& verifyResult() const { return verify_; }
    // The write frames the radio acknowledged in the last write, over all its attempts.
    int framesTaken() const { return framesTaken_; }

private:
    void learnSerial();
    bool readStep(TransferProgress& progress);
    bool readAllFrames(TransferProgress& progress);
    bool writeStep(TransferProgress& progress, const RadioImage& image);
    bool verifyStep(TransferProgress& progress, const RadioImage& image,
                    ProgramConnection& connection);
    bool readFrame(std::uint8_t high, std::uint8_t low, TransferProgress& progress);
    bool writeOneFrame(const WriteFrame& frame, const RadioImage& image);

    SerialLink& link_;
    std::array<std::uint8_t, kImageSize> receiveBuffer_{};
    int receivedCount_ = 0;
    bool serialAsked_ = false;
    std::string radioSerial_;
    int framesTaken_ = 0;
    bool written_ = false;
    VerifyResult verify_;
};

// After a complete read: the buffer becomes the image, channel-used bits are set (never
// cleared), the identity is taken over, the file name becomes "tsw62m.dat", the image counts
// as saved, and the windows reopen on the new data.
void applySuccessfulRead(AppGlobals& g, std::span<const std::uint8_t, kImageSize> buffer,
                         ImageWindows& windows);

} // namespace tsw
