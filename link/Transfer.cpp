#include "link/Transfer.h"

#include <algorithm>

#include "app/ImageLayout.h"
#include "link/RadioInfo.h"
#include "link/RadioInfoCommands.h"

namespace tsw {

std::optional<std::span<const std::uint8_t>>
readReplyData(std::span<const std::uint8_t, kReadReplySize> reply, std::size_t room) {
    if (reply[0] != wire::kWriteCommand)
        return std::nullopt;
    // The length byte says 64; a larger one never takes more than the frame holds.
    const std::size_t length = std::min<std::size_t>({reply[3], kReadFrameLength, room});
    return reply.subspan(4, length);
}

// ---- The serial number -------------------------------------------------------------------

// The serial number names the backup of a read and finds it again after a failed write. A
// radio that does not give it is read and written all the same.
void Transfer::learnSerial() {
    if (serialAsked_)
        return;
    serialAsked_ = true;
    switch (RadioInfoCommands(link_).readAndKeepRadioInfo()) {
    case RadioInfoCommands::InfoReading::Kept: {
        std::array<std::uint8_t, 12> serial = link_.radioInfoSerial;
        radioSerial_ = serialNumberText(link_.radioInfoText, serial);
        break;
    }
    case RadioInfoCommands::InfoReading::Malformed:
        break;
    case RadioInfoCommands::InfoReading::NoAnswer:
        // The radio may wait for the acknowledgement of a reply we did not take whole, and
        // would take the next frame's first byte for it.
        link_.delay(ProgramConnection::kRetryPauseMs);
        link_.purgeReceive();
        break;
    }
}

// ---- Read ---------------------------------------------------------------------------------

bool Transfer::readImageFromRadio(TransferProgress& progress) {
    auto& flags = link_.globals().flags;
    flags.readingFromRadio = true;
    flags.retrying = false;
    serialAsked_ = false;
    radioSerial_.clear();
    ProgramConnection connection(link_);
    return connection.run(ConnectionMode::Read, [&] { return readStep(progress); }) ==
           ConnectionEnd::Done;
}

bool Transfer::readFrame(std::uint8_t high, std::uint8_t low, TransferProgress& progress) {
    auto& flags = link_.globals().flags;
    const std::array<std::uint8_t, 4> frame{wire::kReadCommand, high, low, kReadFrameLength};
    link_.purgeReceive();
    if (!link_.sendBytes(frame.data(), frame.size()))
        return false;
    link_.waitForBytes(kReadReplySize);
    if (!flags.dataReady || flags.replyTimedOut)
        return false;
    std::array<std::uint8_t, kReadReplySize> reply{};
    if (!link_.receiveBytes(reply.data(), kReadReplySize))
        return false;
    const std::size_t room = kImageSize - static_cast<std::size_t>(receivedCount_);
    const auto data = readReplyData(reply, room);
    if (!data)
        return false;
    std::copy(data->begin(), data->end(), receiveBuffer_.begin() + receivedCount_);
    receivedCount_ += static_cast<int>(data->size());
    progress.setProgressPos(receivedCount_);
    link_.purgeReceive();
    return link_.sendByte(wire::kAck) && link_.waitAck();
}

bool Transfer::readAllFrames(TransferProgress& progress) {
    receivedCount_ = 0;
    for (int frame = 0; frame < kReadFrameCount; ++frame) {
        const auto high = static_cast<std::uint8_t>(frame / 4);
        const auto low = static_cast<std::uint8_t>((frame % 4) * kReadFrameLength);
        if (!readFrame(high, low, progress))
            return false;
    }
    // Short replies would leave part of the buffer unfilled: such a read is not complete.
    return receivedCount_ == static_cast<int>(kImageSize);
}

bool Transfer::readStep(TransferProgress& progress) {
    if (!link_.globals().flags.retrying) {
        progress.setProgressPos(0);
        progress.setProgressRange(0, static_cast<int>(kImageSize));
    }
    progress.setProgressRange(0, static_cast<int>(kImageSize));
    progress.enableButtons(false);
    progress.repaintNow();
    learnSerial();
    return readAllFrames(progress);
}

// ---- Write --------------------------------------------------------------------------------

WriteOutcome Transfer::writeImageToRadio(TransferProgress& progress, const WriteRequest& request) {
    auto& flags = link_.globals().flags;
    flags.writingToRadio = true;
    flags.retrying = false;
    serialAsked_ = false;
    radioSerial_.clear();
    framesTaken_ = 0;
    written_ = false;
    verify_ = VerifyResult{};
    // A copy: the image to write stays as it was when the write began.
    const RadioImage image = request.image ? *request.image : link_.globals().image;
    ProgramConnection connection(link_);
    connection.setImageToWrite(&image);
    progress.setPhase(TransferPhase::Writing);
    const ConnectionEnd end = connection.run(ConnectionMode::Write, [&] {
        if (!written_ && !writeStep(progress, image))
            return false;
        written_ = true;
        return !request.verify || verifyStep(progress, image, connection);
    });
    if (end == ConnectionEnd::Done && !request.verify)
        return WriteOutcome::Written;
    if (end == ConnectionEnd::Done)
        return verify_.passed() ? WriteOutcome::Verified : WriteOutcome::VerifyFailed;
    if (written_)
        return WriteOutcome::NotVerified;
    return framesTaken_ > 0 ? WriteOutcome::PartlyWritten : WriteOutcome::Unchanged;
}

bool Transfer::writeOneFrame(const WriteFrame& f, const RadioImage& image) {
    std::array<std::uint8_t, 4 + kWriteFrameLength> frame{};
    frame[0] = wire::kWriteCommand;
    frame[1] = static_cast<std::uint8_t>(f.address >> 8);
    frame[2] = static_cast<std::uint8_t>(f.address & 0xFF);
    frame[3] = f.length;
    for (std::size_t i = 0; i < f.length; ++i)
        frame[4 + i] = image.byte(f.address + i);
    return link_.sendBytes(frame.data(), static_cast<std::uint16_t>(4 + f.length));
}

bool Transfer::writeStep(TransferProgress& progress, const RadioImage& image) {
    if (!link_.globals().flags.retrying) {
        progress.setProgressPos(0);
        progress.setProgressRange(0, static_cast<int>(kImageSize));
    }
    progress.setProgressRange(0, kWriteProgressMax);
    progress.enableButtons(false);
    learnSerial();
    for (const WriteFrame& f : writeFrames()) {
        if (!writeOneFrame(f, image))
            return false;
        progress.setProgressPos(f.address);
        if (!link_.waitAck())
            return false;
        ++framesTaken_;
    }
    return true;
}

// The radio read back in the same connection, all 1024 bytes, so that what it holds can be
// kept whole.
bool Transfer::verifyStep(TransferProgress& progress, const RadioImage& image,
                          ProgramConnection& connection) {
    connection.noteReadFromRadio();
    progress.setPhase(TransferPhase::Verifying);
    progress.setProgressPos(0);
    progress.setProgressRange(0, static_cast<int>(kImageSize));
    if (!readAllFrames(progress))
        return false;
    RadioImage held;
    held.copyFrom(receiveBuffer_);
    verify_ = verifyWrite(image, held);
    return true;
}

// ---- Applying a read ----------------------------------------------------------------------

void applySuccessfulRead(AppGlobals& g, std::span<const std::uint8_t, kImageSize> buffer,
                         ImageWindows& windows) {
    windows.setCurrentChannel(0);
    g.image.copyFrom(buffer);
    windows.closeAllEditors();
    std::uint16_t used = g.image.word(layout::kBitmapA);
    for (int ch = 0; ch < layout::kChannelCount; ++ch)
        if (g.image.byte(layout::channelOffset(ch)) != 0xFF)
            used = static_cast<std::uint16_t>(used | (1u << ch));
    g.image.setWord(layout::kBitmapA, used);
    windows.openChannelInformation();
    takeOverIdentity(g);
    g.currentFileName = std::string(kReadFileName);
    windows.refreshImageDisplay();
    markSaved(g);
}

} // namespace tsw
