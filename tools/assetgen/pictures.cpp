// Procedural backgrounds computed pixel by pixel from fixed seeds, so every build yields
// the same files.
#include "assetgen/pictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vondrik::assetgen {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(Rgb c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

QRgb toQRgb(Rgb c) {
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Integer hash of a lattice point, in [0, 1).
double latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed;
    h ^= static_cast<std::uint32_t>(x) * 0x27d4eb2du;
    h ^= static_cast<std::uint32_t>(y) * 0x165667b1u;
    h = (h ^ (h >> 15)) * 0x85ebca6bu;
    h = (h ^ (h >> 13)) * 0xc2b2ae35u;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967296.0;
}

// Smooth value noise in [0, 1); `scale` is the feature size in pixels.
double valueNoise(double x, double y, double scale, std::uint32_t seed) {
    const double fx = x / scale;
    const double fy = y / scale;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const double tx = smoothstep(0.0, 1.0, fx - ix);
    const double ty = smoothstep(0.0, 1.0, fy - iy);
    const double top = latticeValue(ix, iy, seed) +
                       (latticeValue(ix + 1, iy, seed) - latticeValue(ix, iy, seed)) * tx;
    const double bottom =
        latticeValue(ix, iy + 1, seed) +
        (latticeValue(ix + 1, iy + 1, seed) - latticeValue(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

// Paper fibre: fine grain on top of slow, cloudy unevenness, centred on 0.
double paperGrain(double x, double y, std::uint32_t seed) {
    return 0.5 * (valueNoise(x, y, 180.0, seed) - 0.5) +
           0.3 * (valueNoise(x, y, 23.0, seed + 1) - 0.5) +
           0.2 * (valueNoise(x, y, 2.5, seed + 2) - 0.5);
}

// 1 on a grid line, falling to 0 within about a pixel beside it.
double gridLine(double x, double y, double cell) {
    const double dx = std::abs(std::remainder(x, cell));
    const double dy = std::abs(std::remainder(y, cell));
    return 1.0 - smoothstep(0.4, 1.4, std::min(dx, dy));
}

}  // namespace

QImage paintMainBackground(QSize size) {
    constexpr std::uint32_t kSeed = 7001;
    constexpr double kCell = 44.0;
    const Rgb blue{203, 214, 226};
    const Rgb beige{236, 228, 211};
    QImage image(size, QImage::Format_RGB32);
    const double w = size.width();
    const double h = size.height();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Diagonal blend from blue (top left) to beige (bottom right).
            const double t = smoothstep(0.0, 1.0, 0.55 * x / w + 0.45 * y / h);
            Rgb c = mix(blue, beige, t);
            c = scaled(c, 1.0 + 0.06 * paperGrain(x, y, kSeed));
            // The grid drifts in and out like a watermark instead of caging the text.
            const double gridPresence = smoothstep(0.3, 0.75, valueNoise(x, y, 420.0, kSeed + 10));
            const int col = static_cast<int>(std::floor(x / kCell));
            const int row = static_cast<int>(std::floor(y / kCell));
            const bool blackSquare = latticeValue(col, row, kSeed + 20) < 0.14;
            double shade = 0.07 * gridLine(x, y, kCell);
            if (blackSquare) {
                shade = std::max(shade, 0.04);
            }
            c = scaled(c, 1.0 - shade * gridPresence);
            // A gentle vignette keeps the edges from looking cut off.
            const double dx = (x - w / 2) / (w / 2);
            const double dy = (y - h / 2) / (h / 2);
            c = scaled(c, 1.0 - 0.05 * smoothstep(0.6, 1.6, dx * dx + dy * dy));
            line[x] = toQRgb(c);
        }
    }
    return image;
}

QImage paintGameBackground(QSize size) {
    constexpr std::uint32_t kSeed = 4242;
    const Rgb top{196, 226, 216};
    const Rgb bottom{128, 184, 168};
    const Rgb glow{238, 248, 240};
    struct Disc {
        double x, y, radius, strength;
    };
    const double w = size.width();
    const double h = size.height();
    std::array<Disc, 14> discs{};
    for (std::size_t i = 0; i < discs.size(); ++i) {
        const int k = static_cast<int>(i);
        discs[i] = {latticeValue(k, 0, kSeed) * w, latticeValue(k, 1, kSeed) * h,
                    (0.06 + 0.14 * latticeValue(k, 2, kSeed)) * std::min(w, h),
                    0.12 + 0.16 * latticeValue(k, 3, kSeed)};
    }
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            Rgb c = mix(top, bottom, smoothstep(0.0, 1.0, y / h * 0.85 + 0.15 * x / w));
            // Two slow waves of lighter colour running across the picture.
            const double wave = std::sin(x / w * 5.0 + 1.3 * std::sin(y / h * 3.0)) * 0.5 + 0.5;
            c = mix(c, glow, 0.08 * wave * smoothstep(0.2, 0.9, y / h));
            for (const Disc& d : discs) {
                const double dist = std::hypot(x - d.x, y - d.y) / d.radius;
                // Blurred rim, as if out of focus.
                c = mix(c, glow, d.strength * (1.0 - smoothstep(0.7, 1.0, dist)));
            }
            c = scaled(c, 1.0 + 0.03 * paperGrain(x, y, kSeed + 5));
            line[x] = toQRgb(c);
        }
    }
    return image;
}

std::span<const PictureAsset> pictureAssets() {
    static const std::array<PictureAsset, 2> kPictures{{
        {"h7.jpg", QSize(1280, 720), paintMainBackground},
        {"game.jpg", QSize(1024, 768), paintGameBackground},
    }};
    return kPictures;
}

bool writeJpeg(const QImage& image, const QString& path, QString* error) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        if (error) {
            *error = QStringLiteral("Das Bild %1 kann nicht kodiert werden: %2")
                         .arg(path, writer.errorString());
        }
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size() ||
        !file.commit()) {
        if (error) {
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                         .arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

}  // namespace vondrik::assetgen
