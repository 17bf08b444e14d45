// Vector drawing of the alarm clock frames. Shapes only, no text, so no fonts are needed
// and every build draws the same pixels.
#include "assetgen/clock_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <array>
#include <cmath>

namespace vondrik::assetgen {

namespace {

struct Pose {
    double tilt;         // degrees the whole clock leans, positive to the right
    int hammerSide;      // -1 strikes the left bell, +1 the right one
    double minuteAngle;  // degrees from twelve o'clock
};

// Shaking left and right, the minute hand going round once in the five frames.
constexpr std::array<Pose, kClockFrameCount> kPoses{{
    {-7.0, -1, 0.0},
    {7.0, 1, 72.0},
    {-7.0, -1, 144.0},
    {7.0, 1, 216.0},
    {0.0, -1, 288.0},
}};

const QColor kBody(196, 36, 40);
const QColor kBodyDark(120, 18, 22);
const QColor kBell(222, 182, 64);
const QColor kBellDark(150, 112, 28);
const QColor kFace(252, 248, 236);
const QColor kInk(34, 34, 40);

QPointF polar(double radius, double degreesFromTop) {
    const double r = degreesFromTop * M_PI / 180.0;
    return {radius * std::sin(r), -radius * std::cos(r)};
}

void drawHand(QPainter& p, double length, double width, double angle, const QColor& colour) {
    p.save();
    p.rotate(angle);
    QPainterPath hand;
    hand.moveTo(-width / 2, length * 0.15);
    hand.lineTo(0, -length);
    hand.lineTo(width / 2, length * 0.15);
    hand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(hand);
    p.restore();
}

// Short arcs beside a bell that is being struck.
void drawRingLines(QPainter& p, QPointF bell, double radius, int side) {
    p.setPen(QPen(kInk, radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i) {
        const double r = radius * (1.0 + 0.45 * i);
        const QRectF box(bell.x() - r, bell.y() - r, 2 * r, 2 * r);
        // Qt angles: counter-clockwise from three o'clock, in sixteenths of a degree.
        const int start = side < 0 ? 120 : 20;
        p.drawArc(box, start * 16, 40 * 16);
    }
}

}  // namespace

QImage paintAlarmClock(QSize size, int frame) {
    const Pose& pose = kPoses[static_cast<std::size_t>(frame % kClockFrameCount)];
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double w = size.width();
    const double h = size.height();
    const double radius = std::min(w, h) * 0.3;
    p.translate(w / 2, h * 0.57);
    p.rotate(pose.tilt);

    // Legs.
    p.setPen(QPen(kBodyDark, radius * 0.14, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        const QPointF foot = polar(radius * 1.22, 180.0 - side * 38.0);
        p.drawLine(polar(radius * 0.9, 180.0 - side * 32.0), foot);
    }

    // Bells on their posts, and the hammer between them.
    const double bellRadius = radius * 0.42;
    std::array<QPointF, 2> bells{};
    for (int i = 0; i < 2; ++i) {
        const int side = i == 0 ? -1 : 1;
        bells[i] = polar(radius * 1.12, side * 40.0);
        p.setPen(QPen(kBellDark, radius * 0.08));
        p.drawLine(polar(radius * 0.9, side * 36.0), bells[i]);
        QPainterPath dome;
        dome.moveTo(bells[i] + polar(bellRadius, side * 40.0 - 90.0));
        dome.arcTo(QRectF(bells[i].x() - bellRadius, bells[i].y() - bellRadius, 2 * bellRadius,
                          2 * bellRadius),
                   side * -40.0 + 180.0, -180.0);
        dome.closeSubpath();
        QRadialGradient shine(bells[i] + QPointF(-bellRadius * 0.3, -bellRadius * 0.4),
                              bellRadius * 1.3);
        shine.setColorAt(0.0, kBell.lighter(140));
        shine.setColorAt(1.0, kBell);
        p.setBrush(shine);
        p.setPen(QPen(kBellDark, radius * 0.05));
        p.drawPath(dome);
    }
    const QPointF hammerRoot = polar(radius * 0.95, 0.0);
    const QPointF hammerHead = polar(radius * 1.32, pose.hammerSide * 24.0);
    p.setPen(QPen(kInk, radius * 0.06, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hammerRoot, hammerHead);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(hammerHead, radius * 0.1, radius * 0.1);
    drawRingLines(p, bells[pose.hammerSide < 0 ? 0 : 1], bellRadius, pose.hammerSide);

    // Case and face.
    QRadialGradient body(QPointF(-radius * 0.35, -radius * 0.4), radius * 1.5);
    body.setColorAt(0.0, kBody.lighter(135));
    body.setColorAt(1.0, kBody);
    p.setBrush(body);
    p.setPen(QPen(kBodyDark, radius * 0.05));
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setBrush(kFace);
    p.setPen(QPen(kBodyDark.darker(120), radius * 0.03));
    p.drawEllipse(QPointF(0, 0), radius * 0.8, radius * 0.8);

    // Hour marks, longer at twelve, three, six and nine.
    for (int hour = 0; hour < 12; ++hour) {
        const bool quarter = hour % 3 == 0;
        p.setPen(QPen(kInk, radius * (quarter ? 0.07 : 0.04), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(radius * (quarter ? 0.56 : 0.62), hour * 30.0),
                   polar(radius * 0.7, hour * 30.0));
    }

    // Hands: the hour hand creeps on with the minute hand from ten past seven.
    const double hourAngle = 7 * 30.0 + 5.0 + pose.minuteAngle / 12.0;
    drawHand(p, radius * 0.4, radius * 0.13, hourAngle, kInk);
    drawHand(p, radius * 0.6, radius * 0.09, pose.minuteAngle, kInk);
    p.setBrush(kBody);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), radius * 0.07, radius * 0.07);
    p.end();
    return image;
}

QString clockPictureFile(int frame) {
    return QStringLiteral("daten/wecker%1.png").arg(frame);
}

bool writeClockPictures(const QString& appFolder, QString* error) {
    const QDir root(appFolder);
    if (!root.mkpath(QStringLiteral("daten"))) {
        if (error) {
            *error = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                         .arg(root.filePath(QStringLiteral("daten")));
        }
        return false;
    }
    for (int frame = 0; frame < kClockFrameCount; ++frame) {
        const QString path = root.filePath(clockPictureFile(frame));
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        QSaveFile file(path);
        if (!writer.write(paintAlarmClock(kClockPictureSize, frame)) ||
            !file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size() ||
            !file.commit()) {
            if (error) {
                *error = QStringLiteral("Das Bild %1 kann nicht geschrieben werden.").arg(path);
            }
            return false;
        }
    }
    return true;
}

}  // namespace vondrik::assetgen
