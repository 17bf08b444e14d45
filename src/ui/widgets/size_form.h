// Window scaling: a window and every control on it, fonts included, grown or shrunk so that
// the window gets a new outer width.
#pragma once

#include <QSize>

class QWidget;

namespace vondrik {

// Scales `window` to the outer width `newOuterWidth` (pixels). The controls are those below
// `client` (a QMainWindow's central widget, or the window itself); everything outside the
// client (frame, menu bar) keeps its size. Returns the factor applied.
double modSizeForm(QWidget& window, QWidget& client, int newOuterWidth);

// The factor by which a client area of `client` size, inside a frame that adds `border`,
// grows or shrinks so that the whole window fits `available` in both directions: the
// smaller of the width and the height factor. A wide screen must not push the bottom of a
// window scaled to its width out of reach.
double fittingFactor(QSize client, QSize border, QSize available);

// Scales the window by fittingFactor() to the available screen area. Returns the factor.
double scaleToFit(QWidget& window, QWidget& client, QSize available);

}  // namespace vondrik
