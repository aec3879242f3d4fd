#pragma once
// The programming connection: the "PROGRAM" handshake with its baud search, the identity, the
// model check, the end command, and the connection frame that runs a transfer between them.
//
//   "PROGRAM" at 9600, 19200, 4800, 2400, 1200 baud  ->  0x06 (or 0x16 0x06)
//   0x02  ->  8 identity bytes, then 0x06  ->  0x06
//   ... the transfer ...
//   0x45  ->  0x06

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "link/SerialLink.h"

namespace tsw {

enum class ConnectionMode { Read, Write };

// What the model check decided.
enum class ModelCheck {
    Accepted,          // the radio's code is served (and the user accepted a differing image)
    ReadIdentityAgain, // an unknown code, and the user asked to retry
    Abandoned,         // the user gave up: the end command was sent and the port closed
};

// How a connection ended.
enum class ConnectionEnd {
    Done,       // the transfer step succeeded
    PortFailed, // the port did not open (the user has been told)
    Cancelled,  // a step failed and the user cancelled the retry
    Abandoned,  // the model check ended the connection
};

class ProgramConnection {
public:
    // The accepted model codes in search order, ended by "NULL".
    static constexpr std::array<std::string_view, 3> kModelCodeList = {"LZ709", "H5520", "NULL"};
    static constexpr std::array<std::string_view, 5> kSearchBauds = {"9600", "19200", "4800",
                                                                     "2400", "1200"};
    // Read time-out for the rest of a connection, by the baud-search attempt that succeeded.
    static constexpr std::array<std::uint32_t, 5> kConnectionTimeoutsMs = {550, 550, 1100, 2200,
                                                                           4400};
    // How long after a failure a retry starts at the earliest. After a data reply the radio
    // waits for our acknowledgement and takes whatever byte comes first as that
    // acknowledgement, without answering it; it gives up waiting after 2 s (the simulated
    // radio's kAckWaitMs). Starting again sooner, the identity request is swallowed and the
    // retry fails as well; 2.5 s leaves half a second for the reply still on the wire.
    static constexpr std::uint32_t kRetryPauseMs = 2500;

    explicit ProgramConnection(SerialLink& link) : link_(link) {}

    bool enterProgramMode();
    bool readIdentity(std::span<std::uint8_t, wire::kIdentitySize> identity);
    ModelCheck checkModel(std::span<const std::uint8_t, wire::kIdentitySize> identity);
    // 0x45 answered by 0x06.
    bool leaveProgramMode();

    // Asks whether to retry after a failed step. On Retry it waits until kRetryPauseMs have
    // passed since `failedAtMs` (the time the user took to answer counts) and discards what
    // arrived meanwhile. True for Retry.
    bool retryAfterFailure(std::uint32_t failedAtMs);

    // The connection frame of a transfer around `transferStep` (true when it succeeded):
    // open, handshake, identity and model check, the step, the closing steps; every failure
    // asks to retry. A Retry after a failed step goes back to the identity and runs the step
    // again.
    ConnectionEnd run(ConnectionMode mode, const std::function<bool()>& transferStep);
    // A write step that also read from the radio calls this: the closing steps then start
    // after the same 250 ms pause as after a read.
    void noteReadFromRadio() { readFromRadio_ = true; }
    // The image a write sends, for the model check (none: the program's image).
    void setImageToWrite(const RadioImage* image) { imageToWrite_ = image; }

private:
    bool secondHandshakeRead();
    void closingSteps();
    void abandon();

    SerialLink& link_;
    bool readFromRadio_ = false;
    const RadioImage* imageToWrite_ = nullptr;
};

} // namespace tsw
