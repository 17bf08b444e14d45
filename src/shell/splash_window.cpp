// The splash window: layout over the whole screen, the tiled background and the ticks.
#include "shell/splash_window.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include "shell/haupt.h"
#include "shell/instance_lock.h"
#include "shell/splash_tile.h"

namespace vondrik {
namespace {

QLabel* makeLabel(const QString& text, double pointSize, bool bold, const QString& colour,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    label->adjustSize();
    return label;
}

}  // namespace

starter::starter(Platform& platform, InstanceLock& lock)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      platform_(platform),
      lock_(lock),
      tile_(splashTile()) {
    setObjectName(QStringLiteral("starter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vondrik 2000"));

    Label1 = makeLabel(QStringLiteral("Vondrik 2000"), 54, true, QStringLiteral("#1d2f6f"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = makeLabel(QStringLiteral("Das Lexikon für Kreuzworträtsel-Freunde"), 20, false,
                       QStringLiteral("#7a2e12"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = makeLabel(
        QStringLiteral("Vorbereitung der Daten ist in Arbeit. Bitte haben Sie einen Moment Geduld"),
        14, true, QStringLiteral("#1d2f6f"), this);
    Label3->setObjectName(QStringLiteral("Label3"));

    Bar1 = new QProgressBar(this);
    Bar1->setObjectName(QStringLiteral("Bar1"));
    Bar1->setRange(0, kSplashTicks);
    Bar1->setValue(0);
    Bar1->setTextVisible(false);
    Bar1->setStyleSheet(
        QStringLiteral("QProgressBar { background-color: rgb(255, 0, 0); border: none; }"
                       "QProgressBar::chunk { background-color: rgb(0, 255, 0); }"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &starter::step);
}

bool starter::load() {
    LockResult lock = lock_.acquire();
    if (lock.outcome == LockOutcome::OtherHost &&
        platform_.messageBox.show(lock.message, QStringLiteral("Kommunikation"),
                                  MessageIcon::Question,
                                  MessageButtons::YesNo) == MessageAnswer::Yes) {
        lock = lock_.takeOver();
    }
    switch (lock.outcome) {
        case LockOutcome::Acquired:
            break;
        case LockOutcome::RunningHere:
            platform_.messageBox.show(lock.message, QStringLiteral("Kommunikation"),
                                      MessageIcon::Information);
            return false;
        case LockOutcome::Failed:
            // Without the lock two copies could write the same files: never start unguarded.
            platform_.messageBox.show(lock.message, QStringLiteral("Fehlermeldung"),
                                      MessageIcon::Critical);
            exitStatus_ = 1;  // a start that failed, for whoever started the program
            return false;
        case LockOutcome::OtherHost:  // the user left the other computer its lock
            return false;
    }
    platform_.random.reseed();
    const QScreen* screen = this->screen();
    layOut(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
    showFullScreen();
    Timer1->start();
    return true;
}

void starter::layOut(const QRect& screen) {
    setGeometry(screen);
    const int width = screen.width();
    const int height = screen.height();
    // On a small screen the texts get smaller rather than running off its edges.
    for (QLabel* label : {Label1, Label2, Label3}) {
        QFont font = label->font();
        while (label->sizeHint().width() > width * 9 / 10 && font.pointSizeF() > 6) {
            font.setPointSizeF(font.pointSizeF() - 1);
            label->setFont(font);
        }
        label->adjustSize();
    }
    Label1->move((width - Label1->width()) / 2, height / 30);
    Label2->move(Label1->x() + 80, Label1->y() + Label1->height() + 20);
    const int barHeight = std::max(24, height / 30);
    Bar1->setGeometry(0, height - barHeight, width, barHeight);
    Label3->move((width - Label3->width()) / 2, Bar1->y() - 20 - Label3->height());
}

void starter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const QPoint& origin : tileOrigins(size(), tile_.size())) {
        painter.drawImage(origin, tile_);
    }
}

void starter::step() {
    ++ticks_;
    Bar1->setValue(ticks_);
    if (ticks_ >= kSplashTicks) {
        Timer1->stop();
        startHaupt();
    }
}

void starter::startHaupt() {
    auto* haupt = new Haupt(platform_);
    haupt->setAttribute(Qt::WA_DeleteOnClose);
    if (!haupt->load()) {
        delete haupt;
        emit loadFailed();
        close();
        return;
    }
    haupt->show();
    emit hauptShown(haupt);
    close();
}

}  // namespace vondrik
