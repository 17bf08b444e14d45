// Reading the copy and searching it. A substring search over one folded buffer is what makes
// the copy fast: no row is decoded, and the string matcher skips most characters unread.
#include "dictionary/entry_index.h"

#include <QStringMatcher>
#include <algorithm>

#include "dictionary/box_spelling.h"
#include "dictionary/database.h"
#include "dictionary/jet_like.h"
#include "dictionary/statements.h"

namespace vondrik {

QString EntryIndex::fold(QStringView text) {
    QString folded = text.toString();
    for (QChar& c : folded) {
        if (!c.isSurrogate()) {
            c = QChar(char16_t(foldCase(c.unicode())));
        }
    }
    return folded;
}

bool EntryIndex::isPlainText(QStringView text) {
    return !text.isEmpty() && !text.contains(u'*') && !text.contains(u'?') &&
           !text.contains(u'#') && !text.contains(u'[');
}

EntryIndex EntryIndex::read(Database& db) {
    EntryIndex index;
    index.byBoxes_.resize(2 * kLongestWord + 1);
    for (const LengthTable& table : lengthTables()) {
        index.tableStart_[table.length] = index.entries_.size();
        Recordset rs = db.OpenRecordset(statement(Family::WholeTable, table, {}));
        for (; !rs.Eof(); rs.MoveNext()) {
            IndexedEntry entry{table.length, rs.text(u"Begriff"), rs.text(u"Bedeutung"), {}};
            entry.boxes = boxSpelling(entry.begriff);
            index.start_.push_back(std::size_t(index.folded_.size()));
            index.folded_ += fold(entry.begriff);
            index.folded_ += u'\n';
            index.folded_ += fold(entry.bedeutung);
            index.folded_ += u'\n';
            const auto boxes = std::size_t(entry.boxes.size());
            if (boxes >= index.byBoxes_.size()) {
                index.byBoxes_.resize(boxes + 1);
            }
            index.byBoxes_[boxes].push_back(index.entries_.size());
            index.entries_.push_back(std::move(entry));
        }
    }
    index.tableStart_[kLongestWord + 1] = index.entries_.size();
    index.start_.push_back(std::size_t(index.folded_.size()));
    return index;
}

const std::vector<std::size_t>& EntryIndex::withBoxes(int boxes) const {
    static const std::vector<std::size_t> none;
    return boxes >= 0 && std::size_t(boxes) < byBoxes_.size() ? byBoxes_[boxes] : none;
}

bool EntryIndex::holds(std::size_t entry, QStringView foldedText) const {
    const QStringView slice = QStringView(folded_).sliced(
        qsizetype(start_[entry]), qsizetype(start_[entry + 1] - start_[entry]));
    return slice.indexOf(foldedText) >= 0;
}

void EntryIndex::findText(const std::vector<QString>& texts, int length,
                          const std::function<bool(std::size_t)>& visit) const {
    if (texts.empty()) {
        return;
    }
    std::vector<QString> folded;
    for (const QString& text : texts) {
        folded.push_back(fold(text));
    }
    std::size_t first = 0;
    std::size_t end = entries_.size();
    if (length != 0) {
        if (!tableForLength(length)) {
            return;
        }
        first = tableStart_[length];
        end = tableStart_[length + 1];
    }
    const QStringMatcher matcher(folded.front());
    const QStringView all(folded_);
    const qsizetype stop = qsizetype(start_[end]);
    qsizetype from = qsizetype(start_[first]);
    auto entry = start_.begin() + std::ptrdiff_t(first);
    while (true) {
        const qsizetype hit = matcher.indexIn(all.first(stop), from);
        if (hit < 0) {
            return;
        }
        // The entry whose slice holds the hit; hits only move forward.
        entry = std::upper_bound(entry, start_.begin() + std::ptrdiff_t(end), std::size_t(hit)) - 1;
        const auto number = std::size_t(entry - start_.begin());
        const bool matchesAll =
            std::all_of(folded.begin() + 1, folded.end(),
                        [&](const QString& text) { return holds(number, text); });
        if (matchesAll && !visit(number)) {
            return;
        }
        from = qsizetype(start_[number + 1]);
        ++entry;
    }
}

}  // namespace vondrik
