// Reading a length table once per generation.
#include "puzzles/table_scans.h"

#include "dictionary/statements.h"
#include "dictionary/text.h"

namespace vondrik {

const TableRows& TableScans::rows(const LengthTable& table) {
    std::optional<TableRows>& kept = tables_[table.length - kShortestWord];
    if (kept) {
        return *kept;
    }
    Recordset auswahl = session_.open(statement(Family::WholeTableBlank, table, {}));
    TableRows rows;
    rows.reserve(static_cast<std::size_t>(auswahl.RecordCount()));
    for (; !auswahl.Eof(); auswahl.MoveNext()) {
        TableRow row{auswahl.text(u"Begriff"), auswahl.text(u"Bedeutung"), QString()};
        row.upper = upperKeepLength(row.begriff);
        rows.push_back(std::move(row));
    }
    ++count_;
    kept = std::move(rows);
    return *kept;
}

void TableScans::forget() {
    for (std::optional<TableRows>& kept : tables_) {
        kept.reset();
    }
    count_ = 0;
}

}  // namespace vondrik
