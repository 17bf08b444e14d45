// Start button blink counter.
#include "game/start_blink.h"

namespace vondrik::game {

void StartBlink::step() {
    ++counter_;
    if (counter_ >= 1001) {
        counter_ = 1;
    }
}

}  // namespace vondrik::game
