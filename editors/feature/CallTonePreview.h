#pragma once
// The calling alert tone preview of the Optional Features form: a play/stop toggle that plays
// "Call Tone <n>.wav" for the tone shown in the Calling Alert Tone box. The sound device sits
// behind TonePlayer, so the toggle's rules are tested without sound.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "app/StringIds.h"

namespace tsw::feature {

class TonePlayer {
public:
    virtual ~TonePlayer() = default;
    virtual bool open(const std::filesystem::path& file) = 0; // false: cannot be opened
    virtual bool play() = 0;  // starts playback; the owner reports its end by finished()
    virtual bool stop() = 0;  // false: playback could not be stopped
    virtual void close() = 0; // releases the file

    // Set by the owner: the player calls them when playback ends or fails on its own.
    std::function<void()> onFinished;
    std::function<void()> onFailed;
};

// "Call Tone <text>.wav".
std::string callToneFileName(std::string_view toneText);

// Where the preview finds a tone: the current directory first, then the program's directory.
// An empty path when neither holds it, or when the text would name another folder.
std::filesystem::path findCallTone(std::string_view toneText,
                                   const std::filesystem::path& currentDir,
                                   const std::filesystem::path& programDir);

class CallTonePreview {
public:
    struct Result {
        StringId message = 0; // error to show (0 = none), followed by the file name
        std::string fileName;
    };

    CallTonePreview(TonePlayer& player, std::filesystem::path programDir,
                    std::filesystem::path currentDir = {});
    ~CallTonePreview();
    CallTonePreview(const CallTonePreview&) = delete;
    CallTonePreview& operator=(const CallTonePreview&) = delete;

    bool playing() const { return playing_; }

    // The preview button: idle starts the tone named by `toneText`, playing stops it.
    Result toggle(std::string_view toneText);
    // The player reached the end of the file.
    void finished();
    // The player failed while playing (reported after play() had started).
    Result failed();
    // The window closes: stop and release whatever plays.
    void shutdown();

private:
    Result start(std::string_view toneText);
    void release();

    TonePlayer& player_;
    std::filesystem::path programDir_;
    std::filesystem::path currentDir_; // empty: the process's current directory
    bool playing_ = false;
    bool open_ = false;
    std::string fileName_;
};

} // namespace tsw::feature
