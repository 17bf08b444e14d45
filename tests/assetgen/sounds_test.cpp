// The generated sound files, read back and measured.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assetgen/assets.h"

namespace vondrik::assetgen {
namespace {

constexpr double kFullScale = 32767.0;

// A little-endian number, read here so that the test shares no mistake with the writer.
qint64 le(const QByteArray& b, qsizetype at, int bytes) {
    qint64 v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | std::uint8_t(b[at + i]);
    }
    return v;
}

TEST(Sounds, AreMonoPcmOfTheirLengthWithoutClippingOrClicks) {
    QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(writeSounds(folder.path(), &error)) << error.toStdString();
    const struct {
        const char* fileName;
        double shortest;  // seconds
        double longest;
    } intended[] = {
        {"glocke.wav", 0.8, 1.3},  {"oooch.wav", 0.5, 0.9}, {"alarm.wav", 1.2, 1.8},
        {"glocke1.wav", 0.4, 0.8}, {"1.wav", 0.02, 0.06},   {"8.wav", 0.4, 1.0},
        {"11.wav", 0.2, 0.7},      {"12.wav", 1.2, 1.8},
    };
    for (const auto& sound : intended) {
        SCOPED_TRACE(sound.fileName);
        QFile file(QDir(folder.path()).filePath("ton/" + QString(sound.fileName)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray b = file.readAll();
        // The plain 44-byte header every player reads: RIFF, a "fmt " and a "data" chunk.
        ASSERT_GT(b.size(), 44 + 200);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le(b, 16, 4), 16);
        EXPECT_EQ(le(b, 20, 2), 1);  // PCM
        EXPECT_EQ(le(b, 22, 2), 1);  // mono
        const qint64 rate = le(b, 24, 4);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(le(b, 28, 4), rate * 2);
        EXPECT_EQ(le(b, 32, 2), 2);
        EXPECT_EQ(le(b, 34, 2), 16);
        EXPECT_EQ(b.mid(36, 4), "data");
        ASSERT_EQ(le(b, 40, 4), b.size() - 44);

        std::vector<int> s;
        for (qsizetype at = 44; at + 1 < b.size(); at += 2) {
            s.push_back(std::int16_t(le(b, at, 2)));
        }
        EXPECT_GE(double(s.size()) / rate, sound.shortest);
        EXPECT_LE(double(s.size()) / rate, sound.longest);
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        const int peak = std::max(-*low, *high);
        EXPECT_LT(peak, 0.95 * kFullScale);
        EXPECT_GT(peak, 0.2 * kFullScale);
        // Playback clicks unless a sound starts and ends on a gentle ramp from silence.
        const std::size_t n = s.size();
        EXPECT_LT(std::abs(s[0]), 0.01 * kFullScale);
        EXPECT_LT(std::abs(s[n - 1]), 0.01 * kFullScale);
        EXPECT_LT(std::abs(s[1] - s[0]), 0.02 * kFullScale);
        EXPECT_LT(std::abs(s[n - 1] - s[n - 2]), 0.02 * kFullScale);
    }
}

}  // namespace
}  // namespace vondrik::assetgen
