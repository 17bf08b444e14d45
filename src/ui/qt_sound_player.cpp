// Asynchronous WAV playing with QSoundEffect.
#include "ui/qt_sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vondrik {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::start(const QString& path, bool loop) {
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    stop();
    // A fresh effect per sound carries nothing over from the previous one, such as a play
    // still queued while its file loads.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect_->play();  // starts once the file is loaded
    return true;
}

void QtSoundPlayer::stop() {
    if (effect_) {
        effect_->stop();
        effect_.reset();
    }
}

}  // namespace vondrik
