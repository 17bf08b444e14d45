// The alarm clock of the main window: the time it is set to, the check of the time of day,
// and while it rings the animation frames and the repeated alarm sound. The main window's
// timers call the three steps; the alarm tells which of them should be running.
#pragma once

#include <QString>
#include <QStringView>

#include "ui/clock.h"
#include "ui/sound_player.h"

namespace vondrik {

inline constexpr QStringView kProgramTitle = u"Vondrik 2000";
inline constexpr QStringView kAlarmTitleSuffix = u"   |  Wecker ist aktiv";
inline constexpr int kClockFrames = 5;

// "07" for 7: hours and minutes are shown and compared with two digits.
QString twoDigits(int value);

// The main window's title while an alarm is set: the suffix goes onto the plain program
// title only, so setting the alarm again does not add it twice.
QString titleWithAlarm(const QString& title);

class AlarmClock {
  public:
    AlarmClock(const Clock& clock, SoundPlayer& sound);

    // "Wecker aktivieren": waits for this hour and minute; a ringing alarm rings on.
    void activate(int hour, int minute);
    // "deaktivieren": stops waiting; a ringing alarm rings on.
    void deactivate();
    // "Wecker abstellen" or a click on the clock.
    void stop();

    // Every 5 seconds while waiting: true when the time of day has reached the alarm minute,
    // which ends the waiting and starts the ringing.
    bool step();
    // Every 300 ms while ringing: the clock frame to show now (0 to 4), advancing to the next.
    int frameStep();
    // Every 2 seconds while ringing: plays the alarm sound when its switch is on.
    void soundStep(bool soundOn, const QString& soundFile);

    bool waiting() const { return waiting_; }
    bool ringing() const { return ringing_; }
    const QString& alarmTime() const { return alarmTime_; }
    // The frame the next animation step shows; kept from one alarm to the next.
    int frame() const { return frame_; }

  private:
    const Clock& clock_;
    SoundPlayer& sound_;
    QString alarmTime_;
    bool waiting_ = false;
    bool ringing_ = false;
    int frame_ = 0;
};

}  // namespace vondrik
