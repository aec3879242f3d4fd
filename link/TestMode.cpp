#include "link/TestMode.h"

#include <algorithm>

#include "app/ImageLayout.h"
#include "link/ProgramConnection.h"

namespace tsw {

// ---- Entry sequence ---------------------------------------------------------------------------

namespace {

enum class Entry { Done, Failed, Abandoned };

Entry identify(SerialLink& link) {
    ProgramConnection program(link);
    std::array<std::uint8_t, wire::kIdentitySize> identity{};
    if (!program.readIdentity(identity))
        return Entry::Failed;
    while (true) {
        switch (program.checkModel(identity)) {
        case ModelCheck::Accepted:
            return Entry::Done;
        case ModelCheck::Abandoned:
            return Entry::Abandoned;
        case ModelCheck::ReadIdentityAgain:
            break;
        }
        if (!program.readIdentity(identity))
            return Entry::Failed;
    }
}

bool readTestChannels(TestModeCommands& commands, TestChannelTable& table) {
    for (int ch = 1; ch <= kTestChannelCount; ++ch) {
        std::span<std::uint8_t, kTestChannelRecordSize> record(
            table.data() + (ch - 1) * kTestChannelRecordSize, kTestChannelRecordSize);
        if (!commands.readTestChannel(static_cast<std::uint8_t>(ch), record))
            return false;
    }
    return true;
}

// Steps from the handshake to the comparison of the test channels.
Entry enterAndCompare(SerialLink& link) {
    auto& g = link.globals();
    TestModeCommands commands(link);
    if (!commands.enterTuningMode())
        return Entry::Failed;
    const Entry identified = identify(link);
    if (identified != Entry::Done)
        return identified;
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (!commands.readTuningData(block))
        return Entry::Failed;
    commands.storeTuningBlock(block);
    TestChannelTable table{};
    g.flags.acceptNak = true;
    const bool read = readTestChannels(commands, table);
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
        link.setOpen(false);
        ui.destroyDialog();
    };
    while (true) {
        if (flags.tuningModeActive) {
            const std::array<std::uint8_t, 2> release{wire::kEnd, wire::kEnd};
            link.sendBytes(release.data(), release.size());
            link.delay(kReleasePauseMs);
        }
        flags.tuningModeActive = false;
        if (!link.openPortForConnection())
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

bool TestModeSession::run(const std::function<bool()>& command, bool doneWhenLost,
                          OnCancel onCancel) {
    auto& flags = link_.globals().flags;
    while (!command()) {
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
    if (!run([&] { return commands_.setPtt(false); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = false;
    return true;
}

bool TestModeSession::selectTestChannel(std::uint8_t channel) {
    if (!switchPttOffFirst())
        return false;
    std::array<std::uint8_t, kTestChannelRecordSize> record{};
    return run([&] { return commands_.readTestChannel(channel, record); }, true,
               OnCancel::JustClose);
}

bool TestModeSession::selectSignalling(std::uint8_t number) {
    if (!switchPttOffFirst())
        return false;
    return run([&] { return commands_.selectSignalling(number); }, true, OnCancel::JustClose);
}

bool TestModeSession::togglePtt() {
    auto& flags = link_.globals().flags;
    const bool on = !flags.pttOn;
    if (!run([&] { return commands_.setPtt(on); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = on;
    return true;
}

bool TestModeSession::setWide() {
    if (!switchPttOffFirst() ||
        !run([&] { return commands_.setBandwidth(true); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.globals().flags.wideSelected = true;
    return true;
}

bool TestModeSession::setNarrow() {
    if (!switchPttOffFirst() ||
        !run([&] { return commands_.setBandwidth(false); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.globals().flags.wideSelected = false;
    return true;
}

bool TestModeSession::openTuningItem(std::uint8_t itemCode) {
    if (!switchPttOffFirst() || !readAndStoreTuning())
        return false;
    itemCode_ = itemCode;
    return run([&] { return commands_.selectTuningItem(itemCode); }, false,
               OnCancel::ReleaseAndClose);
}

bool TestModeSession::readTuningForPrint() {
    return switchPttOffFirst() && readAndStoreTuning();
}

bool TestModeSession::readAndStoreTuning() {
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (!run([&] { return commands_.readTuningData(block); }, false, OnCancel::ReleaseAndClose))
        return false;
    commands_.storeTuningBlock(block);
    return true;
}

void TestModeSession::close(std::uint8_t signalling) {
    if (switchPttOffFirst())
        run([&] { return commands_.selectSignalling(signalling); }, true, OnCancel::JustClose);
    link_.purgeReceive();
    link_.sendEnd();
}

} // namespace tsw
