// The figures of the database statistics: per length table the records, answer words,
// explanations and words of text, counted by reading every record.
#pragma once

#include <QString>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"

namespace vondrik {

// One row of the statistics: a length table, or the total of all of them.
struct TableFigures {
    qint64 datensaetze = 0;   // records
    qint64 begriffe = 0;      // answer words: one per record
    qint64 erklaerungen = 0;  // explanations: the meanings' parts between commas
    qint64 woerter = 0;       // words: the answer plus the meaning's parts between blanks

    TableFigures& operator+=(const TableFigures& other);
    friend bool operator==(const TableFigures&, const TableFigures&) = default;
};

// Parts of a meaning split at one separator: none for the empty text, otherwise one more
// than the separators in it (two separators in a row leave an empty part that counts too).
qint64 partCount(QStringView meaning, QChar separator);

// The statement that reads a whole length table for counting.
QString statisticsStatement(const LengthTable& table);

// Counts every record of a result set from its current row on. A missing meaning counts as
// an empty one.
TableFigures countFigures(Recordset records);

// Reads one length table through the session and counts it. Throws DatabaseError.
TableFigures countTable(DictionarySession& session, const LengthTable& table);

}  // namespace vondrik
