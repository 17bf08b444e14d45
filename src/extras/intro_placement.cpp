// Placements of the introduction window.
#include "extras/intro_placement.h"

#include <algorithm>

namespace vondrik {
namespace {

constexpr int kGap = 8;

}  // namespace

QPoint slideOutOfTheWay(const QRect& window, int panelTop, int mainWindowRight) {
    QPoint place = window.topLeft();
    if (window.y() + window.height() < panelTop) {
        place.setY(panelTop - window.height());
    }
    if (window.x() + window.width() < mainWindowRight) {
        place.setX(mainWindowRight - window.width());
    }
    return place;
}

QPoint besideDialog(const QRect& window, const QRect& dialog, const QRect& screen) {
    const int screenRight = screen.x() + screen.width();
    const int rightX = dialog.x() + dialog.width() + kGap;
    const int leftX = dialog.x() - kGap - window.width();
    int x = 0;
    if (rightX + window.width() <= screenRight) {
        x = rightX;
    } else if (leftX >= screen.x()) {
        x = leftX;
    } else {
        const int roomRight = screenRight - (dialog.x() + dialog.width());
        const int roomLeft = dialog.x() - screen.x();
        x = roomRight >= roomLeft ? screenRight - window.width() : screen.x();
    }
    const int lowestTop = screen.y() + screen.height() - window.height();
    const int y = std::max(screen.y(), std::min(dialog.y(), lowestTop));
    return {std::max(screen.x(), x), y};
}

}  // namespace vondrik
