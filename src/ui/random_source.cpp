// Clock-seeded Mersenne Twister and the 1-based random choice.
#include "ui/random_source.h"

#include <algorithm>
#include <cmath>

#include "ui/clock.h"

namespace vondrik {

SeededRandom::SeededRandom(std::uint64_t seed) : engine_(seed) {}

SeededRandom::SeededRandom(const Clock& clock) : clock_(&clock) {
    reseed();
}

double SeededRandom::next() {
    // The top 53 bits as a fraction: exactly uniform on the doubles' grid and, unlike
    // std::uniform_real_distribution, identical across standard libraries.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void SeededRandom::reseed() {
    if (clock_ != nullptr) {
        seed(static_cast<std::uint64_t>(clock_->now().toMSecsSinceEpoch()));
    }
}

void SeededRandom::seed(std::uint64_t value) {
    engine_.seed(value);
}

int choose(RandomSource& random, int n) {
    if (n < 1) {
        return 0;
    }
    const double item = std::floor(random.next() * n + 1.0);
    // Rounding of r * n + 1 for r just below 1 and large n may touch n + 1.
    return std::clamp(static_cast<int>(item), 1, n);
}

}  // namespace vondrik
