// The update run: index, counter, downloads and inserts, one update file at a time.
#include "maintenance/data_update.h"

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "maintenance/backup_files.h"

namespace vondrik {
namespace {

QString skipped(int lineNumber, const QString& reason, const QString& what) {
    return QStringLiteral("Zeile %1 übersprungen, %2: %3").arg(lineNumber).arg(reason, what);
}

}  // namespace

UpdateResult DataUpdate::run(const UpdateLog& given) {
    if (running_) {
        return {};
    }
    UpdateLog log = given;
    for (auto* sink : {&log.protokoll, &log.melden}) {
        if (!*sink) {
            *sink = [](const QString&) {};
        }
    }
    running_ = true;
    stopRequested_ = false;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};

    UpdateResult result;
    const UpdateServer server = readUpdateServer(folder_);
    if (!server.ok()) {
        log.melden(server.error);
        result.outcome = UpdateOutcome::BadServer;
        return result;
    }
    const QByteArray body = http_.get(server.url(indexServerPath()), kTimeoutMs);
    if (stopRequested_) {
        result.outcome = UpdateOutcome::Stopped;
        return result;
    }
    // An empty answer is stored too: it reads as an invalid index below.
    if (!keepLocalCopy(localIndexFile(folder_), body)) {
        log.melden(QStringLiteral("Vondrik 2000 kann keine Verbindung zum Server herstellen!"));
        result.outcome = UpdateOutcome::NoFile;
        return result;
    }
    const UpdateIndex index = parseIndex(body);
    if (!index.valid()) {
        // The local copy stays, so what the server sent can be looked at.
        log.melden(QStringLiteral("Vondrik 2000 kann keine Verbindung zum http//%1 herstellen!")
                       .arg(server.host));
        result.outcome = UpdateOutcome::InvalidIndex;
        return result;
    }
    log.melden(QStringLiteral("Verbindung zu http//%1 ist hergestellt!").arg(server.host));
    result = fetchUpdates(log, server, index);
    if (result.outcome != UpdateOutcome::Stopped) {
        files_.remove(localIndexFile(folder_));
        files_.mark();
        result.version = index.version;
        // An index without a version line announces nothing.
        result.newVersion =
            !index.version.isEmpty() && index.version != QStringView(kProgramVersion);
    }
    return result;
}

UpdateResult DataUpdate::fetchUpdates(const UpdateLog& log, const UpdateServer& server,
                                      const UpdateIndex& index) {
    UpdateResult result;
    // A missing, empty or unreadable counter, or one at 0 or below, starts from update 1.
    // Nothing is written before update 1 is applied: a "1" written ahead would claim it.
    const std::optional<qint64> counter = readCounter(counterFile(folder_));
    const bool first = !counter || *counter <= 0;
    const qint64 applied = first ? 0 : *counter;
    if (!first && applied >= index.newest) {
        log.melden(QStringLiteral("Es sind leider keine aktuellen Datenupdates verfügbar!"));
        result.outcome = UpdateOutcome::NothingNew;
        return result;
    }

    const QString inserted = QStringLiteral("%1 neue Datensätze wurden erfolgreich eingefügt!");
    for (qint64 i = applied + 1; i <= index.newest; ++i) {
        log.melden(QStringLiteral("Lade Update Nr. %1").arg(i));
        const QByteArray body = http_.get(server.url(updateServerPath(i)), kTimeoutMs);
        if (stopRequested_) {
            result.outcome = UpdateOutcome::Stopped;
            return result;
        }
        const bool ok = store(log, i, body) && apply(log, i, body, result.inserted);
        removeLocalUpdateFiles(folder_, files_);
        files_.mark();
        if (!ok) {
            // What the earlier updates of this run brought is in; a count of none says nothing.
            if (result.inserted > 0) {
                log.protokoll(inserted.arg(result.inserted));
            }
            result.outcome = UpdateOutcome::Failed;
            return result;
        }
    }
    if (index.newest <= applied) {
        // A first run against an index that announces 0: the counter notes it as any run does.
        files_.writeFile(counterFile(folder_), counterBytes(index.newest));
    }
    log.melden(inserted.arg(result.inserted));
    result.outcome = UpdateOutcome::Applied;
    return result;
}

bool DataUpdate::keepLocalCopy(const QString& path, const QByteArray& bytes) {
    // A local copy holds exactly what the server sent; an identical file is left alone.
    return readFileBytes(path) == bytes || files_.writeFile(path, bytes);
}

