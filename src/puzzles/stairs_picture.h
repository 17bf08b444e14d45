// The picture of the stairs grid, behind the letter boxes and on the printed sheet.
#pragma once

#include <QImage>
#include <QRect>

namespace vondrik {

// Where box 0 to 41 lies on the picture, in pixels.
QRect stairsBoxRect(int box);

// 322 x 277 pixels: the 6 x 7 grid around the boxes, the row numbers 1 to 6 in the first
// column and the thick staircase line around the two boxes of each step. With a
// devicePixelRatio above 1 the picture keeps that size and has finer lines.
QImage stairsPicture(double devicePixelRatio = 1);

}  // namespace vondrik
