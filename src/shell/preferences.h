// The user's preferences as the main window holds them while the program runs.
#pragma once

#include <QString>

#include "ui/app_folder.h"

namespace vondrik {

// Colours are stored as red + 256 * green + 65536 * blue.
inline constexpr int kDefaultListBackground = 12648447;  // light yellow
inline constexpr int kDefaultListText = 16711680;        // blue

struct Preferences {
    int listBackground = kDefaultListBackground;
    int listText = kDefaultListText;
    QString fontName;        // empty: the list's designed font
    double fontSize = 0;     // 0: the list's designed size
    bool reminders = false;  // menu item geban checked
    QString picture;
    bool successSound = true;
    bool failureSound = true;
    bool alarmSound = true;
    QString successSoundFile;
    QString failureSoundFile;
    QString alarmSoundFile;
    bool boxSpelling = false;  // crossword spelling: Ä = AE, ß = SS, one letter per box

    // The defaults, with every path below the application folder.
    static Preferences defaults(const AppFolder& folder);
};

// Copies the three sound switches and files, the part of the preferences the sound panel edits.
void takeSounds(Preferences& into, const Preferences& from);

}  // namespace vondrik