bool DataUpdate::store(const UpdateLog& log, qint64 number, const QByteArray& body) {
    // An update file is never empty, so an empty answer is a failed download; stopping here
    // leaves the counter before it and the next run fetches it again.
    if (body.isEmpty()) {
        log.melden(QStringLiteral("Update Nr. %1 konnte nicht geladen werden!").arg(number));
        return false;
    }
    const QString local = localUpdateFile(folder_, number);
    if (!keepLocalCopy(local, body)) {
        log.melden(QStringLiteral("Update Nr. %1 kann nicht im Ordner daten gespeichert werden!")
                       .arg(number));
        return false;
    }
    files_.mark();
    log.protokoll(QStringLiteral("schreibe Daten von Update Nr. %1").arg(number));
    return true;
}

bool DataUpdate::apply(const UpdateLog& log, qint64 number, const QByteArray& body, int& inserted) {
    const QString notSaved = QStringLiteral("Update Nr. %1 konnte nicht gespeichert werden: %2");
    int added = 0;
    try {
        Transaction rows(session_.database());
        HeldEntries held;
        added = insertLines(log, body, held);
        files_.mark();
        rows.commit();
    } catch (const DatabaseError& e) {
        log.melden(notSaved.arg(number).arg(e.message()));
        return false;
    }
    inserted += added;
    files_.mark();
    // Should this fail, or the program die first, the next run applies the update again and
    // inserts nothing twice.
    const QString counterPath = counterFile(folder_);
    if (!files_.writeFile(counterPath, counterBytes(number))) {
        log.melden(
            notSaved.arg(number).arg(QStringLiteral("Der Zähler %1 kann nicht geschrieben werden.")
                                         .arg(shownPath(counterPath))));
        return false;
    }
    files_.mark();
    return true;
}

QSet<QString>& DataUpdate::heldEntries(const LengthTable& table, HeldEntries& held) {
    auto found = held.find(table.length);
    if (found == held.end()) {
        QSet<QString> keys;
        Recordset rs = session_.database().OpenRecordset(statement(Family::WholeTable, table, {}));
        for (; !rs.Eof(); rs.MoveNext()) {
            keys.insert(entryKey(rs.textView(u"Begriff"), rs.textView(u"Bedeutung")));
        }
        found = held.emplace(table.length, std::move(keys)).first;
    }
    return found->second;
}

int DataUpdate::insertLines(const UpdateLog& log, const QByteArray& body, HeldEntries& held) {
    const UpdateText text = readUpdateText(body);
    if (text.utf8) {
        log.protokoll(QStringLiteral("Die Datei ist in UTF-8 geschrieben und wird so gelesen."));
    }
    int added = 0;
    int known = 0;
    for (int n = 0; n < text.lines.size(); ++n) {
        const UpdateLine line = parseUpdateLine(text.lines[n]);
        switch (line.kind) {
            case UpdateLine::Empty:
                continue;
            case UpdateLine::NoTab:
            case UpdateLine::Foreign:
                log.protokoll(skipped(n + 1, refusalReason(line.kind), line.text));
                continue;
            case UpdateLine::BadLength:
                log.protokoll(skipped(n + 1, refusalReason(line.kind), line.word));
                continue;
            case UpdateLine::Entry:
                break;
        }
        const LengthTable table = *tableForLength(int(line.word.size()));
        QSet<QString>& entries = heldEntries(table, held);
        const QString key = entryKey(line.word, line.meaning);
        if (entries.contains(key)) {
            ++known;
            continue;
        }
        try {
            session_.execute(statement(Family::Insert, table,
                                       {cleanLiteral(line.word), cleanLiteral(line.meaning)}));
            entries.insert(key);
            ++added;
        } catch (const DatabaseError& e) {
            log.protokoll(
                skipped(n + 1, QStringLiteral("von der Datenbank abgelehnt (%1)").arg(e.message()),
                        line.word));
            continue;
        }
        if (line.respelled) {
            log.protokoll(QStringLiteral("Zeile %1 in der Schreibweise von Windows-1252 "
                                         "gespeichert: %2")
                              .arg(n + 1)
                              .arg(line.word + u'\t' + line.meaning));
        }
    }
    if (known > 0) {
        log.protokoll(QStringLiteral("%1 Einträge waren schon vorhanden und wurden übersprungen.")
                          .arg(known));
    }
    return added;
}

}  // namespace vondrik
