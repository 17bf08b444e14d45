// Window scaling: a window and every control on it, fonts included, grown or shrunk so that
// the window gets a new outer width.
#pragma once

class QWidget;

namespace vondrik {

// Scales `window` to the outer width `newOuterWidth` (pixels). The controls are those below
// `client` (a QMainWindow's central widget, or the window itself); everything outside the
// client (frame, menu bar) keeps its size. Returns the factor applied.
double modSizeForm(QWidget& window, QWidget& client, int newOuterWidth);

}  // namespace vondrik
