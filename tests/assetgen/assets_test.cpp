// The generated sounds and pictures: exactly the declared files with the same bytes every
// run, failures that name their place, and each kind read back and measured.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assetgen/assets.h"
#include "assetgen/clock_pictures.h"

namespace vondrik::assetgen {
namespace {

// Relative path of every file below the folder with the hash of its contents.
QMap<QString, QByteArray> filesBelow(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files[QDir(root).relativeFilePath(f.fileName())] =
            QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return files;
}

TEST(AssetFolder, WritesExactlyTheDeclaredFilesWithTheSameBytesEveryRun) {
    QTemporaryDir first;
    QTemporaryDir second;
    QString error;
    ASSERT_TRUE(writeAllAssets(first.path(), &error)) << error.toStdString();
    ASSERT_TRUE(writeAllAssets(second.path()));
    // Also over an existing set, as an incremental build does.
    ASSERT_TRUE(writeAllAssets(second.path()));

    QStringList declared = QString(VONDRIK_DECLARED_ASSETS).split(u',');
    declared.sort();
    const auto written = filesBelow(first.path());
    EXPECT_EQ(written.keys(), declared);
    QStringList listed = generatedFiles();
    listed.sort();
    EXPECT_EQ(listed, declared);
    EXPECT_EQ(written, filesBelow(second.path()));
}

TEST(AssetFolder, FailuresNameTheirPlaceAndLeaveNoHalfWrittenFiles) {
    QTemporaryDir blocked;
    QFile blocker(QDir(blocked.path()).filePath("ton"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(writeAllAssets(blocked.path(), &error));
    EXPECT_TRUE(error.contains("ton") && error.contains("Ordner")) << error.toStdString();

    // A folder where a sound should go makes that one file impossible to write.
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("ton/alarm.wav"));
    EXPECT_FALSE(writeSounds(folder.path(), &error));
    EXPECT_TRUE(error.contains("alarm.wav")) << error.toStdString();
    // Sounds written before the failing one may stay; temporary files may not.
    const QStringList known = generatedFiles();
    for (const QString& file : filesBelow(folder.path()).keys()) {
        EXPECT_TRUE(known.contains(file)) << file.toStdString();
    }
}

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

TEST(Pictures, AreJpegsOfTheIntendedSizes) {
    QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(writePictures(folder.path(), &error)) << error.toStdString();
    for (const auto& [name, size] :
         {std::pair{"h7.jpg", QSize(1280, 720)}, std::pair{"game.jpg", QSize(1024, 768)}}) {
        QImageReader reader(QDir(folder.path()).filePath("hintergrund/" + QString(name)));
        EXPECT_EQ(reader.format(), "jpeg") << name;
        EXPECT_EQ(reader.read().size(), size) << reader.errorString().toStdString();
    }
}

}  // namespace
}  // namespace vondrik::assetgen
