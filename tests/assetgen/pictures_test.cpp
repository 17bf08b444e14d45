// The generated background pictures: real JPEGs of the intended sizes that stay calm
// enough for text on top of them.
#include <gtest/gtest.h>

#include "assetgen/assets.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace vondrik::assetgen {
namespace {

struct Tones {
    double meanLightness = 0;    // 0..1
    double lightnessSpread = 0;  // standard deviation
    double meanSaturation = 0;
    double red = 0, green = 0, blue = 0;
};

Tones measure(const QImage& image) {
    Tones t;
    double sumSquares = 0;
    int count = 0;
    // Every fourth pixel in each direction is plenty for averages.
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor c = image.pixelColor(x, y);
            const double l = c.lightnessF();
            t.meanLightness += l;
            sumSquares += l * l;
            t.meanSaturation += c.hslSaturationF();
            t.red += c.redF();
            t.green += c.greenF();
            t.blue += c.blueF();
            ++count;
        }
    }
    t.meanLightness /= count;
    t.lightnessSpread = std::sqrt(sumSquares / count - t.meanLightness * t.meanLightness);
    t.meanSaturation /= count;
    t.red /= count;
    t.green /= count;
    t.blue /= count;
    return t;
}

class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        QString error;
        ASSERT_TRUE(writePictures(folder_->path(), &error)) << error.toStdString();
    }
    static void TearDownTestSuite() { folder_.reset(); }

    static QString path(const char* fileName) {
        return QDir(folder_->path()).filePath(QStringLiteral("hintergrund/") + fileName);
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
};

TEST_F(Pictures, AreJpegsOfTheIntendedSizes) {
    const struct {
        const char* fileName;
        QSize size;
    } intended[] = {{"h7.jpg", QSize(1280, 720)}, {"game.jpg", QSize(1024, 768)}};
    for (const auto& picture : intended) {
        SCOPED_TRACE(picture.fileName);
        QImageReader reader(path(picture.fileName));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST_F(Pictures, AreLightAndLowInContrastButNotFlat) {
    for (const char* fileName : {"h7.jpg", "game.jpg"}) {
        SCOPED_TRACE(fileName);
        const Tones t = measure(QImage(path(fileName)));
        // Dark text must stay readable, so the picture is light and nearly even.
        EXPECT_GT(t.meanLightness, 0.55);
        EXPECT_LT(t.meanLightness, 0.95);
        EXPECT_LT(t.lightnessSpread, 0.08);
        EXPECT_GT(t.lightnessSpread, 0.005);
        EXPECT_LT(t.meanSaturation, 0.5);
    }
}

TEST_F(Pictures, MainBackgroundIsMutedAndGameBackgroundIsGreen) {
    const Tones main = measure(QImage(path("h7.jpg")));
    EXPECT_LT(main.meanSaturation, 0.35);

    const Tones game = measure(QImage(path("game.jpg")));
    EXPECT_GT(game.green, game.red + 0.05);
    EXPECT_GE(game.green, game.blue);
}

}  // namespace
}  // namespace vondrik::assetgen
