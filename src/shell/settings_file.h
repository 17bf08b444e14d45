// The settings file "\vondrik.ini": twelve lines holding the preferences, and a thirteenth for
// the crossword spelling that files of older versions lack (it is off then); code page 1252
// with CR LF, read when the main window loads and written when it closes.
#pragma once

#include <QStringList>

#include "shell/preferences.h"
#include "ui/app_folder.h"

namespace vondrik {

inline constexpr char16_t kSettingsFile[] = u"\\vondrik.ini";
inline constexpr int kSettingsLines = 12;

struct SettingsRead {
    Preferences prefs;
    // One description per load error: a line missing from a short file, or a file that
    // exists but cannot be read. A missing file is no error.
    QStringList errors;
};

// The preferences of the settings file below `folder`, or the defaults where it has none.
// Lines that are no usable number where a number belongs keep their default; sound files
// and the picture that name no existing file fall back to their default paths.
SettingsRead readSettingsFile(const AppFolder& folder);

// The lines for `prefs`, whose font name and size must be filled in.
QStringList settingsLines(const Preferences& prefs);

// Replaces the settings file with the lines for `prefs`; the old file stays whole when the
// write fails. False when the file could not be written.
bool writeSettingsFile(const AppFolder& folder, const Preferences& prefs);

}  // namespace vondrik
