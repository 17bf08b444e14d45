// The picture of the empty pyramid that goes on the printed sheet.
#pragma once

#include <QImage>

namespace vondrik {

// 210 x 210 pixels on screen: seven centred rows of 1 to 7 empty square boxes on white.
// With a devicePixelRatio above 1 the picture keeps that size and has finer lines.
QImage emptyPyramidPicture(double devicePixelRatio = 1);

}  // namespace vondrik
