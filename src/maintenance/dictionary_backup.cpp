// Backup: the tables are scrambled into a fresh folder, which then trades places with the old
// one.
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

BackupResult failed(const FileSteps& files, const QString& fresh, const QString& why) {
    files.removeFolder(fresh);
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

// Puts the complete set fresh in place of target. Where the file system cannot swap two
// folders, the old set is moved aside first; the start-up clean-up puts it back should the
// program die between the two renames.
bool putInPlace(const FileSteps& files, const QString& fresh, const QString& target) {
    if (!QFileInfo::exists(target)) {
        return files.replace(fresh, target);
    }
    // Once the new set is in place the backup has succeeded; an old set that cannot be
    // removed now goes at the next start.
    if (files.exchange(fresh, target)) {
        files.mark();
        files.removeFolder(fresh);  // now the old set
        return true;
    }
    const QString aside = target + QStringLiteral(".alt");
    files.removeFolder(aside);
    if (!files.replace(target, aside)) {
        return false;
    }
    files.mark();
    if (!files.replace(fresh, target)) {
        files.replace(aside, target);
        return false;
    }
    files.mark();
    files.removeFolder(aside);
    return true;
}

}  // namespace

BackupResult backupDictionary(DictionarySession& session, const AppFolder& folder,
                              const ProgressStep& progress, const FileSteps& files) {
    const QString target = backupFolder(folder);
    const QString fresh = target + QStringLiteral(".neu");
    report(progress, 0);

    // Left over when an earlier backup was interrupted; never the only complete set.
    files.removeFolder(fresh);
    if (!QDir().mkpath(fresh)) {
        return failed(
            files, fresh,
            QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(shownPath(fresh)));
    }

    // Before the first data update there is no counter file, and then no copy: a restore of
    // this set removes the counter, so the next update starts with update 1.
    const QString counterPath = counterFile(folder);
    if (QFileInfo::exists(counterPath)) {
        const auto bytes = readFileBytes(counterPath);
        const QString counterCopy = fresh + QStringLiteral("/upd.int");
        if (!bytes) {
            return failed(files, fresh,
                          QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                              .arg(shownPath(counterPath)));
        }
        if (!files.writeScratchFile(counterCopy, *bytes)) {
            return failed(files, fresh, cannotWrite(counterCopy));
        }
        files.mark();
    }

    for (const LengthTable& table : lengthTables()) {
        QByteArray bytes;
        try {
            bytes = scrambledTable(session.open(statement(Family::WholeTable, table, {})));
        } catch (const DatabaseError& e) {
            return failed(files, fresh,
                          QStringLiteral("Die Tabelle %1 kann nicht gelesen werden: %2")
                              .arg(QLatin1String(table.name), e.message()));
        }
        const QString file = fresh + u'/' + backupFileName(table.length);
        if (!files.writeScratchFile(file, bytes)) {
            return failed(files, fresh, cannotWrite(file));
        }
        files.mark();
        report(progress, table.length - 1);
    }

    FileSteps::syncFolder(fresh);
    if (!putInPlace(files, fresh, target)) {
        return failed(files, fresh,
                      QStringLiteral("Die bisherige Sicherung %1 kann nicht ersetzt werden.")
                          .arg(shownPath(target)));
    }
    report(progress, 16);
    return {true, {}};
}

}  // namespace vondrik
