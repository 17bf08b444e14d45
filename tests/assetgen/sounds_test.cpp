// The generated sound files, read back and measured.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "assetgen/assets.h"

namespace vondrik::assetgen {
namespace {

constexpr double kFullScale = 32767.0;

struct Wav {
    QString problem;  // empty when the file parsed
    qint64 riffSize = 0, fileSize = 0;
    int format = 0, channels = 0, sampleRate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};

// Our own parser, so it shares no mistake with the writer. Walks the RIFF chunks, which
// are padded to even length.
Wav readWav(const QString& path) {
    Wav wav;
    QFile file(path);
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto le = [&b](qsizetype at, int bytes) {
        qint64 v = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            v = v << 8 | std::uint8_t(b[at + i]);
        }
        return v;
    };
    wav.fileSize = b.size();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        wav.problem = "no RIFF/WAVE header";
        return wav;
    }
    wav.riffSize = le(4, 4);
    for (qsizetype at = 12; at + 8 <= b.size(); at += 8 + le(at + 4, 4) + le(at + 4, 4) % 2) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype body = at + 8;
        const qsizetype size = le(at + 4, 4);
        if (body + size > b.size()) {
            wav.problem = "chunk " + QString::fromLatin1(id) + " runs past the end";
        } else if (id == "fmt " && size >= 16) {
            wav.format = int(le(body, 2));
            wav.channels = int(le(body + 2, 2));
            wav.sampleRate = int(le(body + 4, 4));
            wav.byteRate = int(le(body + 8, 4));
            wav.blockAlign = int(le(body + 12, 2));
            wav.bits = int(le(body + 14, 2));
        } else if (id == "data" && (wav.bits != 16 || size % 2 != 0)) {
            wav.problem = "data chunk not 16-bit or before fmt";
        } else if (id == "data") {
            for (qsizetype i = body; i < body + size; i += 2) {
                wav.samples.push_back(std::int16_t(le(i, 2)));
            }
        }
        if (!wav.problem.isEmpty()) {
            return wav;
        }
    }
    if (wav.samples.empty()) {
        wav.problem = "no samples";
    }
    return wav;
}

class Sounds : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QTemporaryDir folder;
        QString error;
        ASSERT_TRUE(writeSounds(folder.path(), &error)) << error.toStdString();
        for (const char* name : {"glocke.wav", "oooch.wav", "alarm.wav", "glocke1.wav", "1.wav",
                                 "8.wav", "11.wav", "12.wav"}) {
            sounds_[name] = readWav(QDir(folder.path()).filePath("ton/" + QString(name)));
        }
    }
    static void TearDownTestSuite() { sounds_.clear(); }

    static inline std::map<std::string, Wav> sounds_;
};

TEST_F(Sounds, AreMonoPcmOfTheirLengthWithoutClippingOrClicks) {
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
        const Wav& wav = sounds_[sound.fileName];
        ASSERT_TRUE(wav.problem.isEmpty()) << wav.problem.toStdString();
        EXPECT_EQ(wav.riffSize, wav.fileSize - 8);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
        EXPECT_EQ(wav.byteRate, wav.sampleRate * 2);
        EXPECT_EQ(wav.blockAlign, 2);
        EXPECT_GE(wav.seconds(), sound.shortest);
        EXPECT_LE(wav.seconds(), sound.longest);

        const std::vector<std::int16_t>& s = wav.samples;
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        const int peak = std::max(-int(*low), int(*high));
        EXPECT_LT(peak, 0.95 * kFullScale);
        EXPECT_GT(peak, 0.2 * kFullScale);
        // Playback clicks unless a sound starts and ends on a gentle ramp from silence.
        ASSERT_GT(s.size(), 100u);
        const std::size_t n = s.size();
        EXPECT_LT(std::abs(s[0]), 0.01 * kFullScale);
        EXPECT_LT(std::abs(s[n - 1]), 0.01 * kFullScale);
        EXPECT_LT(std::abs(s[1] - s[0]), 0.02 * kFullScale);
        EXPECT_LT(std::abs(s[n - 1] - s[n - 2]), 0.02 * kFullScale);
    }
}

}  // namespace
}  // namespace vondrik::assetgen
