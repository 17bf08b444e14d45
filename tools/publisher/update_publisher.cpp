// Checking the entries, numbering the update and writing it with its index.
#include "publisher/update_publisher.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "dictionary/length_tables.h"
#include "maintenance/backup_files.h"
#include "maintenance/update_files.h"
#include "ui/cp1252.h"
#include "ui/text_file.h"

namespace vondrik::publisher {
namespace {

// The entries the server's updates 1 to `newest` already carry, with the update of each: the
// data update inserts every line it fetches, so publishing one again would put it into the
// dictionaries twice. Each file is read as the update run reads it.
QHash<QString, qint64> publishedEntries(const QDir& root, qint64 newest) {
    QHash<QString, qint64> published;
    for (qint64 number = 1; number <= newest; ++number) {
        const std::optional<QByteArray> bytes =
            readFileBytes(root.filePath(updateServerPath(number)));
        for (const QString& text : readUpdateText(bytes.value_or(QByteArray())).lines) {
            const UpdateLine line = parseUpdateLine(text);
            if (line.kind == UpdateLine::Entry) {
                published.insert(entryKey(line.word, line.meaning), number);
            }
        }
    }
    return published;
}

// The reason a line cannot be published, or nothing. What the update run would refuse is
// refused here too; characters outside code page 1252 are published in its spelling, as the
// update run would store them.
QString refusal(const UpdateLine& line) {
    if (line.kind != UpdateLine::Entry) {
        return refusalReason(line.kind);
    }
    if (line.text.count(u'\t') > 1) {
        return QStringLiteral("mehr als ein TAB");
    }
    if (line.meaning.size() > kMeaningSize) {
        return QStringLiteral("Bedeutung länger als %1 Zeichen").arg(kMeaningSize);
    }
    return {};
}

}  // namespace

PublishResult publishUpdate(const QString& serverRoot, const QByteArray& tsv,
                            const QString& version, const FileSteps& files) {
    PublishResult result;
    const QDir root(serverRoot);
    const QString indexPath = root.filePath(indexServerPath());
    const QDir folder(QFileInfo(indexPath).path());

    qint64 newest = 0;
    QString announced = QString::fromUtf16(kProgramVersion);
    if (const std::optional<QByteArray> bytes = readFileBytes(indexPath)) {
        const UpdateIndex index = parseIndex(*bytes);
        if (!index.valid()) {
            result.error = QStringLiteral(
                               "%1 ist kein gültiger Index (erste Zeile nicht "
                               "\"erfolgreich N\"); nichts veröffentlicht.")
                               .arg(shownPath(indexPath));
            return result;
        }
        newest = index.newest;
        if (!index.version.isEmpty()) {
            announced = index.version;
        }
    } else if (!folder.entryList({QStringLiteral("*.upd")}, QDir::Files).isEmpty()) {
        // Numbering from 1 again would replace updates the programs out there already have.
        result.error = QStringLiteral(
                           "%1 fehlt, aber %2 enthält schon Updates; nichts "
                           "veröffentlicht.")
                           .arg(shownPath(indexPath), shownPath(folder.path()));
        return result;
    }
    if (!version.isEmpty()) {
        announced = version;
    }

    QStringList entries;
    const QHash<QString, qint64> published = publishedEntries(root, newest);
    QHash<QString, int> firstLine;  // entry -> number of the input line that brought it
    // Typed in any editor: UTF-8 or code page 1252, with CR LF, LF or CR line ends.
    const QStringList lines = readUpdateText(tsv).lines;
    for (int n = 0; n < lines.size(); ++n) {
        const UpdateLine line = parseUpdateLine(lines[n]);
        if (line.kind == UpdateLine::Empty) {
            continue;
        }
        QString reason = refusal(line);
        const QString entry = entryKey(line.word, line.meaning);
        if (reason.isEmpty() && firstLine.contains(entry)) {
            reason = QStringLiteral("doppelt, wie Zeile %1").arg(firstLine.value(entry));
        } else if (reason.isEmpty() && published.contains(entry)) {
            reason =
                QStringLiteral("schon in Update %1 veröffentlicht").arg(published.value(entry));
        }
        if (!reason.isEmpty()) {
            result.refused << QStringLiteral("Zeile %1: %2: %3").arg(n + 1).arg(reason, line.text);
            continue;
        }
        firstLine.insert(entry, n + 1);
        entries << entry;
    }
    if (entries.isEmpty()) {
        result.error = QStringLiteral("Keine Zeile ist zu veröffentlichen; nichts geschrieben.");
        return result;
    }

    result.number = newest + 1;
    result.updateFile = root.filePath(updateServerPath(result.number));
    if (!QDir().mkpath(folder.path()) ||
        !files.writeFile(result.updateFile, textFileBytes(entries)) ||
        !files.writeFile(indexPath, indexFileBytes(result.number, announced))) {
        result.error = QStringLiteral(
                           "In %1 kann nicht geschrieben werden; das Update ist nicht "
                           "angekündigt.")
                           .arg(shownPath(folder.path()));
        return result;
    }
    result.published = int(entries.size());
    result.ok = true;
    return result;
}

}  // namespace vondrik::publisher
