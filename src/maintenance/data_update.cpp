// The update run: index, counter, downloads and inserts, one update file at a time.
#include "maintenance/data_update.h"

#include <QFile>

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "maintenance/backup_files.h"
#include "ui/cp1252.h"
#include "ui/text_file.h"

namespace vondrik {
namespace {

// A local copy holds exactly what the server sent; an identical file is left alone.
bool writeLocalCopy(const QString& path, const QByteArray& bytes) {
    if (readFileBytes(path) == bytes) {
        return true;
    }
    return writeFileBytes(path, bytes, true);
}

// Gives the previous content back, or removes a file that was not there before.
void restoreFile(const QString& path, const std::optional<QByteArray>& previous) {
    if (previous) {
        writeFileBytes(path, *previous, true);
    } else {
        QFile::remove(path);
    }
}

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
    if (!writeLocalCopy(localIndexFile(folder_), body)) {
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
        QFile::remove(localIndexFile(folder_));
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
        removeLocalUpdateFiles(folder_);
        if (!ok) {
            log.protokoll(inserted.arg(result.inserted));
            result.outcome = UpdateOutcome::Failed;
            return result;
        }
    }
    if (index.newest <= applied) {
        // A first run against an index that announces 0: the counter notes it as any run does.
        writeFileBytes(counterFile(folder_), counterBytes(index.newest), true);
    }
    log.melden(inserted.arg(result.inserted));
    result.outcome = UpdateOutcome::Applied;
    return result;
}

bool DataUpdate::store(const UpdateLog& log, qint64 number, const QByteArray& body) {
    // An update file is never empty, so an empty answer is a failed download; stopping here
    // leaves the counter before it and the next run fetches it again.
    if (body.isEmpty()) {
        log.melden(QStringLiteral("Update Nr. %1 konnte nicht geladen werden!").arg(number));
        return false;
    }
    if (!writeLocalCopy(localUpdateFile(folder_, number), body)) {
        log.melden(QStringLiteral("Update Nr. %1 kann nicht im Ordner daten gespeichert werden!")
                       .arg(number));
        return false;
    }
    log.protokoll(QStringLiteral("schreibe Daten von Update Nr. %1").arg(number));
    return true;
}

bool DataUpdate::apply(const UpdateLog& log, qint64 number, const QByteArray& body, int& inserted) {
    const QString counterPath = counterFile(folder_);
    const std::optional<QByteArray> previousCounter = readFileBytes(counterPath);
    const QString notSaved = QStringLiteral("Update Nr. %1 konnte nicht gespeichert werden: %2");
    // The inserts and the counter stand or fall together, so an update is never applied twice
    // and never lost: the counter is written inside the transaction, just before its commit.
    try {
        session_.database().Execute(QStringLiteral("BEGIN"));
    } catch (const DatabaseError& e) {
        log.melden(notSaved.arg(number).arg(e.message()));
        return false;
    }
    const int added = insertLines(log, body);
    if (!writeFileBytes(counterPath, counterBytes(number), true)) {
        rollback();
        log.melden(
            notSaved.arg(number).arg(QStringLiteral("Der Zähler %1 kann nicht geschrieben werden.")
                                         .arg(shownPath(counterPath))));
        return false;
    }
    try {
        session_.database().Execute(QStringLiteral("COMMIT"));
    } catch (const DatabaseError& e) {
        rollback();
        restoreFile(counterPath, previousCounter);
        log.melden(notSaved.arg(number).arg(e.message()));
        return false;
    }
    inserted += added;
    return true;
}

void DataUpdate::rollback() {
    try {
        session_.database().Execute(QStringLiteral("ROLLBACK"));
    } catch (const DatabaseError&) {
        // Nothing more to undo: a failed COMMIT may already have ended the transaction.
    }
}

int DataUpdate::insertLines(const UpdateLog& log, const QByteArray& body) {
    const QStringList lines = splitLines(decodeCp1252(body));
    int added = 0;
    for (int n = 0; n < lines.size(); ++n) {
        const UpdateLine line = parseUpdateLine(lines[n]);
        switch (line.kind) {
            case UpdateLine::Empty:
                continue;
            case UpdateLine::NoTab:
                log.protokoll(skipped(n + 1, refusalReason(line.kind), line.text));
                continue;
            case UpdateLine::BadLength:
                log.protokoll(skipped(n + 1, refusalReason(line.kind), line.word));
                continue;
            case UpdateLine::Entry:
                break;
        }
        const LengthTable table = *tableForLength(int(line.word.size()));
        try {
            session_.execute(statement(Family::Insert, table,
                                       {cleanLiteral(line.word), cleanLiteral(line.meaning)}));
            ++added;
        } catch (const DatabaseError& e) {
            log.protokoll(
                skipped(n + 1, QStringLiteral("von der Datenbank abgelehnt (%1)").arg(e.message()),
                        line.word));
        }
    }
    return added;
}

}  // namespace vondrik
