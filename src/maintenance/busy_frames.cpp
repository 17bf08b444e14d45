// Drawing the busy animation's frames.
#include "maintenance/busy_frames.h"

#include <QPainter>

namespace vondrik {

QPixmap busyFrame(int k, int size) {
    QPixmap frame(size, size);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pen = qMax(3, size / 6);
    const QRectF ring(pen, pen, size - 2 * pen, size - 2 * pen);
    for (int quarter = 0; quarter < 4; ++quarter) {
        painter.setPen(QPen(quarter == k ? QColor(0, 128, 0) : QColor(200, 200, 200), pen,
                            Qt::SolidLine, Qt::FlatCap));
        // Qt counts angles anticlockwise from three o'clock in 1/16 degrees; quarter 0 starts
        // at twelve o'clock and the lit quarter moves clockwise. A small gap parts them.
        const int start = (90 - 90 * quarter) * 16 - 8 * 16;
        painter.drawArc(ring, start, -74 * 16);
    }
    return frame;
}

}  // namespace vondrik
