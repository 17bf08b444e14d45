// Drawing the splash tile pixel by pixel from its repeating pattern.
#include "shell/splash_tile.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>

namespace vondrik {
namespace {

constexpr int kPeriod = kTileSize - kTileOverlap;  // 91 pixels: seven cells of 13
constexpr int kCell = 13;

// The repeating 7 x 7 grid, its shaded cells placed like the black squares of a puzzle.
constexpr const char* kGrid[7] = {".#.....", ".....#.", ".......", "...#...",
                                  ".......", "#....#.", "......."};

bool shadedCell(int column, int row) {
    return kGrid[row][column] == '#';
}

QRgb patternPixel(int x, int y) {
    const int px = x % kPeriod;
    const int py = y % kPeriod;
    // Paper: a soft diagonal wave so the tiles do not look flat.
    const int wave = ((px + py) % kPeriod) * 6 / kPeriod;
    QColor colour(246 - wave, 236 - wave, 210 - wave);
    const int column = px / kCell;
    const int row = py / kCell;
    if (shadedCell(column, row)) {
        colour = QColor(226 - wave, 212 - wave, 180 - wave);
    }
    if (px % kCell == 0 || py % kCell == 0) {
        colour = QColor(218, 204, 172);  // grid lines
    }
    return colour.rgb();
}

}  // namespace

QImage splashTile() {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            tile.setPixel(x, y, patternPixel(x, y));
        }
    }
    return tile;
}

QList<QPoint> tileOrigins(const QSize& area, const QSize& tile) {
    QList<QPoint> origins;
    const int stepX = tile.width() - kTileOverlap;
    const int stepY = tile.height() - kTileOverlap;
    if (stepX <= 0 || stepY <= 0) {
        return origins;
    }
    for (int y = 0; y < area.height(); y += stepY) {
        for (int x = 0; x < area.width(); x += stepX) {
            origins.append(QPoint(x, y));
        }
    }
    return origins;
}

}  // namespace vondrik
