// The main window's reminders and alarm clock without the window: what each tick of their
// four timers does, and which of the timers run. The window starts and stops its timers as
// timers() says after every event it hands over.
#pragma once

#include <QStringList>

#include "extras/alarm_clock.h"
#include "extras/reminder_check.h"

namespace vondrik {

class ExtrasController {
  public:
    ExtrasController(const AppFolder& folder, const Clock& clock, SoundPlayer& sound);

    struct Timers {
        bool timeCheck = false;  // Timer1: the alarm waits for its minute
        bool animation = false;  // Timer2: the clock's pictures while it rings
        bool sound = false;      // Timer3: the alarm sound while it rings
        bool reminders = false;  // Timer5: the reminder check, once after the start
        bool operator==(const Timers&) const = default;
    };
    Timers timers() const;

    // End of loading: with reminders switched on, the check comes once after its delay.
    void start(bool remindersOn) { remindersOn_ = remindersOn; }
    // Timer5: the lines of today in file order; the check runs once per run.
    QStringList reminderStep() { return check_.step(); }

    // "Wecker aktivieren" and "deaktivieren ": the alarm's new state and the title the main
    // window shows with it.
    QString activateAlarm(int hour, int minute, const QString& title);
    QString deactivateAlarm();
    // Timer1: true when the alarm minute has come and the clock starts ringing.
    bool timeCheckStep() { return alarm_.step(); }
    // Timer2: the clock picture to show.
    int frameStep() { return alarm_.frameStep(); }
    // Timer3: the alarm sound, when it is switched on.
    void soundStep(bool soundOn, const QString& soundFile) { alarm_.soundStep(soundOn, soundFile); }
    // "Wecker abstellen" or a click on the clock.
    void stopAlarm() { alarm_.stop(); }

  private:
    AlarmClock alarm_;
    ReminderCheck check_;
    bool remindersOn_ = false;
};

}  // namespace vondrik
