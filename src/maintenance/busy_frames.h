// The four pictures of the data update's busy animation, drawn rather than loaded.
#pragma once

#include <QPixmap>

namespace vondrik {

// Frame k (0 to 3) of a ring of four quarters, quarter k lit: shown in turn they circle
// clockwise.
QPixmap busyFrame(int k, int size);

}  // namespace vondrik
