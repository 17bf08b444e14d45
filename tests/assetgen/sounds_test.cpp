// The generated sound files: valid WAV headers, no clipping, no clicks at the ends, the
// intended lengths, and the character each sound is meant to have.
#include <gtest/gtest.h>

#include "assetgen/assets.h"
#include "wav_reader.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace vondrik::assetgen {
namespace {

using testing::WavFile;

constexpr double kFullScale = 32767.0;

struct IntendedSound {
    const char* fileName;
    double shortest;  // seconds
    double longest;
};

constexpr IntendedSound kIntended[] = {
    {"glocke.wav", 0.8, 1.3},  {"oooch.wav", 0.5, 0.9}, {"alarm.wav", 1.2, 1.8},
    {"glocke1.wav", 0.4, 0.8}, {"1.wav", 0.02, 0.06},   {"8.wav", 0.4, 1.0},
    {"11.wav", 0.2, 0.7},      {"12.wav", 1.2, 1.8},
};

class Sounds : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        QString error;
        ASSERT_TRUE(writeSounds(folder_->path(), &error)) << error.toStdString();
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static WavFile load(const char* fileName) {
        return testing::readWav(QDir(folder_->path()).filePath(QStringLiteral("ton/") + fileName));
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
};

TEST_F(Sounds, HeadersDescribeMono16BitPcmAndMatchTheFileLength) {
    for (const IntendedSound& sound : kIntended) {
        SCOPED_TRACE(sound.fileName);
        const WavFile wav = load(sound.fileName);
        ASSERT_TRUE(wav.valid) << wav.problem.toStdString();
        EXPECT_EQ(wav.riffSize, wav.fileSize - 8);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
        EXPECT_EQ(wav.byteRate, wav.sampleRate * 2);
        EXPECT_EQ(wav.blockAlign, 2);
    }
}

TEST_F(Sounds, LastAsIntended) {
    for (const IntendedSound& sound : kIntended) {
        SCOPED_TRACE(sound.fileName);
        const WavFile wav = load(sound.fileName);
        ASSERT_TRUE(wav.valid);
        EXPECT_GE(wav.seconds(), sound.shortest);
        EXPECT_LE(wav.seconds(), sound.longest);
    }
}

TEST_F(Sounds, AreAudibleButNeverClip) {
    for (const IntendedSound& sound : kIntended) {
        SCOPED_TRACE(sound.fileName);
        const WavFile wav = load(sound.fileName);
        ASSERT_TRUE(wav.valid);
        int peak = 0;
        for (std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(int(s)));
        }
        EXPECT_LT(peak, 0.95 * kFullScale);
        EXPECT_GT(peak, 0.2 * kFullScale);
    }
}

TEST_F(Sounds, StartAndEndInSilenceSoPlaybackDoesNotClick) {
    for (const IntendedSound& sound : kIntended) {
        SCOPED_TRACE(sound.fileName);
        const WavFile wav = load(sound.fileName);
        ASSERT_TRUE(wav.valid);
        ASSERT_GT(wav.samples.size(), 100u);
        EXPECT_LT(std::abs(wav.samples.front()), 0.01 * kFullScale);
        EXPECT_LT(std::abs(wav.samples.back()), 0.01 * kFullScale);
        // The first and last two samples of a ramp differ only slightly.
        EXPECT_LT(std::abs(wav.samples[1] - wav.samples[0]), 0.02 * kFullScale);
        const std::size_t n = wav.samples.size();
        EXPECT_LT(std::abs(wav.samples[n - 1] - wav.samples[n - 2]), 0.02 * kFullScale);
    }
}

TEST_F(Sounds, AlarmRingsInRepeatedBeeps) {
    const WavFile wav = load("alarm.wav");
    ASSERT_TRUE(wav.valid);
    const int beeps = testing::countBursts(wav, 0.2);
    EXPECT_GE(beeps, 6);
    EXPECT_LE(beeps, 20);
}

TEST_F(Sounds, DisappointmentFallsInPitch) {
    const WavFile wav = load("oooch.wav");
    ASSERT_TRUE(wav.valid);
    const double d = wav.seconds();
    EXPECT_GT(testing::zeroCrossingRate(wav, 0.05, 0.3 * d),
              1.3 * testing::zeroCrossingRate(wav, 0.6 * d, 0.9 * d));
}

TEST_F(Sounds, CorrectChimeRisesFromFirstToSecondNote) {
    const WavFile wav = load("8.wav");
    ASSERT_TRUE(wav.valid);
    EXPECT_LT(1.15 * testing::zeroCrossingRate(wav, 0.02, 0.12),
              testing::zeroCrossingRate(wav, 0.25, 0.45));
}

TEST_F(Sounds, WrongAnswerIsALowSoundAndBellsAreHigh) {
    const WavFile thud = load("11.wav");
    const WavFile small = load("glocke1.wav");
    ASSERT_TRUE(thud.valid);
    ASSERT_TRUE(small.valid);
    // Zero crossings per second are about twice the pitch.
    EXPECT_LT(testing::zeroCrossingRate(thud, 0.02, thud.seconds() - 0.05) / 2, 250.0);
    EXPECT_GT(testing::zeroCrossingRate(small, 0.01, 0.2) / 2, 800.0);
}

}  // namespace
}  // namespace vondrik::assetgen
