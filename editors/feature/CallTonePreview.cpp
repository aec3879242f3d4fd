#include "editors/feature/CallTonePreview.h"

#include <system_error>
#include <utility>

namespace tsw::feature {

std::string callToneFileName(std::string_view toneText) {
    return "Call Tone " + std::string(toneText) + ".wav";
}

std::filesystem::path findCallTone(std::string_view toneText,
                                   const std::filesystem::path& currentDir,
                                   const std::filesystem::path& programDir) {
    if (toneText.find_first_of("/\\") != std::string_view::npos || toneText == ".." ||
        toneText.find('\0') != std::string_view::npos)
        return {};
    const std::string name = callToneFileName(toneText);
    std::error_code ec;
    const std::filesystem::path here =
        currentDir.empty() ? std::filesystem::path(name) : currentDir / name;
    if (std::filesystem::is_regular_file(here, ec))
        return here;
    const std::filesystem::path beside = programDir / name;
    if (!programDir.empty() && std::filesystem::is_regular_file(beside, ec))
        return beside;
    return {};
}

CallTonePreview::CallTonePreview(TonePlayer& player, std::filesystem::path programDir,
                                 std::filesystem::path currentDir)
    : player_(player), programDir_(std::move(programDir)), currentDir_(std::move(currentDir)) {}

CallTonePreview::~CallTonePreview() {
    shutdown();
}

CallTonePreview::Result CallTonePreview::toggle(std::string_view toneText) {
    if (!open_)
        return start(toneText);
    if (!player_.stop())
        return {StrId::CallToneStopFailed, fileName_};
    release();
    return {};
}

CallTonePreview::Result CallTonePreview::start(std::string_view toneText) {
    fileName_ = callToneFileName(toneText);
    const std::filesystem::path file = findCallTone(toneText, currentDir_, programDir_);
    if (file.empty() || !player_.open(file))
        return {StrId::CallToneOpenFailed, fileName_};
    open_ = true;
    if (!player_.play()) {
        release();
        return {StrId::CallTonePlayFailed, fileName_};
    }
    playing_ = true;
    return {};
}

void CallTonePreview::finished() {
    if (open_)
        release();
}

CallTonePreview::Result CallTonePreview::failed() {
    if (!open_)
        return {};
    release();
    return {StrId::CallTonePlayFailed, fileName_};
}

void CallTonePreview::shutdown() {
    if (!open_)
        return;
    player_.stop();
    release();
}

void CallTonePreview::release() {
    player_.close();
    open_ = false;
    playing_ = false;
}

} // namespace tsw::feature
