// Drawing the stairs grid. The cell borders lie half-way between the boxes, so every box
// sits inside its cell however unevenly the columns are spaced.
#include "puzzles/stairs_picture.h"

#include <QPainter>
#include <array>
#include <cmath>

#include "puzzles/stairs.h"
#include "ui/twips.h"

namespace vondrik {
namespace {

constexpr int kWidth = 322;
constexpr int kHeight = 277;
constexpr std::array<int, kStairsColumns> kColumnLeft = {120, 840, 1440, 2160, 2880, 3480, 4200};
constexpr std::array<int, kStairsRows> kRowTop = {240, 960, 1560, 2280, 3000, 3600};
constexpr int kBoxWidth = 495;
constexpr int kBoxHeight = 375;

// The cell borders in twips: before the first box, between two boxes, after the last.
template <std::size_t N>
std::array<double, N + 1> borders(const std::array<int, N>& starts, int size, double outer) {
    std::array<double, N + 1> result{};
    result[0] = starts[0] - outer;
    for (std::size_t i = 1; i < N; ++i) {
        result[i] = (starts[i - 1] + size + starts[i]) / 2.0;
    }
    result[N] = starts[N - 1] + size + outer;
    return result;
}

double px(double twips) {
    return twips * kScreenDpi / kTwipsPerInch;
}

}  // namespace

QRect stairsBoxRect(int box) {
    const int row = box / kStairsColumns;
    const int column = box % kStairsColumns;
    return QRect(twipsToPixels(kColumnLeft[column]), twipsToPixels(kRowTop[row]),
                 twipsToPixels(kBoxWidth), twipsToPixels(kBoxHeight));
}

QImage stairsPicture(double devicePixelRatio) {
    const double ratio = std::max(1.0, devicePixelRatio);
    QImage picture(static_cast<int>(std::lround(kWidth * ratio)),
                   static_cast<int>(std::lround(kHeight * ratio)), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const auto xs = borders(kColumnLeft, kBoxWidth, 105);
    const auto ys = borders(kRowTop, kBoxHeight, 150);
    painter.setPen(QPen(Qt::black, 1));
    for (double x : xs) {
        painter.drawLine(QPointF(px(x), px(ys.front())), QPointF(px(x), px(ys.back())));
    }
    for (double y : ys) {
        painter.drawLine(QPointF(px(xs.front()), px(y)), QPointF(px(xs.back()), px(y)));
    }

    QFont numbers(QStringLiteral("Arial"));
    numbers.setPixelSize(9);
    painter.setFont(numbers);
    for (int row = 1; row <= kStairsRows; ++row) {
        painter.drawText(QPointF(px(xs[0]) + 1.5, px(ys[row - 1]) + 9), QString::number(row));
    }

    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int row = 1; row <= kStairsRows; ++row) {
        painter.drawRect(QRectF(QPointF(px(xs[row - 1]), px(ys[row - 1])),
                                QPointF(px(xs[row + 1]), px(ys[row]))));
    }
    return picture;
}

}  // namespace vondrik
