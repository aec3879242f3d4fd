#pragma once
// The calling alert tone preview's player on Qt Multimedia: one QMediaPlayer with its audio
// output. Errors and the end of playback arrive later and are passed to the owner's handlers.

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

#include "editors/feature/CallTonePreview.h"

namespace tsw::ui {

class QtTonePlayer : public QObject, public feature::TonePlayer {
    Q_OBJECT
public:
    explicit QtTonePlayer(QObject* parent = nullptr);

    bool open(const std::filesystem::path& file) override;
    bool play() override;
    bool stop() override;
    void close() override;

private:
    QMediaPlayer player_;
    QAudioOutput output_;
    bool open_ = false;
};

} // namespace tsw::ui
