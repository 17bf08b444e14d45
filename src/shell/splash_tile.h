// The tile picture of the splash window: a crossword grid on warm paper, painted repeatedly
// over the whole window.
#pragma once

#include <QImage>

namespace vondrik {

// Tiles are drawn this many pixels over their neighbours to the right and below.
inline constexpr int kTileOverlap = 5;

// The tile, kTileSize pixels square. Its pattern repeats every kTileSize - kTileOverlap
// pixels, so overlapping tiles join without a visible seam.
inline constexpr int kTileSize = 96;
QImage splashTile();

// Where the tiles go to cover an area: rows from the top in steps of the tile height less
// the overlap, and within each row columns from the left in steps of the width less it.
QList<QPoint> tileOrigins(const QSize& area, const QSize& tile);

}  // namespace vondrik
