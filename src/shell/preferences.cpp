// Default preferences.
#include "shell/preferences.h"

namespace vondrik {

Preferences Preferences::defaults(const AppFolder& folder) {
    Preferences p;
    p.picture = folder.appPath(u"\\hintergrund\\h7.jpg");
    p.successSoundFile = folder.appPath(u"\\ton\\glocke.wav");
    p.failureSoundFile = folder.appPath(u"\\ton\\oooch.wav");
    p.alarmSoundFile = folder.appPath(u"\\ton\\alarm.wav");
    return p;
}

void takeSounds(Preferences& into, const Preferences& from) {
    into.successSound = from.successSound;
    into.failureSound = from.failureSound;
    into.alarmSound = from.alarmSound;
    into.successSoundFile = from.successSoundFile;
    into.failureSoundFile = from.failureSoundFile;
    into.alarmSoundFile = from.alarmSoundFile;
}

}  // namespace vondrik
