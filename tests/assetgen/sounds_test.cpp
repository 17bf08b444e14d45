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
        // The plain 44-byte header every player reads: 16-bit mono PCM, then the samples.
        ASSERT_GT(b.size(), 44 + 200);
        EXPECT_EQ(b.left(4) + b.mid(8, 8) + b.mid(36, 4), "RIFFWAVEfmt data");
        EXPECT_EQ(le(b, 20, 4), 0x10001);  // PCM, mono
        const qint64 rate = le(b, 24, 4);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(le(b, 34, 2), 16);
        ASSERT_EQ(le(b, 40, 4), b.size() - 44);

        std::vector<int> s;
        for (qsizetype at = 44; at + 1 < b.size(); at += 2) {
            s.push_back(std::int16_t(le(b, at, 2)));
        }
        EXPECT_GE(double(s.size()) / rate, sound.shortest);
        EXPECT_LE(double(s.size()) / rate, sound.longest);
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        EXPECT_LT(std::max(-*low, *high), 0.95 * kFullScale);
        // Playback clicks unless a sound starts and ends near silence.
        EXPECT_LT(std::abs(s.front()) + std::abs(s.back()), 0.02 * kFullScale);
    }
}

}  // namespace
}  // namespace vondrik::assetgen
