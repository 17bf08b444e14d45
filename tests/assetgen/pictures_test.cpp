// The generated background pictures: JPEGs of the intended sizes, calm enough for text.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include <cmath>

#include "assetgen/assets.h"
#include "assetgen/clock_pictures.h"

namespace vondrik::assetgen {
namespace {

TEST(Pictures, AreLightCalmJpegsOfTheIntendedSizes) {
    QTemporaryDir folder;
    QString error;
    ASSERT_TRUE(writePictures(folder.path(), &error)) << error.toStdString();
    const struct {
        const char* fileName;
        QSize size;
        double maxSaturation;
    } intended[] = {{"h7.jpg", QSize(1280, 720), 0.35}, {"game.jpg", QSize(1024, 768), 0.5}};
    for (const auto& picture : intended) {
        SCOPED_TRACE(picture.fileName);
        QImageReader reader(
            QDir(folder.path()).filePath("hintergrund/" + QString(picture.fileName)));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);

        // Means over every fourth pixel each way.
        double light = 0, lightSquared = 0, saturation = 0, greenOverRed = 0;
        int count = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4, ++count) {
                const QColor c = image.pixelColor(x, y);
                light += c.lightnessF();
                lightSquared += c.lightnessF() * c.lightnessF();
                saturation += c.hslSaturationF();
                greenOverRed += c.greenF() - c.redF();
            }
        }
        light /= count;
        const double spread = std::sqrt(lightSquared / count - light * light);
        // Dark text must stay readable, so the picture is light and nearly even, not flat.
        EXPECT_GT(light, 0.55);
        EXPECT_LT(light, 0.95);
        EXPECT_LT(spread, 0.08);
        EXPECT_GT(spread, 0.005);
        EXPECT_LT(saturation / count, picture.maxSaturation);
        if (picture.size == QSize(1024, 768)) {
            EXPECT_GT(greenOverRed / count, 0.05) << "the game background is green";
        }
    }
}

// The ringing clock: five different frames of a red clock with a light face, each on a
// transparent background so it sits on any panel colour.
TEST(Pictures, ClockFramesAreDifferentPicturesOfARedClockWithALightFace) {
    QTemporaryDir folder;
    ASSERT_TRUE(writeClockPictures(folder.path()));
    QList<QImage> frames;
    for (int frame = 0; frame < kClockFrameCount; ++frame) {
        SCOPED_TRACE(frame);
        QImageReader reader(QDir(folder.path()).filePath(clockPictureFile(frame)));
        EXPECT_EQ(reader.format(), "png");
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), kClockPictureSize);
        EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        // Straight below the pivot, where no hand comes, the face is light; further out the
        // case is red.
        const int x = image.width() / 2;
        const int centreY = static_cast<int>(image.height() * 0.57);
        const int radius = static_cast<int>(std::min(image.width(), image.height()) * 0.3);
        const QColor face = image.pixelColor(x, centreY + radius * 45 / 100);
        EXPECT_GT(face.lightnessF(), 0.85);
        const QColor rim = image.pixelColor(x, centreY + static_cast<int>(radius * 0.9));
        EXPECT_GT(rim.red(), 2 * rim.green());
        for (const QImage& earlier : frames) {
            EXPECT_NE(image, earlier);
        }
        frames << image;
    }
}

}  // namespace
}  // namespace vondrik::assetgen
