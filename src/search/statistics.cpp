// Counting the statistics figures of the length tables.
#include "search/statistics.h"

#include "dictionary/statements.h"

namespace vondrik {

TableFigures& TableFigures::operator+=(const TableFigures& other) {
    datensaetze += other.datensaetze;
    begriffe += other.begriffe;
    erklaerungen += other.erklaerungen;
    woerter += other.woerter;
    return *this;
}

qint64 partCount(QStringView meaning, QChar separator) {
    return meaning.isEmpty() ? 0 : meaning.count(separator) + 1;
}

QString statisticsStatement(const LengthTable& table) {
    return statement(Family::Everything, table, {});
}

TableFigures countFigures(Recordset records) {
    TableFigures figures;
    qint64 textWords = 0;
    for (; !records.Eof(); records.MoveNext()) {
        // A NULL meaning reads as the empty text.
        const QStringView meaning = records.textView(u"Bedeutung");
        figures.erklaerungen += partCount(meaning, u',');
        textWords += partCount(meaning, u' ');
        ++figures.datensaetze;
    }
    figures.begriffe = figures.datensaetze;
    figures.woerter = figures.datensaetze + textWords;
    return figures;
}

TableFigures countTable(DictionarySession& session, const LengthTable& table) {
    return countFigures(session.open(statisticsStatement(table)));
}

}  // namespace vondrik
