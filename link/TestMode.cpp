#include "link/TestMode.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw {

// ---- Commands ---------------------------------------------------------------------------------

int SerialLink::enterTuningMode() {
    if (sendString(wire::kTuningHandshake) != 1)
        return 1;
    std::uint8_t reply = 0;
    return receiveBytes(&reply, 1) == 1 && reply == wire::kAck ? 0 : 1;
}

int SerialLink::readTuningData(std::span<std::uint8_t, TuningValues::kBlockSize> block) {
    const std::uint8_t command = 0x05;
    return dataReply({&command, 1}, block);
}

int SerialLink::readTestChannel(std::uint8_t channel, std::span<std::uint8_t, 8> record) {
    const std::array<std::uint8_t, 2> command{0x10, channel};
    return dataReply(command, record, true);
}

int SerialLink::selectSignalling(std::uint8_t number) {
    const std::array<std::uint8_t, 2> command{0x11, number};
    return sendAndAck(command);
}

int SerialLink::setPtt(bool on) {
    const std::array<std::uint8_t, 2> command{0x08, static_cast<std::uint8_t>(on ? 0x0D : 0x0E)};
    if (sendBytes(command.data(), command.size()) != 1)
        return 1;
    setReadTimeout(800);
    std::uint8_t reply = 0;
    const bool received = receiveBytes(&reply, 1) == 1;
    setReadTimeout(500);
    return received && reply == wire::kAck ? 0 : 1;
}

int SerialLink::setBandwidth(bool wide) {
    const std::uint8_t command = wide ? 0x46 : 0x47;
    return sendAndAck({&command, 1});
}

int SerialLink::selectTuningItem(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, 0x0D};
    return sendAndAck(command);
}

void SerialLink::sendEnd() {
    sendByte(wire::kEnd);
}

void SerialLink::storeTuningBlock(std::span<const std::uint8_t, TuningValues::kBlockSize> block) {
    for (std::size_t i = 0; i < block.size(); ++i) {
        tuning.current[i] = block[i];
        tuning.initial[i] = block[i];
    }
}

// ---- Entry sequence ---------------------------------------------------------------------------

namespace {

enum class Entry { Done, Failed, Abandoned };

Entry identify(SerialLink& link) {
    std::array<std::uint8_t, wire::kIdentitySize> identity{};
    if (link.readIdentity(identity) != 0)
        return Entry::Failed;
    while (true) {
        const int check = link.checkModel(identity);
        if (check == 0)
            return Entry::Done;
        if (check == 2)
            return Entry::Abandoned;
        if (link.readIdentity(identity) != 0)
            return Entry::Failed;
    }
}

bool readTestChannels(SerialLink& link, TestChannelTable& table) {
    for (int ch = 1; ch <= kTestChannelCount; ++ch) {
        std::span<std::uint8_t, kTestChannelRecordSize> record(
            table.data() + (ch - 1) * kTestChannelRecordSize, kTestChannelRecordSize);
        if (link.readTestChannel(static_cast<std::uint8_t>(ch), record) != 0)
            return false;
    }
    return true;
}

// Steps from the handshake to the comparison of the test channels.
Entry enterAndCompare(SerialLink& link) {
    auto& g = link.globals();
    if (link.enterTuningMode() != 0)
        return Entry::Failed;
    const Entry identified = identify(link);
    if (identified != Entry::Done)
        return identified;
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (link.readTuningData(block) != 0)
        return Entry::Failed;
    link.storeTuningBlock(block);
    TestChannelTable table{};
    g.flags.acceptNak = true;
    const bool read = readTestChannels(link, table);
    // Cleared on every way out: a NAK must never pass as an acknowledgement elsewhere.
    g.flags.acceptNak = false;
    if (!read)
        return Entry::Failed;
    g.flags.testChannelsDiffer =
        !std::equal(table.begin(), table.end(), g.image.bytes().begin() + layout::kTestFrequencies);
    return Entry::Done;
}

} // namespace

