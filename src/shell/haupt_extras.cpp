// The main window's reminders and alarm clock: the reminder editor and the alarm panels, the
// ringing clock, the menu items that open them, and the timers that drive them.
#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "extras/alarm_clock.h"
#include "extras/alarm_display.h"
#include "extras/alarm_panel.h"
#include "extras/reminder_check.h"
#include "extras/reminder_panel.h"
#include "shell/haupt.h"

namespace vondrik {
namespace {

// The alarm and the reminder check live as long as the main window, as its child.
class ExtrasState : public QObject {
  public:
    ExtrasState(Platform& platform, QObject* owner)
        : QObject(owner),
          alarm(platform.clock, platform.sound),
          check(platform.appFolder, platform.clock) {
        setObjectName(QStringLiteral("ExtrasState"));
    }
    AlarmClock alarm;
    ReminderCheck check;
};

QTimer* makeTimer(QObject* owner, const QString& name, int interval) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

// Starting a timer that already runs would put its next tick off.
void keepRunning(QTimer* timer, bool on) {
    if (!on) {
        timer->stop();
    } else if (!timer->isActive()) {
        timer->start();
    }
}

}  // namespace

void Haupt::connectExtrasMenu() {
    auto* state = new ExtrasState(platform_, this);
    QTimer* timer1 = makeTimer(this, QStringLiteral("Timer1"), 5000);  // alarm time check
    QTimer* timer2 = makeTimer(this, QStringLiteral("Timer2"), 300);   // clock animation
    QTimer* timer3 = makeTimer(this, QStringLiteral("Timer3"), 2000);  // alarm sound
    QTimer* timer5 = makeTimer(this, QStringLiteral("Timer5"), 6000);  // reminders, once
    timer5->setSingleShot(true);

    auto* frame5 = new ReminderPanel(platform_, client_);
    auto* frame3 = new AlarmPanel(client_);
    auto* frame4 = new AlarmDisplay(platform_.appFolder, client_);
    // Function keys reach the window before its controls, on these panels as everywhere.
    const QList<QWidget*> panels{frame5, frame3, frame4, frame4->Command17};
    for (QWidget* panel : panels) {
        panel->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            w->installEventFilter(this);
        }
    }

    connect(menuAction(QStringLiteral("gebbe")), &QAction::triggered, frame5, &ReminderPanel::open);
    connect(timer5, &QTimer::timeout, this, [this, state, timer5] {
        timer5->stop();
        for (const QString& line : state->check.step()) {
            platform_.messageBox.show(line, QStringLiteral("Erinnerung"), MessageIcon::Exclamation);
        }
    });

    const auto followAlarm = [state, timer1, timer2, timer3] {
        keepRunning(timer1, state->alarm.waiting());
        keepRunning(timer2, state->alarm.ringing());
        keepRunning(timer3, state->alarm.ringing());
    };
    connect(menuAction(QStringLiteral("wecker")), &QAction::triggered, frame3, &AlarmPanel::open);
    connect(frame3, &AlarmPanel::activated, this, [this, state, followAlarm](int h, int m) {
        state->alarm.activate(h, m);
        followAlarm();
        setWindowTitle(titleWithAlarm(windowTitle()));
    });
    connect(frame3, &AlarmPanel::deactivated, this, [this, state, followAlarm] {
        state->alarm.deactivate();
        followAlarm();
        setWindowTitle(kProgramTitle.toString());
    });
    connect(timer1, &QTimer::timeout, this, [state, frame4, followAlarm] {
        if (state->alarm.step()) {
            followAlarm();
            frame4->showRinging();
        }
    });
    connect(timer2, &QTimer::timeout, frame4,
            [state, frame4] { frame4->showFrame(state->alarm.frameStep()); });
    connect(timer3, &QTimer::timeout, this,
            [this, state] { state->alarm.soundStep(prefs_.alarmSound, prefs_.alarmSoundFile); });
    connect(frame4, &AlarmDisplay::stopRequested, this, [state, frame4, followAlarm] {
        state->alarm.stop();
        followAlarm();
        frame4->hideAll();
    });
}

void Haupt::startReminderTimer() {
    if (menuAction(QStringLiteral("geban"))->isChecked()) {
        findChild<QTimer*>(QStringLiteral("Timer5"), Qt::FindDirectChildrenOnly)->start();
    }
}

}  // namespace vondrik
