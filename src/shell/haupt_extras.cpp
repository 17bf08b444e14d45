// The main window's reminders and alarm clock: the reminder editor and the alarm panels, the
// ringing clock, the menu items that open them, and the timers that drive them. What each
// tick does and which timers run is the extras controller's to say.
#include <QAction>
#include <QTimer>

#include "extras/alarm_display.h"
#include "extras/alarm_panel.h"
#include "extras/reminder_panel.h"
#include "shell/haupt.h"

namespace vondrik {
namespace {

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

void Haupt::followExtras() {
    const ExtrasController::Timers run = extras_.timers();
    keepRunning(Timer1, run.timeCheck);
    keepRunning(Timer2, run.animation);
    keepRunning(Timer3, run.sound);
    keepRunning(Timer5, run.reminders);
}

void Haupt::connectExtrasMenu() {
    Timer1 = makeTimer(this, QStringLiteral("Timer1"), 5000);  // alarm time check
    Timer2 = makeTimer(this, QStringLiteral("Timer2"), 300);   // clock animation
    Timer3 = makeTimer(this, QStringLiteral("Timer3"), 2000);  // alarm sound
    Timer5 = makeTimer(this, QStringLiteral("Timer5"), 6000);  // reminders, once

    auto* frame5 = new ReminderPanel(platform_, client_);
    auto* frame3 = new AlarmPanel(client_);
    auto* frame4 = new AlarmDisplay(platform_.appFolder, client_);

    connect(menuAction(QStringLiteral("gebbe")), &QAction::triggered, frame5, &ReminderPanel::open);
    connect(Timer5, &QTimer::timeout, this, [this] {
        const QStringList due = extras_.reminderStep();
        followExtras();
        for (const QString& line : due) {
            platform_.messageBox.show(line, QStringLiteral("Erinnerung"), MessageIcon::Exclamation);
        }
    });

    connect(menuAction(QStringLiteral("wecker")), &QAction::triggered, frame3, &AlarmPanel::open);
    connect(frame3, &AlarmPanel::activated, this, [this](int hour, int minute) {
        setWindowTitle(extras_.activateAlarm(hour, minute, windowTitle()));
        followExtras();
    });
    connect(frame3, &AlarmPanel::deactivated, this, [this] {
        setWindowTitle(extras_.deactivateAlarm());
        followExtras();
    });
    connect(Timer1, &QTimer::timeout, this, [this, frame4] {
        if (extras_.timeCheckStep()) {
            followExtras();
            frame4->showRinging();
        }
    });
    connect(Timer2, &QTimer::timeout, frame4,
            [this, frame4] { frame4->showFrame(extras_.frameStep()); });
    connect(Timer3, &QTimer::timeout, this,
            [this] { extras_.soundStep(prefs_.alarmSound, prefs_.alarmSoundFile); });
    connect(frame4, &AlarmDisplay::stopRequested, this, [this, frame4] {
        extras_.stopAlarm();
        followExtras();
        frame4->hideAll();
    });
}

void Haupt::startReminderTimer() {
    extras_.start(menuAction(QStringLiteral("geban"))->isChecked());
    followExtras();
}

}  // namespace vondrik
