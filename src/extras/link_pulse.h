// The about box's two links take turns at being the larger one, one turn per timer step.
#pragma once

namespace vondrik {

class LinkPulse {
  public:
    struct Sizes {
        int mail;      // font size in points of the mail link (lblDescription index 1)
        int homepage;  // and of the web page link (index 2)
    };

    // The sizes as they stand; the box starts with the mail link large.
    Sizes sizes() const;
    // One step of Timer1: the sizes swap.
    Sizes step();

  private:
    int counter_ = 2;  // only its parity matters
};

}  // namespace vondrik
