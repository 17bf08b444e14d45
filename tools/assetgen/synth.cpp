// Sound synthesis primitives; all sounds are sums of sines shaped by envelopes.
#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vondrik::assetgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials close to the Nyquist limit would fold back as harsh, unrelated pitches.
constexpr double kHighestFrequency = 0.45 * kSampleRate;
// Even a "hard" strike gets a few milliseconds of attack, or it clicks.
constexpr double kStrikeAttack = 0.002;

std::size_t toIndex(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

double raisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace

Signal silence(double seconds) {
    return Signal(toIndex(seconds), 0.0);
}

void addStrike(Signal& out, double start, double frequency, std::span<const Partial> partials,
               double gain) {
    const std::size_t first = toIndex(start);
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f >= kHighestFrequency) {
            continue;
        }
        for (std::size_t i = first; i < out.size(); ++i) {
            const double t = static_cast<double>(i - first) / kSampleRate;
            const double attack = t < kStrikeAttack ? raisedCosine(t / kStrikeAttack) : 1.0;
            out[i] +=
                gain * p.amplitude * attack * std::exp(-p.decay * t) * std::sin(kTwoPi * f * t);
        }
    }
}

void addNote(Signal& out, const Note& note, std::span<const double> harmonics) {
    const std::size_t first = toIndex(note.start);
    const std::size_t last = std::min(out.size(), toIndex(note.start + note.duration));
    const double endFrequency = note.endFrequency > 0.0 ? note.endFrequency : note.frequency;
    double phase = 0.0;  // accumulated, so gliding pitch stays continuous
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double progress = t / note.duration;
        const double vibrato = 1.0 + note.vibratoDepth * std::sin(kTwoPi * note.vibratoRate * t);
        const double f =
            note.frequency * std::pow(endFrequency / note.frequency, progress) * vibrato;
        phase += kTwoPi * f / kSampleRate;

        double envelope = 1.0;
        if (t < note.attack) {
            envelope = raisedCosine(t / note.attack);
        }
        const double remaining = note.duration - t;
        if (remaining < note.release) {
            envelope *= raisedCosine(std::max(0.0, remaining) / note.release);
        }

        double value = 0.0;
        for (std::size_t k = 0; k < harmonics.size(); ++k) {
            const double order = static_cast<double>(k + 1);
            if (f * order < kHighestFrequency) {
                value += harmonics[k] * std::sin(order * phase);
            }
        }
        out[i] += note.gain * envelope * value;
    }
}

void addNoiseBurst(Signal& out, double start, double duration, double decay, double smoothing,
                   double gain, std::uint32_t seed) {
    const std::size_t first = toIndex(start);
    const std::size_t last = std::min(out.size(), toIndex(start + duration));
    std::uint32_t state = seed ? seed : 1u;
    double filtered = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        // xorshift32: the same seed gives the same file on every compiler and library.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
        filtered += (1.0 - smoothing) * (white - filtered);
        const double t = static_cast<double>(i - first) / kSampleRate;
        out[i] += gain * std::exp(-decay * t) * filtered;
    }
}

void normalize(Signal& signal, double peak) {
    double largest = 0.0;
    for (double s : signal) {
        largest = std::max(largest, std::abs(s));
    }
    if (largest == 0.0) {
        return;
    }
    const double factor = peak / largest;
    for (double& s : signal) {
        s *= factor;
    }
}

void fadeEdges(Signal& signal, double fadeIn, double fadeOut) {
    const std::size_t n = signal.size();
    const std::size_t in = std::min(n, toIndex(fadeIn));
    const std::size_t out = std::min(n, toIndex(fadeOut));
    for (std::size_t i = 0; i < in; ++i) {
        signal[i] *= raisedCosine(static_cast<double>(i) / static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        // The last sample gets weight 0, the one `out` before the end weight 1.
        signal[n - 1 - i] *= raisedCosine(static_cast<double>(i) / static_cast<double>(out));
    }
}

}  // namespace vondrik::assetgen
