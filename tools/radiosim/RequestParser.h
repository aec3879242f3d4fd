#pragma once
// Splits the bytes the radio has received into requests. Which requests exist depends on the
// radio's mode: outside programming and tuning mode only the two handshakes count.
//
// Requests (program to radio):
//   "PROGRAM"              enter programming mode (any mode)
//   "TUNING "              enter tuning mode (any mode)
//   0x06                   the program's ACK after a data reply
//   programming mode:  0x02 identity | 'R' H L n read | 'W' H L n data[n] write |
//                      "NRK" information block | 'P' version | 0x45 end
//   tuning mode:       0x02 identity | 0x05 tuning data | 0x10 n test channel |
//                      0x11 n signalling | 0x08 0x0D/0x0E PTT | 0x46 wide | 0x47 narrow |
//                      item 0x0D select | item 0x20 v set | item 0x0E store |
//                      reading 0x0A meter | 0x45 end

#include <cstddef>
#include <cstdint>
#include <span>

namespace tsw::radiosim {

enum class Mode { Idle, Programming, Tuning };

enum class Request {
    Program,
    Tuning,
    Ack,
    Identity,
    ReadFrame,
    WriteFrame,
    BadWriteFrame, // a write header whose length is 0 or above 64: its data cannot be framed
    Info,
    Version,
    End,
    TuningData,
    TestChannel,
    Signalling,
    Ptt,
    Wide,
    Narrow,
    SelectItem,
    SetValue,
    StoreValue,
    Meter,
};

struct ParseResult {
    enum class Kind {
        NeedMore, // a prefix of a request: wait for more bytes
        Invalid,  // the first byte starts no request here
        Complete, // the first `length` bytes are one request
    };
    Kind kind = Kind::Invalid;
    Request request = Request::Ack;
    std::size_t length = 0;
    // A complete request that is also the start of a longer one ('P' and "PROGRAM" in
    // programming mode): it counts only when no further byte follows at once.
    bool extendable = false;
};

// `awaitingAck`: the radio has sent a data reply and waits for the program's 0x06.
ParseResult parseRequest(Mode mode, bool awaitingAck, std::span<const std::uint8_t> pending);

// Tuning items and reading codes the radio knows.
bool isTuningItem(std::uint8_t code);
bool isReadingCode(std::uint8_t code);

} // namespace tsw::radiosim
