// The files of a backup below the application folder, and the data-update counter it saves.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "ui/app_folder.h"

namespace vondrik {

// The backup folder "Sicherung" and, beside it while a backup is written, the new set.
QString backupFolder(const AppFolder& folder);
// "7.dat" for the table of seven-letter words.
QString backupFileName(int length);
QString backupFile(const AppFolder& folder, int length);
QString counterCopyFile(const AppFolder& folder);

// The data update's counter file; missing until the first update was applied.
QString counterFile(const AppFolder& folder);

// The dictionary database, and the complete new one a restore puts in its place.
QString databaseFile(const AppFolder& folder);
QString newDatabaseFile(const AppFolder& folder);
// Written (complete) once the new database is complete; it holds what the counter file is to
// hold afterwards. While it exists, the restore is decided and the next start finishes it.
QString restoreMarkerFile(const AppFolder& folder);

// Called with the progress bar's new value (0 to 16) between the steps of a backup or restore;
// the window shows it and lets pending events run there.
using ProgressStep = std::function<void(int value)>;

// A path as the user reads it in a message.
QString shownPath(const QString& path);

// All bytes of a file; nothing when it is missing or cannot be read.
std::optional<QByteArray> readFileBytes(const QString& path);

}  // namespace vondrik
