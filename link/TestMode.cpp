#include "link/TestMode.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw {

// ---- Commands ---------------------------------------------------------------------------------

int SerialLink::EnterTuningMode() {
    if (SendString(wire::kTuningHandshake) != 1)
        return 1;
    std::uint8_t reply = 0;
    return ReceiveBytes(&reply, 1) == 1 && reply == wire::kAck ? 0 : 1;
}

int SerialLink::ReadTuningData(std::span<std::uint8_t, TuningValues::kBlockSize> block) {
    const std::uint8_t command = 0x05;
    return DataReply({&command, 1}, block);
}

int SerialLink::ReadTestChannel(std::uint8_t channel, std::span<std::uint8_t, 8> record) {
    const std::array<std::uint8_t, 2> command{0x10, channel};
    return DataReply(command, record, true);
}

int SerialLink::SelectSignalling(std::uint8_t number) {
    const std::array<std::uint8_t, 2> command{0x11, number};
    return SendAndAck(command);
}

int SerialLink::SetPtt(bool on) {
    const std::array<std::uint8_t, 2> command{0x08, static_cast<std::uint8_t>(on ? 0x0D : 0x0E)};
    if (SendBytes(command.data(), command.size()) != 1)
        return 1;
    SetReadTimeout(800);
    std::uint8_t reply = 0;
    const bool received = ReceiveBytes(&reply, 1) == 1;
    SetReadTimeout(500);
    return received && reply == wire::kAck ? 0 : 1;
}

int SerialLink::SetBandwidth(bool wide) {
    const std::uint8_t command = wide ? 0x46 : 0x47;
    return SendAndAck({&command, 1});
}

int SerialLink::SelectTuningItem(std::uint8_t itemCode) {
    const std::array<std::uint8_t, 2> command{itemCode, 0x0D};
    return SendAndAck(command);
}

void SerialLink::SendEnd() {
    SendByte(wire::kEnd);
}

void SerialLink::StoreTuningBlock(std::span<const std::uint8_t, TuningValues::kBlockSize> block) {
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
    if (link.ReadIdentity(identity) != 0)
        return Entry::Failed;
    while (true) {
        const int check = link.CheckModel(identity);
        if (check == 0)
            return Entry::Done;
        if (check == 2)
            return Entry::Abandoned;
        if (link.ReadIdentity(identity) != 0)
            return Entry::Failed;
    }
}

bool readTestChannels(SerialLink& link, TestChannelTable& table) {
    for (int ch = 1; ch <= kTestChannelCount; ++ch) {
        std::span<std::uint8_t, kTestChannelRecordSize> record(
            table.data() + (ch - 1) * kTestChannelRecordSize, kTestChannelRecordSize);
        if (link.ReadTestChannel(static_cast<std::uint8_t>(ch), record) != 0)
            return false;
    }
    return true;
}

// Steps from the handshake to the comparison of the test channels.
Entry enterAndCompare(SerialLink& link) {
    auto& g = link.Globals();
    if (link.EnterTuningMode() != 0)
        return Entry::Failed;
    const Entry identified = identify(link);
    if (identified != Entry::Done)
        return identified;
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (link.ReadTuningData(block) != 0)
        return Entry::Failed;
    link.StoreTuningBlock(block);
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

void RunTestMode(SerialLink& link, TestModeUi& ui) {
    auto& flags = link.Globals().flags;
    flags.testModeRequested = true;
    ui.createDialog();
    const auto leave = [&] {
        flags.testModeRequested = false;
        link.SetOpen(0);
        ui.destroyDialog();
    };
    while (true) {
        if (flags.tuningModeActive) {
            const std::array<std::uint8_t, 2> release{wire::kEnd, wire::kEnd};
            link.SendBytes(release.data(), release.size());
            link.Delay(kReleasePauseMs);
        }
        flags.tuningModeActive = false;
        if (link.OpenPortForConnection() != 0)
            return leave();
        const Entry entry = enterAndCompare(link);
        if (entry == Entry::Abandoned)
            return leave();
        if (entry == Entry::Done && !flags.testChannelsDiffer) {
            ui.runDialog();
        } else if (entry == Entry::Done) {
            link.PurgeReceive();
            link.SendEnd();
            link.Prompter().ask(errorPrompt(StrId::TestChannelsDiffer, link.Texts()));
        } else if (link.AskRetry() == PromptAnswer::Retry) {
            flags.tuningModeActive = true;
        }
        if (!flags.tuningModeActive)
            return leave();
    }
}

// ---- Dialog commands --------------------------------------------------------------------------

bool TestModeSession::Run(const std::function<int()>& command, bool doneWhenLost,
                          OnCancel onCancel) {
    auto& flags = link_.Globals().flags;
    while (command() != 0) {
        if (flags.linkLost && doneWhenLost)
            return true;
        if (link_.AskRetry() == PromptAnswer::Retry)
            continue;
        flags.linkLost = true;
        if (onCancel == OnCancel::ReleaseAndClose)
            link_.SendEnd();
        closeRequested_ = true;
        return false;
    }
    return true;
}

bool TestModeSession::SwitchPttOffFirst() {
    auto& flags = link_.Globals().flags;
    if (!flags.pttOn)
        return true;
    if (!Run([&] { return link_.SetPtt(false); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = false;
    return true;
}

bool TestModeSession::SelectTestChannel(std::uint8_t channel) {
    if (!SwitchPttOffFirst())
        return false;
    std::array<std::uint8_t, kTestChannelRecordSize> record{};
    return Run([&] { return link_.ReadTestChannel(channel, record); }, true, OnCancel::JustClose);
}

bool TestModeSession::SelectSignalling(std::uint8_t number) {
    if (!SwitchPttOffFirst())
        return false;
    return Run([&] { return link_.SelectSignalling(number); }, true, OnCancel::JustClose);
}

bool TestModeSession::TogglePtt() {
    auto& flags = link_.Globals().flags;
    const bool on = !flags.pttOn;
    if (!Run([&] { return link_.SetPtt(on); }, true, OnCancel::JustClose))
        return false;
    flags.pttOn = on;
    return true;
}

bool TestModeSession::SetWide() {
    if (!SwitchPttOffFirst() ||
        !Run([&] { return link_.SetBandwidth(true); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.Globals().flags.wideSelected = true;
    return true;
}

bool TestModeSession::SetNarrow() {
    if (!SwitchPttOffFirst() ||
        !Run([&] { return link_.SetBandwidth(false); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.Globals().flags.wideSelected = false;
    return true;
}

bool TestModeSession::OpenTuningItem(std::uint8_t itemCode) {
    if (!SwitchPttOffFirst() || !ReadAndStoreTuning())
        return false;
    itemCode_ = itemCode;
    return Run([&] { return link_.SelectTuningItem(itemCode); }, false, OnCancel::ReleaseAndClose);
}

bool TestModeSession::ReadTuningForPrint() {
    return SwitchPttOffFirst() && ReadAndStoreTuning();
}

bool TestModeSession::ReadAndStoreTuning() {
    std::array<std::uint8_t, TuningValues::kBlockSize> block{};
    if (!Run([&] { return link_.ReadTuningData(block); }, false, OnCancel::ReleaseAndClose))
        return false;
    link_.StoreTuningBlock(block);
    return true;
}

void TestModeSession::Close(std::uint8_t signalling) {
    if (SwitchPttOffFirst())
        Run([&] { return link_.SelectSignalling(signalling); }, true, OnCancel::JustClose);
    link_.PurgeReceive();
    link_.SendEnd();
}

} // namespace tsw
