// The generated background pictures: JPEGs of the intended sizes, calm enough for text.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

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

        // Dark text must stay readable, so the picture is light and calm.
        double light = 0, saturation = 0;
        int count = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4, ++count) {
                light += image.pixelColor(x, y).lightnessF();
                saturation += image.pixelColor(x, y).hslSaturationF();
            }
        }
        EXPECT_GT(light / count, 0.55);
        EXPECT_LT(saturation / count, picture.maxSaturation);
    }
}

// The ringing clock: different frames of a red clock on a transparent background.
TEST(Pictures, ClockFramesAreDifferentPicturesOfARedClock) {
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
        // The case, below the pivot at 57 % of the height, is red.
        const double radius = std::min(image.width(), image.height()) * 0.3;
        const QColor rim =
            image.pixelColor(image.width() / 2, image.height() * 0.57 + radius * 0.9);
        EXPECT_GT(rim.red(), 2 * rim.green());
        for (const QImage& earlier : frames) {
            EXPECT_NE(image, earlier);
        }
        frames << image;
    }
}

}  // namespace
}  // namespace vondrik::assetgen
