// The blinking of the game's start button, one step per second of its timer.
#pragma once

namespace vondrik::game {

class StartBlink {
  public:
    // The counter runs 1 to 1000 and wraps; even counts highlight the button.
    void step();
    void reset() { counter_ = 1; }
    int counter() const { return counter_; }
    bool highlighted() const { return counter_ % 2 == 0; }

  private:
    int counter_ = 1;
};

}  // namespace vondrik::game
