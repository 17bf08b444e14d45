// Drawing the empty pyramid.
#include "puzzles/pyramid_picture.h"

#include <QPainter>
#include <cmath>

#include "puzzles/pyramid.h"

namespace vondrik {
namespace {

constexpr int kSide = 210;
constexpr double kBox = 29;  // seven boxes side by side, one pixel left each side of a row
constexpr double kLine = 1.5;

}  // namespace

QImage emptyPyramidPicture(double devicePixelRatio) {
    const double ratio = std::max(1.0, devicePixelRatio);
    const int pixels = static_cast<int>(std::lround(kSide * ratio));
    QImage picture(pixels, pixels, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, kLine));
    const double top = (kSide - kPyramidRows * kBox) / 2;
    for (int row = 1; row <= kPyramidRows; ++row) {
        const double left = (kSide - row * kBox) / 2;
        for (int box = 0; box < row; ++box) {
            painter.drawRect(QRectF(left + box * kBox, top + (row - 1) * kBox, kBox, kBox));
        }
    }
    return picture;
}

}  // namespace vondrik
