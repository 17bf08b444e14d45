// Statement in, result lines out; engine errors are handed back, never thrown at a window.
#include "search/search_run.h"

#include <limits>

#include "dictionary/cleaning.h"

namespace vondrik {

bool appendResultLines(Recordset rs, QStringList& lines, const RowFilter& keep, qsizetype limit) {
    for (; !rs.Eof(); rs.MoveNext()) {
        const QStringView begriff = rs.textView(u"Begriff");
        if (keep && !keep(begriff)) {
            continue;
        }
        if (lines.size() >= limit) {
            return false;
        }
        lines.append(resultLine(begriff, rs.textView(u"Bedeutung")));
    }
    return true;
}

SearchResult runSearch(DictionarySession& session, const QString& sql, const RowFilter& keep) {
    SearchResult result;
    try {
        appendResultLines(session.open(sql), result.lines, keep,
                          std::numeric_limits<qsizetype>::max());
    } catch (const DatabaseError& e) {
        result.error = e.message();
    }
    return result;
}

}  // namespace vondrik
