#include "editors/feature/ui/TonePlayerModule.h"

#include <QString>

#include "app/ui/Modules.h"

namespace tsw::ui {
namespace {

TonePlayerEntry loadEntry(const std::string& directory) {
    return reinterpret_cast<TonePlayerEntry>(
        moduleEntry(QString::fromStdString(directory), kSoundModuleFile, kSoundModuleEntry));
}

class ModuleTonePlayer : public feature::TonePlayer {
public:
    explicit ModuleTonePlayer(std::string directory) : directory_(std::move(directory)) {}

    bool open(const std::filesystem::path& file) override {
        return ensurePlayer() && player_->open(file);
    }
    bool play() override { return player_ && player_->play(); }
    bool stop() override { return !player_ || player_->stop(); }
    void close() override {
        if (player_)
            player_->close();
    }

private:
    bool ensurePlayer() {
        if (player_)
            return true;
        const TonePlayerEntry entry = loadEntry(directory_);
        if (!entry)
            return false;
        player_.reset(entry());
        player_->onFinished = [this] {
            if (onFinished)
                onFinished();
        };
        player_->onFailed = [this] {
            if (onFailed)
                onFailed();
        };
        return true;
    }

    std::string directory_;
    std::unique_ptr<feature::TonePlayer> player_;
};

} // namespace

std::unique_ptr<feature::TonePlayer> makeTonePlayer(std::string moduleDirectory) {
    return std::make_unique<ModuleTonePlayer>(std::move(moduleDirectory));
}

} // namespace tsw::ui
