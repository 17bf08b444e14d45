// Backup: the tables are scrambled into a fresh folder, which then takes the old folder's place.
#include "maintenance/dictionary_backup.h"

#include <QDir>
#include <QFileInfo>

#include "dictionary/statements.h"
#include "maintenance/scrambler.h"

namespace vondrik {
namespace {

void report(const ProgressStep& progress, int value) {
    if (progress) {
        progress(value);
    }
}

BackupResult failed(const QString& fresh, const QString& why) {
    QDir(fresh).removeRecursively();
    return {false, why + QStringLiteral("\nDie Datensicherung wurde abgebrochen; eine schon "
                                        "vorhandene Sicherung bleibt unverändert.")};
}

QString cannotWrite(const QString& path) {
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(shownPath(path));
}

// The content of one backup file: a scrambled line per record, in the result set's order.
QByteArray scrambledTable(const Recordset& rows) {
    QByteArray bytes;
    QString plain;
    Recordset rs = rows;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        plain.clear();
        plain += rs.textView(u"Begriff");
        plain += u'\t';
        plain += rs.textView(u"Bedeutung");  // NULL reads as empty text
        appendScrambled(bytes, plain, kScrambleKey);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace

BackupResult backupDictionary(DictionarySession& session, const AppFolder& folder,
                              const ProgressStep& progress) {
    const QString target = backupFolder(folder);
    const QString fresh = target + QStringLiteral(".neu");
    const QString previous = target + QStringLiteral(".alt");
    report(progress, 0);

    // Left over when an earlier backup was interrupted; never a complete set.
    QDir(fresh).removeRecursively();
    if (!QDir().mkpath(fresh)) {
        return failed(
            fresh,
            QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(shownPath(fresh)));
    }

    // Before the first data update there is no counter file; its initial value is saved.
    QByteArray counter = kInitialCounter;
    const QString counterPath = counterFile(folder);
    if (QFileInfo::exists(counterPath)) {
        const auto bytes = readFileBytes(counterPath);
        if (!bytes) {
            return failed(fresh, QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                                     .arg(shownPath(counterPath)));
        }
        counter = *bytes;
    }
    const QString counterCopy = fresh + QStringLiteral("/upd.int");
    if (!writeFileBytes(counterCopy, counter, false)) {
        return failed(fresh, cannotWrite(counterCopy));
    }

    for (const LengthTable& table : lengthTables()) {
        QByteArray bytes;
        try {
            bytes = scrambledTable(session.open(statement(Family::WholeTable, table, {})));
        } catch (const DatabaseError& e) {
            return failed(fresh, QStringLiteral("Die Tabelle %1 kann nicht gelesen werden: %2")
                                     .arg(QLatin1String(table.name), e.message()));
        }
        const QString file = fresh + u'/' + backupFileName(table.length);
        if (!writeFileBytes(file, bytes, false)) {
            return failed(fresh, cannotWrite(file));
        }
        report(progress, table.length - 1);
    }

    // The complete new set takes the old one's place; the old one goes only after that.
    QDir(previous).removeRecursively();
    const bool hadBackup = QFileInfo::exists(target);
    if (hadBackup && !QDir().rename(target, previous)) {
        return failed(fresh, QStringLiteral("Die bisherige Sicherung %1 kann nicht ersetzt werden.")
                                 .arg(shownPath(target)));
    }
    if (!QDir().rename(fresh, target)) {
        if (hadBackup) {
            QDir().rename(previous, target);
        }
        return failed(fresh, QStringLiteral("Der Ordner %1 kann nicht in %2 umbenannt werden.")
                                 .arg(shownPath(fresh), shownPath(target)));
    }
    QDir(previous).removeRecursively();
    report(progress, 16);
    return {true, {}};
}

}  // namespace vondrik
