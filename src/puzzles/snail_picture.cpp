// Drawing the snail's grid: the walls follow from the box order, a wall standing wherever
// two neighbouring cells are not neighbours on the spiral.
#include "puzzles/snail_picture.h"

#include <QPainter>
#include <cmath>

#include "puzzles/snail.h"

namespace vondrik {
namespace {

constexpr int kSide = 274;
constexpr int kPrintHeight = 351;
constexpr double kMargin = 2;
constexpr double kCell = (kSide - 2 * kMargin) / kSnailSide;

int boxAt(int row, int column) {
    for (int box = 0; box < kSnailBoxes; ++box) {
        if (snailCell(box) == GridCell{row, column}) {
            return box;
        }
    }
    return -1;
}

QRectF cellRect(int row, int column) {
    return QRectF(kMargin + (column - 1) * kCell, kMargin + (row - 1) * kCell, kCell, kCell);
}

void drawGrid(QPainter& painter, bool greenDiagonal) {
    for (int row = 1; row <= kSnailSide; ++row) {
        for (int column = 1; column <= kSnailSide; ++column) {
            if (greenDiagonal && row == column) {
                painter.fillRect(cellRect(row, column), QColor(0, 255, 0));
            }
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    for (int row = 1; row <= kSnailSide; ++row) {
        for (int column = 1; column <= kSnailSide; ++column) {
            painter.drawRect(cellRect(row, column));
        }
    }
    QPen wall(Qt::black, 4);
    wall.setCapStyle(Qt::SquareCap);
    painter.setPen(wall);
    painter.drawRect(QRectF(kMargin, kMargin, kSnailSide * kCell, kSnailSide * kCell));
    for (int row = 1; row <= kSnailSide; ++row) {
        for (int column = 1; column <= kSnailSide; ++column) {
            const int box = boxAt(row, column);
            const QRectF cell = cellRect(row, column);
            if (column < kSnailSide && std::abs(boxAt(row, column + 1) - box) != 1) {
                painter.drawLine(cell.topRight(), cell.bottomRight());
            }
            if (row < kSnailSide && std::abs(boxAt(row + 1, column) - box) != 1) {
                painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            }
        }
    }
}

}  // namespace

QImage snailGridPicture() {
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    drawGrid(painter, true);
    return picture;
}

QImage snailPrintPicture(double devicePixelRatio) {
    const double ratio = std::max(1.0, devicePixelRatio);
    QImage picture(static_cast<int>(std::lround(kSide * ratio)),
                   static_cast<int>(std::lround(kPrintHeight * ratio)), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGrid(painter, false);

    painter.setPen(QPen(Qt::black, 1));
    for (int box : kSnailDiagonalBoxes) {
        const GridCell cell = snailCell(box);
        painter.drawEllipse(cellRect(cell.row, cell.column).adjusted(6, 6, -6, -6));
    }
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(10);
    painter.setFont(small);
    for (int word = 1; word <= kSnailWords; ++word) {
        const GridCell cell = snailCell(kSnailFirstBox[word]);
        // Word 2 to 11 begin in the last box of the word before, which already has a number
        // in its corner: the second number goes into the opposite corner.
        const QRectF r = cellRect(cell.row, cell.column).adjusted(4, 2, -4, -2);
        const bool shared = word > 1;
        painter.drawText(r,
                         (shared ? Qt::AlignRight | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignTop),
                         QString::number(word));
    }

    QFont label(QStringLiteral("Arial"));
    label.setPixelSize(13);
    label.setBold(true);
    painter.setFont(label);
    const double top = kMargin + kSnailSide * kCell + 8;
    painter.drawText(QRectF(0, top, kSide, 18), Qt::AlignCenter, QStringLiteral("Lösungswort"));
    constexpr double box = 30;
    const double left = (kSide - kSnailSide * box) / 2;
    painter.setPen(QPen(Qt::black, 1.5));
    for (int i = 0; i < kSnailSide; ++i) {
        painter.drawRect(QRectF(left + i * box, top + 24, box, box));
    }
    return picture;
}

}  // namespace vondrik
