// Building blocks for the generated sounds: struck tones, held notes, noise bursts and
// the envelope steps every sound ends with.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vondrik::assetgen {

// Half of CD rate is plenty for short effect sounds and keeps the files small.
constexpr int kSampleRate = 22050;

using Signal = std::vector<double>;

Signal silence(double seconds);

// One component of a struck tone: frequency as a multiple of the strike frequency,
// starting amplitude and exponential decay rate in 1/s.
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

// A freely ringing tone (bell, chime) struck at `start` seconds.
void addStrike(Signal& out, double start, double frequency, std::span<const Partial> partials,
               double gain);

// A held tone with a fixed harmonic colour; the pitch may glide to `endFrequency`.
struct Note {
    double start = 0.0;
    double duration = 0.0;
    double frequency = 440.0;
    double endFrequency = 0.0;  // 0 keeps the pitch steady
    double gain = 1.0;
    double attack = 0.02;
    double release = 0.05;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double vibratoRate = 5.0;   // Hz
};

// `harmonics[k]` is the amplitude of harmonic k + 1.
void addNote(Signal& out, const Note& note, std::span<const double> harmonics);

// Noise dying away at `decay` 1/s. `smoothing` in [0, 1) dulls it through a one-pole
// low-pass (higher is duller); `seed` makes it repeatable.
void addNoiseBurst(Signal& out, double start, double duration, double decay, double smoothing,
                   double gain, std::uint32_t seed);

// Scales the signal so its largest magnitude equals `peak`.
void normalize(Signal& signal, double peak);

// Raised-cosine ramps at both ends, so playback starts and stops without a click.
void fadeEdges(Signal& signal, double fadeIn, double fadeOut);

}  // namespace vondrik::assetgen
