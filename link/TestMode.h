#pragma once
// Test mode: the entry sequence of the Test Mode command (the "TUNING " handshake, identity,
// tuning data, the test-channel comparison) and the command pattern of the Test Mode
// dialog's controls. The dialog itself is the GUI's; it is reached through TestModeUi.

#include <array>
#include <cstdint>
#include <functional>

#include "link/SerialLink.h"
#include "link/TestModeCommands.h"

namespace tsw {

inline constexpr int kTestChannelCount = 16;
inline constexpr std::uint32_t kReleasePauseMs = 1000;

class TestModeUi {
public:
    virtual ~TestModeUi() = default;
    virtual void createDialog() {}
    // Runs the Test Mode dialog modally (the radio is in tuning mode meanwhile).
    virtual void runDialog() = 0;
    virtual void destroyDialog() {}
};

// The Test Mode command, from the release of a radio left in tuning mode to the closed port.
void runTestMode(SerialLink& link, TestModeUi& ui);

// The radio's 16 test channels as read in the entry sequence (128 bytes).
using TestChannelTable = std::array<std::uint8_t, kTestChannelCount * kTestChannelRecordSize>;

// The commands behind the Test Mode dialog's controls. Every command that fails asks to
// retry; Cancel marks the link lost and asks the dialog to close. Once the link is lost a
// failing channel, signalling or PTT command counts as done without asking.
class TestModeSession {
public:
    explicit TestModeSession(SerialLink& link) : link_(link), commands_(link) {}

    // Each returns true when the command was done (or taken as done).
    bool selectTestChannel(std::uint8_t channel);
    bool selectSignalling(std::uint8_t number);
    bool togglePtt(); // the new state is in the pttOn flag
    bool setWide();
    bool setNarrow();
    // Reads and stores the tuning data, then selects the item in the radio.
    bool openTuningItem(std::uint8_t itemCode);
    // Reads and stores the tuning data for printing (the transmitter off first).
    bool readTuningForPrint();
    // Every control but PTT starts with this: a transmitter that is on is switched off (the
    // pttOn flag follows). False when the user gave up.
    bool switchPttOffFirst();
    // The Close button: the current signalling again, then the end command.
    void close(std::uint8_t signalling);

    bool closeRequested() const { return closeRequested_; }
    std::uint8_t selectedItemCode() const { return itemCode_; }

private:
    enum class OnCancel { JustClose, ReleaseAndClose };
    bool run(const std::function<bool()>& command, bool doneWhenLost, OnCancel onCancel);
    bool readAndStoreTuning();

    SerialLink& link_;
    TestModeCommands commands_;
    bool closeRequested_ = false;
    std::uint8_t itemCode_ = 0;
};

} // namespace tsw
