// Editor rows: building, reading back, ordering, and exact LIKE patterns.
#include "maintenance/editor_rows.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <vector>

namespace vondrik {

QString editorRow(QStringView begriff, QStringView bedeutung, qint64 recordNumber) {
    QString row;
    row.reserve(begriff.size() + bedeutung.size() + kRowNumberGap + 24);
    row.append(begriff);
    row.append(u'\t');
    row.append(bedeutung);
    row.append(QString(kRowNumberGap, u' '));
    row.append(QString::number(recordNumber));
    return row;
}

qint64 recordNumberOfRow(QStringView row) {
    qsizetype start = row.size();
    while (start > 0 && row[start - 1] >= u'0' && row[start - 1] <= u'9') {
        --start;
    }
    bool ok = false;
    const qint64 number = row.mid(start).toLongLong(&ok);
    return ok ? number : 0;
}

QStringList sortedRows(const QStringList& rows) {
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Keys once per row: a length table can hold tens of thousands of rows.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const QString& row : rows) {
        keys.push_back(collator.sortKey(row));
    }
    std::vector<qsizetype> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    QStringList sorted;
    sorted.reserve(rows.size());
    for (qsizetype i : order) {
        sorted.append(rows[i]);
    }
    return sorted;
}

QString likeLiteral(const QString& text) {
    QString pattern;
    pattern.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\'') {
            pattern.append(QStringLiteral("''"));
        } else if (c == u'*' || c == u'?' || c == u'#' || c == u'[') {
            pattern.append(u'[');
            pattern.append(c);
            pattern.append(u']');
        } else {
            pattern.append(c);
        }
    }
    return pattern;
}

}  // namespace vondrik
