// The link pulse.
#include "extras/link_pulse.h"

namespace vondrik {
namespace {

constexpr int kLarge = 10;
constexpr int kSmall = 8;

}  // namespace

LinkPulse::Sizes LinkPulse::sizes() const {
    return counter_ % 2 == 0 ? Sizes{kLarge, kSmall} : Sizes{kSmall, kLarge};
}

LinkPulse::Sizes LinkPulse::step() {
    // Counting on for ever would overflow after long enough; two values carry the parity.
    counter_ = counter_ == 2 ? 3 : 2;
    return sizes();
}

}  // namespace vondrik
