// The rows of the editor's two lists: word, TAB, meaning, then the record number pushed out
// of sight by 80 blanks; and how such rows are ordered, read back and searched for.
#pragma once

#include <QString>
#include <QStringList>

namespace vondrik {

// Blanks between the meaning and the record number of an editor row.
inline constexpr int kRowNumberGap = 80;

// One editor row for an entry.
QString editorRow(QStringView begriff, QStringView bedeutung, qint64 recordNumber);

// The record number at the end of an editor row, whatever its number of digits; 0 when the
// row ends in no number.
qint64 recordNumberOfRow(QStringView row);

// The editor's tab stop for a word length, in dialog units: 30 for 2 letters, 95 for 15.
inline int editorTabStop(int length) {
    return 30 + 5 * (length - 2);
}

// The rows in the order of the sorted list: German alphabetical order of the whole row,
// without regard to case; rows that compare equal keep their order.
QStringList sortedRows(const QStringList& rows);

// A text as a LIKE pattern that matches exactly that text: apostrophes doubled for the
// statement literal, the wildcards "*", "?", "#" and "[" each enclosed in brackets.
QString likeLiteral(const QString& text);

}  // namespace vondrik
