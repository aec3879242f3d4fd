#include "editors/feature/ui/sound/QtTonePlayer.h"

#include <QFileInfo>
#include <QUrl>

namespace tsw::ui {

QtTonePlayer::QtTonePlayer(QObject* parent) : QObject(parent) {
    player_.setAudioOutput(&output_);
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
        if (open_ && s == QMediaPlayer::EndOfMedia && onFinished)
            onFinished();
    });
    connect(&player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error error) {
        if (open_ && error != QMediaPlayer::NoError && onFailed)
            onFailed();
    });
}

bool QtTonePlayer::open(const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    if (!QFileInfo(path).isReadable())
        return false;
    player_.setSource(QUrl::fromLocalFile(path));
    open_ = player_.error() == QMediaPlayer::NoError;
    return open_;
}

bool QtTonePlayer::play() {
    player_.play();
    return player_.error() == QMediaPlayer::NoError;
}

bool QtTonePlayer::stop() {
    player_.stop();
    return player_.error() == QMediaPlayer::NoError ||
           player_.playbackState() == QMediaPlayer::StoppedState;
}

void QtTonePlayer::close() {
    open_ = false;
    player_.setSource(QUrl());
}

} // namespace tsw::ui
