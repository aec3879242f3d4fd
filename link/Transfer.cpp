#include "link/Transfer.h"

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

bool pttIdChannelPresent(const RadioImage& image) {
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const std::uint8_t v =
            image.bits(layout::channelOffset(ch) + layout::kChSteps, layout::kChFurtherMask14);
        if (v >= 1 && v <= 14)
            return true;
    }
    return false;
}

bool codeSet(const RadioImage& image, std::size_t offset) {
    return image.byte(offset) != 0xFF;
}

} // namespace

const std::vector<WriteFrame>& writeFrames() {
    static const std::vector<WriteFrame> frames = buildWriteFrames();
    return frames;
}

std::optional<WriteRefusal> checkBeforeWriting(const RadioImage& image) {
    const std::uint8_t pttIdType = image.byte(layout::kFeatPttIdType);
    if (pttIdType == 1 && image.byte(layout::kCrewOwnFleet) == 0xFF)
        return WriteRefusal{{StrId::CrewLinkOwnFleetLabel, StrId::CrewLinkOwnIdLabel}, false};
    if (pttIdType == 0 && pttIdChannelPresent(image)) {
        const std::uint8_t timing = image.byte(layout::kFeatPttId);
        const bool needBegin = timing == 0 || timing == 2;
        const bool needEnd = timing == 1 || timing == 2;
        WriteRefusal r;
        if (needBegin && !codeSet(image, layout::kPttIdBeginCode))
            r.named.push_back(StrId::PttIdBeginCodeName);
        if (needEnd && !codeSet(image, layout::kPttIdEndCode))
            r.named.push_back(StrId::PttIdEndCodeName);
        if (!r.named.empty())
            return r;
    }
    if (image.byte(layout::kScanPriority) == 1 && image.byte(layout::kPriorityChannel) == 0xFF)
        return WriteRefusal{{StrId::PriorityChannelName}, true};
    return std::nullopt;
}

std::string refusalText(const WriteRefusal& refusal, const TextLookup& text) {
    std::string out = text(StrId::WriteRefusedMissingSettings) + "\n";
    if (refusal.blankLine)
        out += "\n";
    for (std::size_t i = 0; i < refusal.named.size(); ++i) {
        if (i > 0)
            out += "\n";
        out += "\"" + text(refusal.named[i]) + "\"";
    }
    return out;
}

Prompt refusalPrompt(const WriteRefusal& refusal, const TextLookup& text) {
    return composedErrorPrompt(refusalText(refusal, text), StrId::WriteRefusedMissingSettings,
                               text);
}

std::optional<std::span<const std::uint8_t>>
readReplyData(std::span<const std::uint8_t, kReadReplySize> reply, std::size_t room) {
    if (reply[0] != wire::kWriteCommand)
        return std::nullopt;
    // The length byte says 64; a larger one never takes more than the frame holds.
    const std::size_t length = std::min<std::size_t>({reply[3], kReadFrameLength, room});
    return reply.subspan(4, length);
}

// ---- Read ---------------------------------------------------------------------------------

bool Transfer::readImageFromRadio(TransferProgress& progress) {
    auto& flags = link_.globals().flags;
    flags.readingFromRadio = true;
    flags.retrying = false;
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

bool Transfer::readStep(TransferProgress& progress) {
    if (!link_.globals().flags.retrying) {
        progress.setProgressPos(0);
        progress.setProgressRange(0, static_cast<int>(kImageSize));
    }
    progress.setProgressRange(0, static_cast<int>(kImageSize));
    progress.enableButtons(false);
    progress.repaintNow();
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

// ---- Write --------------------------------------------------------------------------------

bool Transfer::writeImageToRadio(TransferProgress& progress) {
    auto& flags = link_.globals().flags;
    flags.writingToRadio = true;
    flags.retrying = false;
    ProgramConnection connection(link_);
    return connection.run(ConnectionMode::Write, [&] { return writeStep(progress); }) ==
           ConnectionEnd::Done;
}

bool Transfer::writeOneFrame(const WriteFrame& f) {
    const RadioImage& image = link_.globals().image;
    std::array<std::uint8_t, 4 + kWriteFrameLength> frame{};
    frame[0] = wire::kWriteCommand;
    frame[1] = static_cast<std::uint8_t>(f.address >> 8);
    frame[2] = static_cast<std::uint8_t>(f.address & 0xFF);
    frame[3] = f.length;
    for (std::size_t i = 0; i < f.length; ++i)
        frame[4 + i] = image.byte(f.address + i);
    return link_.sendBytes(frame.data(), static_cast<std::uint16_t>(4 + f.length));
}

bool Transfer::writeStep(TransferProgress& progress) {
    if (!link_.globals().flags.retrying) {
        progress.setProgressPos(0);
        progress.setProgressRange(0, static_cast<int>(kImageSize));
    }
    progress.setProgressRange(0, kWriteProgressMax);
    progress.enableButtons(false);
    for (const WriteFrame& f : writeFrames()) {
        if (!writeOneFrame(f))
            return false;
        progress.setProgressPos(f.address);
        if (!link_.waitAck())
            return false;
    }
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
