// The lines of a backup file are taken from its bytes: they are hex digits only, so there is
// nothing to decode before unscrambling.
#include "maintenance/backup_reader.h"

#include "dictionary/storable_text.h"
#include "maintenance/backup_files.h"
#include "maintenance/scrambler.h"

namespace vondrik {
namespace {

QString lineFault(const QString& path, qsizetype line, const QString& what) {
    return QStringLiteral("Die Datei %1 ist in Zeile %2 fehlerhaft: %3")
        .arg(shownPath(path), QString::number(line), what);
}

// Whether a line is in, or why not.
QString appendLine(TableAppender& table, QByteArrayView hex, int length) {
    if (hex.size() % 2 != 0) {
        return QStringLiteral("Sie hat eine ungerade Zahl von Zeichen.");
    }
    const std::optional<QString> plain = unscrambleBytes(hex, kScrambleKey);
    if (!plain) {
        return QStringLiteral("Sie enthält andere Zeichen als Hexadezimalziffern.");
    }
    const qsizetype tab = plain->indexOf(u'\t');
    if (tab < 0) {
        return QStringLiteral(
            "Nach dem Entschlüsseln fehlt der Tabulator zwischen Wort und "
            "Bedeutung.");
    }
    // The same cleaning as every other way into the dictionary: a control character from a
    // backup edited by hand would break statements and result lines later.
    const QString word = withoutControls(plain->left(tab));
    if (word.size() != length) {
        return QStringLiteral("Das Wort „%1“ hat %2 statt %3 Buchstaben.")
            .arg(word, QString::number(word.size()), QString::number(length));
    }
    // A further TAB ends the meaning, as it always has.
    const qsizetype end = plain->indexOf(u'\t', tab + 1);
    const QString meaning = withoutControls(plain->mid(tab + 1, end < 0 ? -1 : end - tab - 1));
    try {
        table.AddNew();
        table.setValue(1, word);
        table.setValue(2, meaning);
        table.Update();
    } catch (const DatabaseError& e) {
        return QStringLiteral("Die Datenbank nimmt den Eintrag nicht an (%1).").arg(e.message());
    }
    return {};
}

}  // namespace

QString fillTableFromBackup(TableAppender& table, const QString& path, int length) {
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes) {
        return QStringLiteral("Die Datei %1 fehlt oder kann nicht gelesen werden.")
            .arg(shownPath(path));
    }
    const QByteArrayView all(*bytes);
    qsizetype start = 0;
    for (qsizetype number = 1; start < all.size(); ++number) {
        // CR LF as written; a lone CR or LF too, in case the files were copied as text.
        qsizetype end = start;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n') {
            ++end;
        }
        if (end == all.size()) {
            return lineFault(path, number,
                             QStringLiteral("Das Zeilenende fehlt; die Datei ist unvollständig."));
        }
        const QString fault = appendLine(table, all.sliced(start, end - start), length);
        if (!fault.isEmpty()) {
            return lineFault(path, number, fault);
        }
        start = end + 1;
        if (all[end] == '\r' && start < all.size() && all[start] == '\n') {
            ++start;
        }
    }
    return {};
}

}  // namespace vondrik
