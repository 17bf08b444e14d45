// Scales geometry and fonts of a hand-placed window by one factor.
#include "ui/widgets/size_form.h"

#include <QFont>
#include <QList>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vondrik {

double modSizeForm(QWidget& window, QWidget& client, int newOuterWidth) {
    const QRect outer = window.frameGeometry();
    const int borderX = outer.width() - client.width();
    const int borderY = outer.height() - client.height();
    if (outer.width() - borderX <= 0) {
        return 1.0;
    }
    const double factor = double(newOuterWidth - borderX) / double(outer.width() - borderX);

    // Fonts are read before any is changed: a control without a font of its own inherits its
    // parent's, which would otherwise be scaled twice.
    struct Control {
        QWidget* widget;
        QRect geometry;
        QFont font;
    };
    std::vector<Control> controls;
    for (QWidget* w : client.findChildren<QWidget*>()) {
        if (w->isWindow()) {
            continue;
        }
        controls.push_back({w, w->geometry(), w->font()});
    }
    const auto scaled = [factor](int v) { return int(std::lround(v * factor)); };
    for (const Control& c : controls) {
        c.widget->setGeometry(scaled(c.geometry.x()), scaled(c.geometry.y()),
                              scaled(c.geometry.width()), scaled(c.geometry.height()));
        QFont font = c.font;
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * factor);
        } else if (font.pixelSize() > 0) {
            font.setPixelSize(std::max(1, scaled(font.pixelSize())));
        }
        c.widget->setFont(font);
    }
    const int clientWidth = newOuterWidth - borderX;
    const int clientHeight = scaled(outer.height() - borderY);
    window.resize(window.width() + (clientWidth - client.width()),
                  window.height() + (clientHeight - client.height()));
    // A hidden window's layout hands the client its new size only when the window is shown;
    // whatever is measured against the client before that (the notebook shift at start-up)
    // needs the new size now.
    if (&client != &window) {
        client.resize(clientWidth, clientHeight);
    }
    return factor;
}

double fittingFactor(QSize client, QSize border, QSize available) {
    if (client.width() <= 0 || client.height() <= 0) {
        return 1.0;
    }
    const double byWidth = double(available.width() - border.width()) / client.width();
    const double byHeight = double(available.height() - border.height()) / client.height();
    return std::max(0.1, std::min(byWidth, byHeight));
}

double scaleToFit(QWidget& window, QWidget& client, QSize available) {
    const QRect outer = window.frameGeometry();
    QSize border(outer.width() - client.width(), outer.height() - client.height());
    // Before it is shown a window has no frame yet; the window manager's title bar and
    // borders must still fit, so they are reckoned with the style's measures.
    if (outer == window.geometry()) {
        const QStyle* style = window.style();
        const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
        border += QSize(
            2 * frame, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 2 * frame);
    }
    const double factor = fittingFactor(client.size(), border, available);
    const int knownBorder = outer.width() - client.width();
    modSizeForm(window, client, knownBorder + int(std::floor(client.width() * factor)));
    return factor;
}

}  // namespace vondrik
