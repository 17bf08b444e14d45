// Restore: the new database is built under another name and swapped in only when complete.
#include "maintenance/dictionary_restore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dictionary/statements.h"
#include "maintenance/backup_reader.h"
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

// The half-built file and what re-keying it may have left beside it.
void removeDatabaseFile(const QString& path) {
    for (const char* suffix : {"", "-journal", ".neu", ".alt"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// Creates the database at path, fills it from the backup files and sets the password; the
// German fault, or the empty text.
QString buildDatabase(const QString& path, const AppFolder& folder, const ProgressStep& progress) {
    removeDatabaseFile(path);  // left over when an earlier restore was interrupted
    QDir().mkpath(QFileInfo(path).path());
    try {
        const auto db = Database::CreateDatabase(path);
        // This file is scratch until the password is set, which writes the finished database
        // to a new file, synced as usual; waiting for the disk after every table buys nothing.
        db->Execute(QStringLiteral("PRAGMA synchronous = OFF"));
        report(progress, 1);
        for (const LengthTable& table : lengthTables()) {
            const auto appender = db->OpenTable(QLatin1String(table.name));
            report(progress, table.length);
            const QString fault =
                fillTableFromBackup(*appender, backupFile(folder, table.length), table.length);
            if (!fault.isEmpty()) {
                return fault;
            }
            appender->Close();
        }
        db->NewPassword(QString(), QLatin1String(kDictionaryPassword));
        db->Close();
    } catch (const DatabaseError& e) {
        return QStringLiteral("Die neue Datenbank %1 kann nicht angelegt werden: %2")
            .arg(shownPath(path), e.message());
    }
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

// Puts the complete file fresh in place of the database at path and connects the session to
// it; on any failure the old file is back in place and connected. The German fault, or empty.
QString replaceDatabase(DictionarySession& session, const QString& path, const QString& fresh) {
    const QString aside = path + QStringLiteral(".bisher");
    QFile::remove(aside);
    const bool hadOld = QFileInfo::exists(path);
    const bool wasOpen = session.isOpen();
    // The file cannot be renamed while a connection holds it open. The snapshot rows of
    // auswahl (and of any copy a window keeps) are in memory and stay readable.
    session.close();
    if (hadOld && !QFile::rename(path, aside)) {
        reconnectOld(session, path, wasOpen);
        return QStringLiteral(
                   "Die Datei %1 kann nicht ersetzt werden; sie ist womöglich noch "
                   "von einem anderen Programm geöffnet.")
            .arg(shownPath(path));
    }
    if (!QFile::rename(fresh, path)) {
        if (hadOld) {
            QFile::rename(aside, path);
        }
        reconnectOld(session, path, wasOpen);
        return QStringLiteral("Die Datei %1 kann nicht in %2 umbenannt werden.")
            .arg(shownPath(fresh), shownPath(path));
    }
    try {
        connect(session, path);
    } catch (const DatabaseError& e) {
        session.close();
        QFile::rename(path, fresh);  // so that the caller removes it
        if (hadOld) {
            QFile::rename(aside, path);
        }
        reconnectOld(session, path, wasOpen);
        return QStringLiteral("Die neue Datenbank kann nicht geöffnet werden: %1").arg(e.message());
    }
    QFile::remove(aside);
    return {};
}

}  // namespace

RestoreResult restoreDictionary(DictionarySession& session, const AppFolder& folder,
                                const ProgressStep& progress) {
    if (!FileExists(backupFile(folder, kLongestWord))) {
        return {RestoreStatus::NoBackup, QString::fromUtf16(kNoBackupMessage),
                QString::fromUtf16(kNoBackupTitle)};
    }
    // Read first, so that an unreadable copy stops the restore before anything is replaced.
    // A backup without a copy puts the counter back to its initial value.
    QByteArray counter = kInitialCounter;
    const QString counterCopy = counterCopyFile(folder);
    if (QFileInfo::exists(counterCopy)) {
        const auto bytes = readFileBytes(counterCopy);
        if (!bytes) {
            return failed(QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                              .arg(shownPath(counterCopy)));
        }
        counter = *bytes;
    }

    report(progress, 0);
    const QString path = folder.appPath(QString::fromLatin1(kDictionaryRelativePath));
    const QString fresh = path + QStringLiteral(".neu");
    QString fault = buildDatabase(fresh, folder, progress);
    if (fault.isEmpty()) {
        fault = replaceDatabase(session, path, fresh);
    }
    if (!fault.isEmpty()) {
        removeDatabaseFile(fresh);
        return failed(fault);
    }

    const QString counterPath = counterFile(folder);
    if (!writeFileBytes(counterPath, counter, true)) {
        return {RestoreStatus::Done,
                QStringLiteral("Die Datenbank ist zurückgeschrieben, aber der Zähler der "
                               "Datenupdates %1 konnte nicht geschrieben werden.")
                    .arg(shownPath(counterPath)),
                {}};
    }
    return {RestoreStatus::Done, {}, {}};
}

}  // namespace vondrik
