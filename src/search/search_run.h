// Running a search statement and turning its rows into result lines.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "dictionary/dictionary_session.h"

namespace vondrik {

struct SearchResult {
    QStringList lines;
    QString error;         // engine message of a failed statement; empty when all went well
    bool tooMany = false;  // the all-lengths search stopped at its line limit
    int tabStop = 0;       // the result list's tab stop for these lines, dialog units
};

// Decides per row (by its word) whether the result line is listed.
using RowFilter = std::function<bool(QStringView begriff)>;

// Opens one statement and lists every row (or every row the filter keeps).
SearchResult runSearch(DictionarySession& session, const QString& sql, const RowFilter& keep = {});

// Adds the result lines of a result set to lines, up to limit lines in all.
// Returns false when a further row would have gone beyond the limit.
bool appendResultLines(Recordset rs, QStringList& lines, const RowFilter& keep, qsizetype limit);

}  // namespace vondrik
