// Sounds on QSoundEffect: one sound at a time, as the old asynchronous sound call behaved.
#pragma once

#include <memory>

#include "ui/sound_player.h"

class QSoundEffect;

namespace vondrik {

class QtSoundPlayer final : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void stop() override;

  protected:
    bool start(const QString& path, bool loop) override;

  private:
    // Kept alive while it plays; replaced by the next sound.
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace vondrik
