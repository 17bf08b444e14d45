// The additional help texts of the main window: tooltips on the pattern box, its instruction,
// the combined-search switch and the fifteen length buttons, switched on and off from the
// menu. The hit counter Label2 never gets one.
#pragma once

#include <array>

class QWidget;

namespace vondrik {

// The main window's controls that carry the tooltips, handed over by the shell.
struct TooltipTargets {
    QWidget* patternBox;      // Text1
    QWidget* instruction;     // Label3
    QWidget* count;           // Label2
    QWidget* combinedSearch;  // Check1
    std::array<QWidget*, 15> lengthButtons;
};

// Sets the tooltips (on) or clears them (off).
void setAdditionalTooltips(const TooltipTargets& targets, bool on);

}  // namespace vondrik
