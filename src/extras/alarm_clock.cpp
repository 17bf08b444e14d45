// The alarm clock's states and steps.
#include "extras/alarm_clock.h"

namespace vondrik {

QString twoDigits(int value) {
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString titleWithAlarm(const QString& title) {
    return title == kProgramTitle ? title + kAlarmTitleSuffix.toString() : title;
}

AlarmClock::AlarmClock(const Clock& clock, SoundPlayer& sound) : clock_(clock), sound_(sound) {}

void AlarmClock::activate(int hour, int minute) {
    alarmTime_ = twoDigits(hour) + u':' + twoDigits(minute);
    waiting_ = true;
}

void AlarmClock::deactivate() {
    waiting_ = false;
}

void AlarmClock::stop() {
    ringing_ = false;
}

bool AlarmClock::step() {
    if (!waiting_ || clock_.now().time().toString(QStringLiteral("HH:mm")) != alarmTime_) {
        return false;
    }
    waiting_ = false;  // one alarm per activation
    ringing_ = true;
    return true;
}

int AlarmClock::frameStep() {
    const int shown = frame_;
    frame_ = (frame_ + 1) % kClockFrames;
    return shown;
}

void AlarmClock::soundStep(bool soundOn, const QString& soundFile) {
    if (ringing_ && soundOn) {
        // Whether the file could be played does not matter: the clock rings on regardless.
        sound_.play(soundFile);
    }
}

}  // namespace vondrik
