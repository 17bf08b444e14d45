// The ringing display and its stop button.
#include "extras/alarm_display.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace vondrik {
namespace {

constexpr int kPictureWidth = 90;
constexpr int kPictureHeight = 101;
constexpr int kFrameWidth = 100;
constexpr int kFrameHeight = 113;

}  // namespace

QString clockPicturePath(const AppFolder& folder, int frame) {
    return folder.appPath(QStringLiteral("\\daten\\wecker%1.png").arg(frame));
}

AlarmDisplay::AlarmDisplay(const AppFolder& folder, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame4"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setGeometry(450, 296, kFrameWidth, kFrameHeight);
    for (int i = 0; i < kClockFrames; ++i) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        picture->setGeometry((kFrameWidth - kPictureWidth) / 2, (kFrameHeight - kPictureHeight) / 2,
                             kPictureWidth, kPictureHeight);
        picture->setScaledContents(true);
        // Opaque, so the picture in front hides the frames shown before it.
        picture->setAutoFillBackground(true);
        picture->setCursor(Qt::PointingHandCursor);
        QPixmap pixmap;
        if (pixmap.load(clockPicturePath(folder, i))) {
            picture->setPixmap(pixmap);
        } else {
            // Without its pictures the alarm still has to be seen.
            picture->setAlignment(Qt::AlignCenter);
            picture->setText(QStringLiteral("Wecker!"));
        }
        picture->installEventFilter(this);
        picture->hide();
        Picture1[i] = picture;
    }
    Command17 = new QPushButton(QStringLiteral("Wecker abstellen"), parent);
    Command17->setObjectName(QStringLiteral("Command17"));
    Command17->setGeometry(x(), y() + height(), 150, 32);
    Command17->hide();
    connect(Command17, &QPushButton::clicked, this, &AlarmDisplay::stopRequested);
    hide();
}

void AlarmDisplay::showRinging() {
    Command17->move(x(), y() + height());
    show();
    raise();
    Command17->show();
    Command17->raise();
}

void AlarmDisplay::showFrame(int frame) {
    if (frame < 0 || frame >= kClockFrames) {
        return;
    }
    // The pictures are not hidden between steps; bringing this one forward is what makes
    // the clock move on every round, not only the first.
    Picture1[frame]->show();
    Picture1[frame]->raise();
}

void AlarmDisplay::hideAll() {
    hide();
    for (QLabel* picture : Picture1) {
        picture->hide();
    }
    Command17->hide();
}

bool AlarmDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (QLabel* picture : Picture1) {
            if (watched == picture) {
                emit stopRequested();
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace vondrik
