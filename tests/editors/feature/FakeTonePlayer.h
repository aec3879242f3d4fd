#pragma once
// A tone player for the preview tests: it logs its calls ("open <file name>", "play", "stop",
// "close") into `calls` or into a log that outlives it, and fails the calls it is told to.

#include <filesystem>
#include <string>
#include <vector>

#include "editors/feature/CallTonePreview.h"

namespace tsw::test {

class FakeTonePlayer : public feature::TonePlayer {
public:
    explicit FakeTonePlayer(std::vector<std::string>* log = nullptr) : log_(log ? log : &calls) {}
    bool open(const std::filesystem::path& file) override {
        log_->push_back("open " + file.filename().string());
        opened = file;
        return openOk;
    }
    bool play() override { return log_->push_back("play"), playOk; }
    bool stop() override { return log_->push_back("stop"), stopOk; }
    void close() override { log_->push_back("close"); }

    bool openOk = true, playOk = true, stopOk = true;
    std::filesystem::path opened;
    std::vector<std::string> calls;

private:
    std::vector<std::string>* log_;
};

} // namespace tsw::test
