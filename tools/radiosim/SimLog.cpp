#include "tools/radiosim/SimLog.h"

namespace tsw::radiosim {

std::string formatLogLine(SimTime at, char direction, const std::string& body) {
    char stamp[32];
    const long long micros = std::chrono::duration_cast<std::chrono::microseconds>(at).count();
    std::snprintf(stamp, sizeof stamp, "%7lld.%03lld %c ", micros / 1000, micros % 1000, direction);
    return stamp + body + '\n';
}

SimLog::~SimLog() {
    endBurst();
    if (file_)
        std::fclose(file_);
}

bool SimLog::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void SimLog::bytes(SimTime at, char direction, std::span<const std::uint8_t> data) {
    if (!file_ || data.empty())
        return;
    if (!burst_.empty() && (direction != burstDirection_ || at - burstLast_ > burstGap_))
        endBurst();
    if (burst_.empty()) {
        burstDirection_ = direction;
        burstStart_ = at;
    } else {
        burst_ += ' ';
    }
    burst_ += hexBytes(data);
    burstLast_ = at;
}

void SimLog::note(SimTime at, const std::string& text) {
    if (!file_)
        return;
    endBurst();
    line(formatLogLine(at, kLogNote, text));
}

void SimLog::endBurst() {
    if (!file_ || burst_.empty())
        return;
    line(formatLogLine(burstStart_, burstDirection_, burst_));
    burst_.clear();
}

void SimLog::line(const std::string& text) {
    std::fputs(text.c_str(), file_);
    std::fflush(file_);
}

} // namespace tsw::radiosim
