// The busy animation of the data update: four pictures shown in turn while a run lasts.
#pragma once

namespace vondrik {

class BusyAnimation {
  public:
    static constexpr int kFrames = 4;
    static constexpr int kIntervalMs = 100;

    // One timer tick: the picture to show now; the next tick shows the following one.
    int step() {
        const int shown = k_;
        k_ = (k_ + 1) % kFrames;
        return shown;
    }
    int next() const { return k_; }

  private:
    int k_ = 0;
};

}  // namespace vondrik
