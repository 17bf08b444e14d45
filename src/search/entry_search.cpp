// The copy is walked in table order, so every answer lists its rows in the order the
// statement it records would deliver them.
#include "search/entry_search.h"

#include "dictionary/box_spelling.h"
#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "dictionary/text.h"
#include "search/anagram.h"
#include "search/pattern_search.h"

namespace vondrik {
namespace {

// "Select * from zwei WHERE <condition> UNION ALL Select * from drei WHERE …": one statement
// over every table, for searches whose rows are chosen by their boxes.
QString overAllTables(const QString& condition) {
    QStringList parts;
    for (const LengthTable& table : lengthTables()) {
        parts << statement(Family::WholeTable, table, {}) + QStringLiteral(" WHERE ") + condition;
    }
    return parts.join(QStringLiteral(" UNION ALL "));
}

QString textCondition(const TextSearchInput& input) {
    const QString one = QStringLiteral("(begriff LIKE '%1' or bedeutung like '%1')");
    return input.nur1 ? one.arg(input.ei)
                      : one.arg(input.ei) + QStringLiteral(" AND ") + one.arg(input.eii);
}

QString boxCount(int boxes) {
    return QStringLiteral("length(kaestchen(begriff)) = %1").arg(boxes);
}

// The text between the stars of a "*plain text*" LIKE pattern; nothing for any other pattern.
std::optional<QStringView> plainText(const QString& like) {
    if (like.size() < 3 || !like.startsWith(u'*') || !like.endsWith(u'*')) {
        return std::nullopt;
    }
    const QStringView inner = QStringView(like).sliced(1, like.size() - 2);
    if (!EntryIndex::isPlainText(inner)) {
        return std::nullopt;
    }
    return inner;
}

// The texts of a search whose LIKE patterns are all "*plain text*", unwrapped.
std::optional<std::vector<QString>> plainTexts(const TextSearchInput& input) {
    std::vector<QString> texts;
    for (const QString* like : {&input.ei, input.nur1 ? nullptr : &input.eii}) {
        if (!like) {
            continue;
        }
        const std::optional<QStringView> inner = plainText(*like);
        if (!inner) {
            return std::nullopt;
        }
        texts.push_back(inner->toString());
    }
    return texts;
}

// A pattern from toLikePattern, with "?" its only wildcard, compared with a text of the same
// length, character by character.
bool matchesBoxes(QStringView like, QStringView boxes) {
    if (like.size() != boxes.size()) {
        return false;
    }
    for (qsizetype i = 0; i < like.size(); ++i) {
        const QChar p = like[i];
        if (p == u'?') {
            continue;
        }
        if (foldCase(p.unicode()) != foldCase(boxes[i].unicode())) {
            return false;
        }
    }
    return true;
}

QString lineFor(const IndexedEntry& entry, bool boxes) {
    return boxes ? boxResultLine(entry) : resultLine(entry.begriff, entry.bedeutung);
}

}  // namespace

FieldPattern::FieldPattern(const QString& like) {
    if (const std::optional<QStringView> inner = plainText(like)) {
        folded_ = EntryIndex::foldedUtf8(*inner);
    } else {
        jet_.emplace(like.toUtf8().toStdString());
    }
}

bool FieldPattern::matches(QStringView text) const {
    if (jet_) {
        return jet_->matches(text.toUtf8().toStdString());
    }
    return EntryIndex::foldedUtf8(text).find(folded_) != std::string::npos;
}

bool FieldPattern::matchesEntry(const EntryIndex& index, std::size_t entry) const {
    if (jet_) {
        const IndexedEntry& e = index.entries()[entry];
        return matches(e.begriff) || matches(e.bedeutung);
    }
    return index.holds(entry, folded_);
}

QString boxResultLine(const IndexedEntry& entry) {
    QString word = upperKeepLength(entry.begriff);
    if (word != entry.boxes) {
        word += QStringLiteral(" (") + entry.boxes + u')';
    }
    return word + u'\t' + entry.bedeutung;
}

std::optional<SearchResult> searchTextInCopy(DictionarySession& session, int length,
                                             const TextSearchInput& input, bool boxes) {
    const std::optional<std::vector<QString>> texts = plainTexts(input);
    if (!texts && !boxes) {
        return std::nullopt;
    }
    SearchResult result;
    try {
        const EntryIndex& index = session.entries();
        const qsizetype limit =
            length == 0 ? kMaxAllLengthsLines : qsizetype(index.entries().size());
        int lastTable = kLongestWord;
        const auto add = [&](std::size_t entry) {
            if (result.lines.size() >= limit) {
                result.tooMany = true;
                lastTable = index.entries()[entry].length;
                return false;
            }
            result.lines << lineFor(index.entries()[entry], boxes);
            return true;
        };
        const FieldPattern first(input.ei);
        const std::optional<FieldPattern> second =
            input.nur1 ? std::nullopt : std::optional<FieldPattern>(input.eii);
        // Both texts, for the searches the buffer search cannot answer.
        const auto takeIfMatching = [&](std::size_t entry) {
            const bool matching =
                first.matchesEntry(index, entry) && (!second || second->matchesEntry(index, entry));
            return !matching || add(entry);
        };
        if (boxes && length != 0) {
            for (const std::size_t entry : index.withBoxes(length)) {
                if (!takeIfMatching(entry)) {
                    break;
                }
            }
            session.build(
                overAllTables(boxCount(length) + QStringLiteral(" AND ") + textCondition(input)));
            return result;
        }
        if (texts) {
            index.findText(*texts, length, add);
        } else {
            // Wildcards over all lengths in box spelling: every entry is a candidate.
            for (std::size_t entry = 0; entry < index.entries().size(); ++entry) {
                if (!takeIfMatching(entry)) {
                    break;
                }
            }
        }
        const auto table = tableForLength(length == 0 ? lastTable : length);
        session.build(textSearchStatement(*table, input));
    } catch (const DatabaseError& e) {
        result.error = e.message();
    }
    return result;
}

SearchResult searchPatternInBoxes(DictionarySession& session, const QString& typed,
                                  const QString* kombitext) {
    SearchResult result;
    const QString marked = patternBoxes(typed);
    const QString like = toLikePattern(marksToPlaceholders(marked));
    const bool marks = hasSameLetterMarks(marked);
    QString condition = QStringLiteral("kaestchen(begriff) LIKE '%1'").arg(like);
    std::optional<FieldPattern> meaning;
    if (kombitext) {
        condition += QStringLiteral(" and bedeutung like '%1'").arg(*kombitext);
        meaning.emplace(*kombitext);
    }
    try {
        const EntryIndex& index = session.entries();
        for (const std::size_t i : index.withBoxes(int(like.size()))) {
            const IndexedEntry& entry = index.entries()[i];
            if (matchesBoxes(like, entry.boxes) &&
                (!meaning || meaning->matches(entry.bedeutung)) &&
                (!marks || passesSameLetterMarks(marked, entry.boxes))) {
                result.lines << boxResultLine(entry);
            }
        }
        session.build(overAllTables(condition));
    } catch (const DatabaseError& e) {
        result.error = e.message();
    }
    return result;
}

SearchResult searchAnagramInBoxes(DictionarySession& session, const QString& letters) {
    SearchResult result;
    const QString boxes = patternBoxes(letters);
    const LetterTable wanted(boxes.toLower());
    try {
        const EntryIndex& index = session.entries();
        for (const std::size_t i : index.withBoxes(int(boxes.size()))) {
            const IndexedEntry& entry = index.entries()[i];
            if (wanted.coveredBy(entry.boxes)) {
                result.lines << boxResultLine(entry);
            }
        }
        session.build(overAllTables(boxCount(int(boxes.size()))));
    } catch (const DatabaseError& e) {
        result.error = e.message();
    }
    return result;
}

}  // namespace vondrik
