// Feeds arbitrary radio replies to the protocol: identity, read replies, information block,
// version, tuning block, test channels and meter readings, through the real operations.
//
// Input: byte 0 chooses the operation, byte 1 how often a question is answered Retry; the
// rest is a list of replies [length][bytes...], one handed out after each write.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <vector>

#include "app/AppGlobals.h"
#include "link/RadioInfo.h"
#include "link/ReadBackup.h"
#include "link/SerialLink.h"
#include "link/TestMode.h"
#include "link/Transfer.h"
#include "link/Tuning.h"

namespace {

using namespace tsw;

class StepClock : public Clock {
public:
    std::uint32_t tickMs() override { return now; }
    void sleepMs(std::uint32_t ms) override { now += ms; }
    std::uint32_t now = 0;
};

class ReplyDevice : public SerialDevice {
public:
    ReplyDevice(StepClock& clock, const std::uint8_t* data, std::size_t size) : clock_(clock) {
        std::size_t i = 0;
        while (i < size) {
            const std::size_t n = std::min<std::size_t>(data[i], size - i - 1);
            replies_.emplace_back(data + i + 1, data + i + 1 + n);
            i += 1 + n;
        }
    }
    bool open(const std::string&) override { return open_ = true; }
    bool close() override {
        const bool was = open_;
        open_ = false;
        return was;
    }
    bool isOpen() const override { return open_; }
    OpenError lastOpenError() const override { return OpenError::None; }
    std::string lastErrorText() const override { return {}; }
    bool setQueueSizes(std::uint16_t, std::uint16_t) override { return open_; }
    bool applyLineSettings(const LineSettings&) override { return open_; }
    bool purgeReceive() override {
        waiting_.clear();
        return open_;
    }
    int bytesWaiting() override { return open_ ? static_cast<int>(waiting_.size()) : -1; }
    int read(std::uint8_t* buffer, std::size_t count, std::uint32_t timeoutMs) override {
        if (!open_)
            return -1;
        std::size_t n = 0;
        while (n < count && !waiting_.empty()) {
            buffer[n++] = waiting_.front();
            waiting_.pop_front();
        }
        if (n < count)
            clock_.now += timeoutMs;
        return static_cast<int>(n);
    }
    bool write(const std::uint8_t*, std::size_t) override {
        if (!open_ || ++writes_ > 4000)
            return false;
        if (!replies_.empty()) {
            waiting_.insert(waiting_.end(), replies_.front().begin(), replies_.front().end());
            replies_.pop_front();
        }
        return true;
    }
    bool isSerialDevice() override { return open_; }

private:
    StepClock& clock_;
    std::deque<std::vector<std::uint8_t>> replies_;
    std::deque<std::uint8_t> waiting_;
    bool open_ = false;
    int writes_ = 0;
};

class BoundedPrompt : public UserPrompt {
public:
    explicit BoundedPrompt(int retries) : retries_(retries) {}
    PromptAnswer ask(const Prompt& p) override {
        if (p.buttons == PromptButtons::RetryCancel && retries_-- > 0)
            return PromptAnswer::Retry;
        return p.buttons == PromptButtons::Ok ? PromptAnswer::Ok
               : retries_ % 2 == 0            ? PromptAnswer::Ok
                                              : PromptAnswer::Cancel;
    }

private:
    int retries_;
};

struct NoDialog : TestModeUi {
    void runDialog() override {}
};

void parsers(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 68> reply{};
    std::copy_n(data, std::min(size, reply.size()), reply.begin());
    if (const auto d = readReplyData(reply, size % 1100))
        (void)d->size();
    std::array<std::uint8_t, kInfoBlockSize> block{};
    std::copy_n(data, std::min(size, block.size()), block.begin());
    (void)parseInfoBlock(block);
    std::array<std::uint8_t, 16> text{};
    std::array<std::uint8_t, 12> serial{};
    std::copy_n(block.begin(), 16, text.begin());
    std::copy_n(block.begin() + 16, 12, serial.begin());
    (void)serialNumberText(text, serial);
    std::array<std::uint8_t, kVersionSize> version{};
    std::copy_n(block.begin(), kVersionSize, version.begin());
    (void)versionText(version);
    // A backup's file name read back gives the same name again.
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const RadioName radio{"H5520", "S5520-000001"};
    if (const auto stamp = parseReadBackupFileName(name, radio))
        if (readBackupFileName(radio, stamp->when, stamp->n) != name)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t op = data[0] % 8;
    StepClock clock;
    ReplyDevice device(clock, data + 2, size - 2);
    BoundedPrompt prompt(data[1] % 4);
    static AppGlobals g;
    g.flags = SharedFlags{};
    SerialLink link(device, clock, prompt, g);
    link.setDevicePath("/dev/fuzz");
    link.setTextLookup([](StringId) { return std::string("t"); });
    switch (op) {
    case 0: {
        Transfer t(link);
        TransferProgress progress;
        if (t.readImageFromRadio(progress)) {
            ImageWindows windows;
            applySuccessfulRead(g, t.receiveBuffer(), windows);
        }
        break;
    }
    case 1: {
        Transfer t(link);
        TransferProgress progress;
        t.writeImageToRadio(progress);
        break;
    }
    case 2:
        if (runRadioInformation(link)) {
            (void)serialNumberText(link.radioInfoText, link.radioInfoSerial);
            (void)versionText(link.radioVersion);
            (void)modelTypeText(link.radioModelCode);
        }
        break;
    case 3: {
        NoDialog ui;
        runTestMode(link, ui);
        break;
    }
    case 5: {
        // A write with its check: the outcome agrees with the check and the frames taken.
        Transfer t(link);
        TransferProgress progress;
        const WriteOutcome outcome = t.writeImageToRadio(progress, WriteRequest{.verify = true});
        const bool passed = t.verifyResult().passed();
        if (outcome == WriteOutcome::Written || (outcome == WriteOutcome::Verified && !passed) ||
            (outcome == WriteOutcome::VerifyFailed && passed) ||
            (outcome == WriteOutcome::PartlyWritten && t.framesTaken() == 0) ||
            (outcome == WriteOutcome::Unchanged && t.framesTaken() != 0))
            std::abort();
        break;
    }
    case 4: {
        link.open();
        TuningAdjustment adj(link, kBatteryLevelItem, kBatteryLevelItem, 1);
        std::uint8_t reading = 0;
        adj.meterTick(true, reading);
        adj.ok(reading);
        TestModeSession s(link);
        s.togglePtt();
        s.selectTestChannel(3);
        s.openTuningItem(0x61);
        break;
    }
    default:
        parsers(data + 2, size - 2);
        break;
    }
    return 0;
}
