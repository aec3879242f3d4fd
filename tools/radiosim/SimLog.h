#pragma once
// The simulator's log: one line per burst of bytes or per note, each with the time in
// milliseconds since the start (a burst: bytes in one direction, each following the one
// before within the burst gap; the line carries the first byte's time):
//     12.345 > 50 52 4F 47 52 41 4D     bytes the program sent (in to the radio)
//     20.391 < 06                       bytes the radio sent
//     20.391 # PROGRAM at 9600 baud     what the radio made of it

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "app/NumberText.h" // hexBytes, for the bytes of a line
#include "tools/radiosim/SimConfig.h"

namespace tsw::radiosim {

inline constexpr char kLogIn = '>';
inline constexpr char kLogOut = '<';
inline constexpr char kLogNote = '#';

std::string formatLogLine(SimTime at, char direction, const std::string& body);

class SimLog {
public:
    SimLog() = default;
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    bool open(const std::string& path); // truncates; false when it cannot be written
    bool isOpen() const { return file_ != nullptr; }
    void setBurstGap(SimTime gap) { burstGap_ = gap; }
    // Joins the current burst when it goes the same way and follows within the gap.
    void bytes(SimTime at, char direction, std::span<const std::uint8_t> bytes);
    void note(SimTime at, const std::string& text);
    // Writes the current burst's line.
    void endBurst();

private:
    void line(const std::string& text);
    std::FILE* file_ = nullptr;
    SimTime burstGap_ = std::chrono::milliseconds(3);
    char burstDirection_ = 0;
    SimTime burstStart_{};
    SimTime burstLast_{};
    std::string burst_;
};

} // namespace tsw::radiosim
