// Asynchronous playing of WAV files.
#pragma once

#include <QString>

namespace vondrik {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a sound still playing stops. Looping sounds run
    // until stop() or the next play(). A missing file plays nothing and gives false.
    bool play(const QString& path, bool loop = false) { return start(path, loop); }
    virtual void stop() = 0;

  protected:
    virtual bool start(const QString& path, bool loop) = 0;
};

}  // namespace vondrik
