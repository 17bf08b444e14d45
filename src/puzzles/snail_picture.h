// The pictures of the snail window: the grid behind the letter boxes and the empty puzzle
// for the printed sheet.
#pragma once

#include <QImage>

namespace vondrik {

// 274 x 274 pixels: the 6 x 6 grid, the spiral as thick walls and the diagonal cells green.
QImage snailGridPicture();

// 274 x 351 pixels: the same grid with the word numbers 1 to 11 where the words begin,
// circles in the diagonal cells, and below it "Lösungswort" over six empty boxes. With a
// devicePixelRatio above 1 the picture keeps that size and has finer lines.
QImage snailPrintPicture(double devicePixelRatio = 1);

}  // namespace vondrik
