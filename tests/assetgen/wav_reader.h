// An independent WAV parser for the tests: walks the RIFF chunks itself, so it does not
// share mistakes with the writer it checks.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace vondrik::assetgen::testing {

struct WavFile {
    bool valid = false;
    QString problem;  // why `valid` is false
    std::uint32_t riffSize = 0;
    qint64 fileSize = 0;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};

WavFile readWav(const QString& path);

// Zero crossings per second between the two times (in seconds): about twice the pitch of
// a tone whose fundamental dominates.
double zeroCrossingRate(const WavFile& wav, double from, double to);

// Number of separate bursts of sound: runs of 5 ms windows louder than `threshold` times
// the loudest window.
int countBursts(const WavFile& wav, double threshold);

}  // namespace vondrik::assetgen::testing
