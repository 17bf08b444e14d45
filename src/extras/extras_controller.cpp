// Which of the main window's reminder and alarm timers run.
#include "extras/extras_controller.h"

namespace vondrik {

ExtrasController::ExtrasController(const AppFolder& folder, const Clock& clock, SoundPlayer& sound)
    : alarm_(clock, sound), check_(folder, clock) {}

ExtrasController::Timers ExtrasController::timers() const {
    return {alarm_.waiting(), alarm_.ringing(), alarm_.ringing(), remindersOn_ && !check_.done()};
}

QString ExtrasController::activateAlarm(int hour, int minute, const QString& title) {
    alarm_.activate(hour, minute);
    return titleWithAlarm(title);
}

QString ExtrasController::deactivateAlarm() {
    alarm_.deactivate();  // a ringing alarm rings on
    return kProgramTitle.toString();
}

}  // namespace vondrik
