// Reading and writing the lines of the settings file.
#include "shell/settings_file.h"

#include <cmath>

#include "dictionary/text.h"
#include "shell/number_text.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

// Colour values beyond 24 bits would be taken as system colours, which the list cannot show.
constexpr long long kLargestColour = 0xFFFFFF;
constexpr double kLargestFontSize = 2048;

void readColour(const QString& line, int& colour) {
    const auto value = parseWholeNumber(trimBlanks(line));
    if (value && *value >= 0 && *value <= kLargestColour) {
        colour = static_cast<int>(*value);
    }
}

void readFontSize(const QString& line, double& size) {
    const auto value = parseNumber(line);
    if (value && *value > 0 && *value <= kLargestFontSize) {
        size = *value;
    }
}

// "1" read as a number switches on; anything else, a word or an empty line too, switches off.
void readSwitch(const QString& line, bool& on) {
    const auto value = parseNumber(line);
    on = value && *value == 1;
}

void useDefaultWhenMissing(QString& path, const QString& fallback) {
    if (!FileExists(path)) {
        path = fallback;
    }
}

}  // namespace

SettingsRead readSettingsFile(const AppFolder& folder) {
    const Preferences defaults = Preferences::defaults(folder);
    SettingsRead result{defaults, {}};
    Preferences& p = result.prefs;
    const QString path = folder.appPath(kSettingsFile);
    if (!FileExists(path)) {
        return result;
    }
    const auto read = readLines(path);
    if (!read) {
        result.errors.append(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path));
        return result;
    }
    const QStringList& lines = *read;
    const auto line = [&](int number) -> const QString* {
        return number <= lines.size() ? &lines.at(number - 1) : nullptr;
    };
    for (int number = static_cast<int>(lines.size()) + 1; number <= kSettingsLines; ++number) {
        result.errors.append(
            QStringLiteral("Einlesen hinter Dateiende: Zeile %1 von vondrik.ini fehlt")
                .arg(number));
    }
    if (const QString* l = line(1)) {
        readColour(*l, p.listBackground);
    }
    if (const QString* l = line(2)) {
        readColour(*l, p.listText);
    }
    if (const QString* l = line(3)) {
        p.fontName = *l;
    }
    if (const QString* l = line(4)) {
        readFontSize(*l, p.fontSize);
    }
    if (const QString* l = line(5)) {
        p.reminders = *l == u"1";
    }
    if (const QString* l = line(6)) {
        p.picture = *l;
    }
    bool* const switches[] = {&p.successSound, &p.failureSound, &p.alarmSound};
    QString* const sounds[] = {&p.successSoundFile, &p.failureSoundFile, &p.alarmSoundFile};
    for (int i = 0; i < 3; ++i) {
        if (const QString* l = line(7 + i)) {
            readSwitch(*l, *switches[i]);
        }
        if (const QString* l = line(10 + i)) {
            *sounds[i] = *l;
        }
    }
    if (const QString* l = line(kSettingsLines + 1)) {
        readSwitch(*l, p.boxSpelling);
    }
    useDefaultWhenMissing(p.successSoundFile, defaults.successSoundFile);
    useDefaultWhenMissing(p.failureSoundFile, defaults.failureSoundFile);
    useDefaultWhenMissing(p.alarmSoundFile, defaults.alarmSoundFile);
    useDefaultWhenMissing(p.picture, defaults.picture);
    return result;
}

QStringList settingsLines(const Preferences& p) {
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {formatNumber(p.listBackground),
            formatNumber(p.listText),
            p.fontName,
            formatNumber(p.fontSize),
            flag(p.reminders),
            p.picture,
            flag(p.successSound),
            flag(p.failureSound),
            flag(p.alarmSound),
            p.successSoundFile,
            p.failureSoundFile,
            p.alarmSoundFile,
            flag(p.boxSpelling)};
}

bool writeSettingsFile(const AppFolder& folder, const Preferences& prefs) {
    return writeLines(folder.appPath(kSettingsFile), settingsLines(prefs));
}

}  // namespace vondrik
