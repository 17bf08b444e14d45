// Restore: the new database is built under another name and swapped in only when complete.
#include "maintenance/dictionary_restore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dictionary/statements.h"
#include "maintenance/backup_reader.h"
#include "maintenance/interrupted_work.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

void report(const ProgressStep& progress, int value) {
    if (progress) {
        progress(value);
    }
}

RestoreResult failed(const QString& why) {
    return {RestoreStatus::Failed,
            QStringLiteral("Die Sicherung kann nicht zurückgeschrieben werden.\n") + why +
                QStringLiteral("\nDie bisherige Datenbank bleibt unverändert in Gebrauch."),
            {}};
}

// Creates the database at path, fills it from the backup files and sets the password; the
// German fault, or the empty text.
QString buildDatabase(const QString& path, const AppFolder& folder, const ProgressStep& progress,
                      const FileSteps& files) {
    removeNewDatabase(folder, files);  // left over when an earlier restore was interrupted
    QDir().mkpath(QFileInfo(path).path());
    try {
        const auto db = Database::CreateDatabase(path);
        // This file is scratch until the password is set, which writes the finished database
        // to a new file, synced; waiting for the disk after every table buys nothing.
        db->Execute(QStringLiteral("PRAGMA synchronous = OFF"));
        report(progress, 1);
        files.mark();
        Transaction rows(*db);
        for (const LengthTable& table : lengthTables()) {
            const auto appender = db->OpenTable(QLatin1String(table.name));
            report(progress, table.length);
            const QString fault =
                fillTableFromBackup(*appender, backupFile(folder, table.length), table.length);
            if (!fault.isEmpty()) {
                return fault;
            }
            appender->Close();
            files.mark();
        }
        rows.commit();
        files.mark();
        db->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        db->Close();
    } catch (const DatabaseError& e) {
        return QStringLiteral("Die neue Datenbank %1 kann nicht angelegt werden: %2")
            .arg(shownPath(path), e.message());
    }
    files.mark();
    report(progress, 16);
    return {};
}

// Gives the session a connection to path and runs the warm-up statement, as at start-up.
void connect(DictionarySession& session, const QString& path) {
    session.attach(Database::OpenDatabase(path, dictionaryConnect()));
    session.open(statement(Family::WarmUp, *tableForLength(kShortestWord), {}));
}

void reconnectOld(DictionarySession& session, const QString& path, bool wasOpen) {
    if (!wasOpen) {
        return;
    }
    try {
        connect(session, path);
    } catch (const DatabaseError&) {
        session.close();  // it was fine before; the window's own statements will report it
    }
}

}  // namespace

RestoreResult restoreDictionary(DictionarySession& session, const AppFolder& folder,
                                const ProgressStep& progress, const FileSteps& files) {
    if (!FileExists(backupFile(folder, kLongestWord))) {
        return {RestoreStatus::NoBackup, QString::fromUtf16(kNoBackupMessage),
                QString::fromUtf16(kNoBackupTitle)};
    }
    // Read first, so that an unreadable copy stops the restore before anything is replaced.
    // A backup made before the first data update has no copy; the counter then goes, so the
    // next update starts from update 1 as it would have at backup time.
    std::optional<QByteArray> counter;
    const QString counterCopy = counterCopyFile(folder);
    if (QFileInfo::exists(counterCopy)) {
        counter = readFileBytes(counterCopy);
        if (!counter) {
            return failed(QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                              .arg(shownPath(counterCopy)));
        }
    }

    report(progress, 0);
    const QString path = databaseFile(folder);
    const QString fresh = newDatabaseFile(folder);
    if (const QString fault = buildDatabase(fresh, folder, progress, files); !fault.isEmpty()) {
        removeNewDatabase(folder, files);
        return failed(fault);
    }
    // From here on the restore is decided: the marker lets the next start finish it.
    const QString marker = restoreMarkerFile(folder);
    if (!files.writeFile(marker, restoreMarkerBytes(counter))) {
        removeNewDatabase(folder, files);
        return failed(
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(shownPath(marker)));
    }
    files.mark();
    const bool wasOpen = session.isOpen();
    // The snapshot rows of auswahl (and of any copy a window keeps) are in memory and stay
    // readable; the connection itself must not outlive its file.
    session.close();
    if (!files.replace(fresh, path)) {
        files.remove(marker);
        removeNewDatabase(folder, files);
        reconnectOld(session, path, wasOpen);
        return failed(
            QStringLiteral("Die Datei %1 kann nicht ersetzt werden.").arg(shownPath(path)));
    }
    files.mark();
    const bool counterSet = finishRestore(folder, files);
    try {
        connect(session, path);
    } catch (const DatabaseError& e) {
        session.close();
        return {RestoreStatus::Done,
                QStringLiteral("Die Datenbank ist zurückgeschrieben, kann aber nicht geöffnet "
                               "werden: %1")
                    .arg(e.message()),
                {}};
    }
    if (!counterSet) {
        return {RestoreStatus::Done,
                QStringLiteral("Die Datenbank ist zurückgeschrieben, aber der Zähler der "
                               "Datenupdates %1 konnte nicht geschrieben werden.")
                    .arg(shownPath(counterFile(folder))),
                {}};
    }
    return {RestoreStatus::Done, {}, {}};
}

}  // namespace vondrik
