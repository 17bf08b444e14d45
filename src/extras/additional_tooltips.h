// The additional help texts of the main window: tooltips on the pattern box, its instruction,
// the combined-search switch and the fifteen length buttons, switched on and off from the
// menu. The hit counter Label2 never gets one.
#pragma once

class QWidget;

namespace vondrik {

// Sets the tooltips (on) or clears them (off); the controls are found by their names.
void setAdditionalTooltips(QWidget* mainWindow, bool on);

}  // namespace vondrik
