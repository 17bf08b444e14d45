// Uniform random numbers in [0, 1) and the 1-based choice among n items built on them.
#pragma once

#include <cstdint>
#include <random>

namespace vondrik {

class Clock;

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
    // Starts a fresh sequence from the clock, as windows do when they load. Sources that must
    // stay reproducible (fixed seeds, test scripts) ignore it.
    virtual void reseed() = 0;
};

// Mersenne Twister; the same seed gives the same sequence on every machine, so a generator
// run can be replayed from its seed.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed);
    // Seeded from the clock's current time; reseed() reads the clock again.
    explicit SeededRandom(const Clock& clock);

    double next() override;
    void reseed() override;
    void seed(std::uint64_t value);

  private:
    std::mt19937_64 engine_;
    const Clock* clock_ = nullptr;
};

// Item number floor(r * n + 1) for the next r, that is 1 to n; 0 when there is nothing to
// choose (n < 1).
int choose(RandomSource& random, int n);

}  // namespace vondrik
