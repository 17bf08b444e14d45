// Where the introduction window goes while it demonstrates, so that the controls it types
// into and the list it fills stay in sight. All rectangles in screen pixels.
#pragma once

#include <QPoint>
#include <QRect>

namespace vondrik {

// The window slides down until its lower edge reaches the top of the main window's control
// panel, and right until its right edge reaches the main window's right edge; a window
// already lower or further right stays where it is.
QPoint slideOutOfTheWay(const QRect& window, int panelTop, int mainWindowRight);

// Beside a dialog in the middle of the main window: to its right when there is room on the
// screen, else to its left, else on the side with more room, kept on the screen. The window's
// top follows the dialog's top as far as the screen allows.
QPoint besideDialog(const QRect& window, const QRect& dialog, const QRect& screen);

}  // namespace vondrik
