// Recipes of the sound effects. Peaks stay well below full scale and every sound fades in
// and out, so they sound soft even on loud speakers.
#include "assetgen/sounds.h"

#include <array>

namespace vondrik::assetgen {

namespace {

// Church-bell partials (hum, prime, tierce, quint, nominal and upper partials):
// the slightly inharmonic ratios are what makes it sound like a bell and not an organ.
constexpr std::array<Partial, 9> kBellPartials{{
    {0.5, 0.35, 2.0},
    {1.0, 0.60, 3.0},
    {1.2, 0.35, 3.5},
    {1.5, 0.22, 4.0},
    {2.0, 0.50, 4.5},
    {2.51, 0.18, 6.0},
    {2.66, 0.14, 7.0},
    {3.01, 0.10, 8.5},
    {4.1, 0.06, 11.0},
}};

// A small hand bell: fewer, brighter partials that die away quickly.
constexpr std::array<Partial, 5> kSmallBellPartials{{
    {1.0, 0.70, 6.0},
    {2.0, 0.25, 9.0},
    {2.76, 0.30, 10.0},
    {4.07, 0.12, 15.0},
    {5.4, 0.05, 20.0},
}};

// Mallet chime: a strong fundamental with the high, quickly fading overtone of a metal bar.
constexpr std::array<Partial, 3> kChimePartials{{
    {1.0, 1.00, 4.0},
    {2.0, 0.15, 7.0},
    {3.9, 0.20, 12.0},
}};

// Soft brass: falling harmonics without the sharp edge of a real square or saw wave.
constexpr std::array<double, 7> kBrass{1.0, 0.7, 0.5, 0.35, 0.2, 0.12, 0.07};
// Round, hollow tone for the sad glide.
constexpr std::array<double, 5> kMellow{1.0, 0.5, 0.3, 0.15, 0.08};
// A buzz that stays low: the harmonics fall off faster than a sawtooth's.
constexpr std::array<double, 6> kBuzz{1.0, 0.45, 0.3, 0.18, 0.1, 0.06};
constexpr std::array<double, 3> kBeep{1.0, 0.2, 0.08};

}  // namespace

Signal makeBell() {
    Signal s = silence(1.1);
    addStrike(s, 0.0, 587.33, kBellPartials, 1.0);  // D5
    // A second bell a few cents off makes the ring beat gently instead of sounding synthetic.
    addStrike(s, 0.0, 588.2, kBellPartials, 0.3);
    normalize(s, 0.85);
    fadeEdges(s, 0.002, 0.25);
    return s;
}

Signal makeDisappointment() {
    Signal s = silence(0.7);
    addNote(s,
            {.start = 0.0,
             .duration = 0.7,
             .frequency = 440.0,
             .endFrequency = 233.0,
             .attack = 0.04,
             .release = 0.25,
             .vibratoDepth = 0.015,
             .vibratoRate = 5.5},
            kMellow);
    normalize(s, 0.5);
    fadeEdges(s, 0.005, 0.02);
    return s;
}

Signal makeAlarmRing() {
    // Three groups of four beeps, like a bedside alarm clock.
    constexpr double kBeepLength = 0.07;
    constexpr double kBeepGap = 0.04;
    constexpr double kGroupLength = 0.5;
    Signal s = silence(1.5);
    for (int group = 0; group < 3; ++group) {
        for (int beep = 0; beep < 4; ++beep) {
            addNote(s,
                    {.start = group * kGroupLength + beep * (kBeepLength + kBeepGap),
                     .duration = kBeepLength,
                     .frequency = 1318.5,  // E6: piercing enough to wake, not a shriek
                     .attack = 0.008,
                     .release = 0.012},
                    kBeep);
        }
    }
    normalize(s, 0.8);
    fadeEdges(s, 0.005, 0.01);
    return s;
}

Signal makeSmallBell() {
    Signal s = silence(0.6);
    addStrike(s, 0.0, 1318.5, kSmallBellPartials, 1.0);  // E6
    normalize(s, 0.7);
    fadeEdges(s, 0.002, 0.15);
    return s;
}

Signal makeKeyClick() {
    // Played for every typed letter, so it must be short and quiet: a dull tick on a soft body.
    Signal s = silence(0.04);
    addNoiseBurst(s, 0.0, 0.04, 220.0, 0.75, 1.0, 20000u);
    constexpr std::array<Partial, 2> kBody{{{1.0, 0.5, 90.0}, {11.0, 0.25, 260.0}}};
    addStrike(s, 0.0, 190.0, kBody, 1.0);
    normalize(s, 0.4);
    fadeEdges(s, 0.001, 0.012);
    return s;
}

Signal makeCorrectChime() {
    Signal s = silence(0.75);
    addStrike(s, 0.0, 783.99, kChimePartials, 0.8);   // G5
    addStrike(s, 0.14, 1046.5, kChimePartials, 1.0);  // C6
    normalize(s, 0.75);
    fadeEdges(s, 0.002, 0.2);
    return s;
}

Signal makeWrongThud() {
    Signal s = silence(0.45);
    addNote(s,
            {.start = 0.0,
             .duration = 0.45,
             .frequency = 140.0,
             .endFrequency = 105.0,
             .attack = 0.01,
             .release = 0.15},
            kBuzz);
    constexpr std::array<Partial, 1> kThump{{{1.0, 0.6, 12.0}}};
    addStrike(s, 0.0, 70.0, kThump, 1.0);
    normalize(s, 0.55);
    fadeEdges(s, 0.003, 0.02);
    return s;
}

Signal makeFanfare() {
    Signal s = silence(1.5);
    struct Step {
        double start, duration, frequency, gain;
    };
    // Rising G major arpeggio into a held C major chord.
    constexpr std::array<Step, 8> kSteps{{
        {0.00, 0.14, 392.00, 0.8},   // G4
        {0.15, 0.14, 523.25, 0.8},   // C5
        {0.30, 0.14, 659.25, 0.8},   // E5
        {0.45, 0.22, 783.99, 0.9},   // G5
        {0.70, 0.12, 659.25, 0.8},   // E5
        {0.83, 0.62, 783.99, 1.0},   // G5, held
        {0.83, 0.62, 523.25, 0.45},  // C5 below it
        {0.83, 0.62, 659.25, 0.4},   // E5 below it
    }};
    for (const Step& step : kSteps) {
        addNote(s,
                {.start = step.start,
                 .duration = step.duration,
                 .frequency = step.frequency,
                 .gain = step.gain,
                 .attack = 0.025,
                 .release = step.duration > 0.3 ? 0.25 : 0.05,
                 .vibratoDepth = step.duration > 0.3 ? 0.004 : 0.0},
                kBrass);
    }
    normalize(s, 0.7);
    fadeEdges(s, 0.003, 0.03);
    return s;
}

std::span<const SoundAsset> soundAssets() {
    static constexpr std::array<SoundAsset, 8> kSounds{{
        {"glocke.wav", makeBell},
        {"oooch.wav", makeDisappointment},
        {"alarm.wav", makeAlarmRing},
        {"glocke1.wav", makeSmallBell},
        {"1.wav", makeKeyClick},
        {"8.wav", makeCorrectChime},
        {"11.wav", makeWrongThud},
        {"12.wav", makeFanfare},
    }};
    return kSounds;
}

}  // namespace vondrik::assetgen
