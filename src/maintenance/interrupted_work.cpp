// The start-up clean-up. Every step is safe to repeat, so a program that dies during the
// clean-up itself is cleaned up at the next start just the same.
#include "maintenance/interrupted_work.h"

#include <QDir>
#include <QFileInfo>

#include "maintenance/backup_files.h"
#include "maintenance/update_files.h"

namespace vondrik {
namespace {

// The marker's first byte says whether a counter follows.
constexpr char kWithCounter = 'Z';
constexpr char kWithoutCounter = '-';

void removeMatching(const FileSteps& files, const QString& folder, const QStringList& patterns) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::Files | QDir::Hidden)) {
        files.remove(dir.filePath(name));
    }
}

void finishBackup(const AppFolder& folder, const FileSteps& files) {
    const QString target = backupFolder(folder);
    const QString aside = target + QStringLiteral(".alt");
    if (QFileInfo::exists(aside)) {
        if (QFileInfo::exists(target)) {
            files.removeFolder(aside);
        } else {
            files.replace(aside, target);
        }
    }
    files.removeFolder(target + QStringLiteral(".neu"));
}

// A journal whose header was never completed belongs to a transaction that had not yet
// touched the database file: the engine itself does not count it as hot, but leaves it lying
// there. A hot one stays, for the engine to roll back when the file is opened.
void removeColdJournal(const QString& database, const FileSteps& files) {
    const QString journal = database + QStringLiteral("-journal");
    const std::optional<QByteArray> bytes = readFileBytes(journal);
    if (bytes && (bytes->isEmpty() || bytes->front() == '\0')) {
        files.remove(journal);
    }
}

}  // namespace

QByteArray restoreMarkerBytes(const std::optional<QByteArray>& counter) {
    return counter ? kWithCounter + *counter : QByteArray(1, kWithoutCounter);
}

bool finishRestore(const AppFolder& folder, const FileSteps& files) {
    const QString marker = restoreMarkerFile(folder);
    const std::optional<QByteArray> bytes = readFileBytes(marker);
    if (!bytes || bytes->isEmpty()) {
        files.remove(marker);  // written in one step, so never half; not ours if empty
        return true;
    }
    const bool done = bytes->front() == kWithCounter
                          ? files.writeFile(counterFile(folder), bytes->mid(1))
                          : files.remove(counterFile(folder));
    files.mark();
    if (done) {
        files.remove(marker);
        files.mark();
    }
    return done;
}

void removeNewDatabase(const AppFolder& folder, const FileSteps& files) {
    const QString fresh = newDatabaseFile(folder);
    for (const char* suffix : {"", "-journal", ".neu", ".neu-journal", ".alt", ".tmp"}) {
        files.remove(fresh + QLatin1String(suffix));
    }
}

void finishInterruptedWork(const AppFolder& folder, const FileSteps& files) {
    const QString database = databaseFile(folder);
    const QString fresh = newDatabaseFile(folder);
    if (QFileInfo::exists(restoreMarkerFile(folder))) {
        // The marker is written only once the new database is complete.
        if (QFileInfo::exists(fresh)) {
            files.replace(fresh, database);
        }
        finishRestore(folder, files);
    }
    removeNewDatabase(folder, files);
    removeColdJournal(database, files);
    const QString movedAside = database + QStringLiteral(".bisher");
    if (QFileInfo::exists(movedAside)) {
        if (QFileInfo::exists(database)) {
            files.remove(movedAside);
        } else {
            files.replace(movedAside, database);
        }
    }

    const QString daten = QFileInfo(database).path();
    // Temporary files of the counter, the marker and the downloads, and those of earlier
    // versions, which wrote the counter through QSaveFile.
    removeMatching(
        files, daten,
        {FileSteps::temporaryFor(QStringLiteral("*")), QStringLiteral("anzup.sis.??????")});
    removeLocalUpdateFiles(folder, files);
    files.remove(localIndexFile(folder));
    // The settings and the notebook are replaced in the application folder itself.
    removeMatching(files, folder.root(), {FileSteps::temporaryFor(QStringLiteral("*"))});
    finishBackup(folder, files);
}

}  // namespace vondrik