void runTestMode(SerialLink& link, TestModeUi& ui) {
    auto& flags = link.globals().flags;
    flags.testModeRequested = true;
    ui.createDialog();
    const auto leave = [&] {
        flags.testModeRequested = false;
        link.setOpen(0);
        ui.destroyDialog();
    };
    while (true) {
        if (flags.tuningModeActive) {
            const std::array<std::uint8_t, 2> release{wire::kEnd, wire::kEnd};
            link.sendBytes(release.data(), release.size());
            link.delay(kReleasePauseMs);
        }
        flags.tuningModeActive = false;
        if (link.openPortForConnection() != 0)
            return leave();
        const Entry entry = enterAndCompare(link);
        if (entry == Entry::Abandoned)
            return leave();
        if (entry == Entry::Done && !flags.testChannelsDiffer) {
            ui.runDialog();
        } else if (entry == Entry::Done) {
            link.purgeReceive();
            link.sendEnd();
            link.prompter().ask(errorPrompt(StrId::TestChannelsDiffer, link.texts()));
        } else if (link.askRetry() == PromptAnswer::Retry) {
            flags.tuningModeActive = true;
        }
        if (!flags.tuningModeActive)
            return leave();
    }
}

// ---- Dialog commands --------------------------------------------------------------------------

bool TestModeSession::run(const std::function<int()>& command, bool doneWhenLost,
                          OnCancel onCancel) {
    auto& flags = link_.globals().flags;
    while (command() != 0) {
        if (flags.linkLost && doneWhenLost)
            return true;
        if (link_.askRetry() == PromptAnswer::Retry)
            continue;
        flags.linkLost = true;
        if (onCancel == OnCancel::ReleaseAndClose)
            link_.sendEnd();
        closeRequested_ = true;
        return false;
    }
    return true;
}

bool TestModeSession::switchPttOffFirst() {
    auto& flags = link_.globals().flags;
    if (!flags.pttOn)
        return true;
    if (!run([&] { return link_.setPtt(false); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = false;
    return true;
}

bool TestModeSession::selectTestChannel(std::uint8_t channel) {
    if (!switchPttOffFirst())
        return false;
    std::array<std::uint8_t, kTestChannelRecordSize> record{};
    return run([&] { return link_.readTestChannel(channel, record); }, true, OnCancel::JustClose);
}

bool TestModeSession::selectSignalling(std::uint8_t number) {
    if (!switchPttOffFirst())
        return false;
    return run([&] { return link_.selectSignalling(number); }, true, OnCancel::JustClose);
}

bool TestModeSession::togglePtt() {
    auto& flags = link_.globals().flags;
    const bool on = !flags.pttOn;
    if (!run([&] { return link_.setPtt(on); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = on;
    return true;
}

bool TestModeSession::setWide() {
    if (!switchPttOffFirst() ||
        !run([&] { return link_.setBandwidth(true); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.globals().flags.wideSelected = true;
    return true;
}

bool TestModeSession::setNarrow() {
    if (!switchPttOffFirst() ||
        !run([&] { return link_.setBandwidth(false); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.globals().flags.wideSelected = false;
    return true;
}

bool TestModeSession::openTuningItem(std::uint8_t itemCode) {
    if (!switchPttOffFirst() || !readAndStoreTuning())
        return false;
    itemCode_ = itemCode;
    return run([&] { return link_.selectTuningItem(itemCode); }, false, OnCancel::ReleaseAndClose);
}

bool TestModeSession::readTuningForPrint() {
    return switchPttOffFirst() && readAndStoreTuning();
}

bool TestModeSession::readAndStoreTuning() {
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (!run([&] { return link_.readTuningData(block); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.storeTuningBlock(block);
    return true;
}

void TestModeSession::close(std::uint8_t signalling) {
    if (switchPttOffFirst())
        run([&] { return link_.selectSignalling(signalling); }, true, OnCancel::JustClose);
    link_.purgeReceive();
    link_.sendEnd();
}

} // namespace tsw
