// Thesaurus reading and the rule that turns synonym groups into answers with meanings.
//
// Only the German letters a-z, A-Z, ä ö ü Ä Ö Ü ß make an answer: a crossword grid has one
// plain letter per cell and the program's search patterns know no accents, so loan words
// like "Café" or "Résumé" stay out (they still appear inside meanings).
#include "importer/thesaurus.h"

#include <QIODevice>
#include <QSet>
#include <QStringList>
#include <algorithm>

#include "dictionary/storable_text.h"

namespace vondrik::thesaurus {
namespace {

const QString kBroaderNote = QStringLiteral("Oberbegriff");

bool isGermanLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || u == u'ä' || u == u'ö' ||
           u == u'ü' || u == u'Ä' || u == u'Ö' || u == u'Ü' || u == u'ß';
}

// Index of the "(" that opens the group closed by the last character, or -1.
qsizetype openingParenthesis(const QString& text) {
    int depth = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i] == u')') {
            ++depth;
        } else if (text[i] == u'(' && --depth == 0) {
            return i;
        }
    }
    return -1;
}

bool marksBroader(const QString& note) {
    const QStringList labels = note.split(u',');
    return std::any_of(labels.begin(), labels.end(),
                       [](const QString& label) { return label.trimmed() == kBroaderNote; });
}

// The statements that later search the dictionary quote texts with apostrophes, so a
// meaning must not hold one; brackets and braces read as parentheses anyway.
QString cleanForMeaning(const QString& text) {
    QString clean = text;
    clean.remove(u'\'');
    clean.replace(u'[', u'(').replace(u'{', u'(').replace(u']', u')').replace(u'}', u')');
    return clean.simplified();
}

QString lineText(const QByteArray& bytes) {
    QByteArray line = bytes;
    while (line.endsWith('\n') || line.endsWith('\r')) {
        line.chop(1);
    }
    return QString::fromUtf8(line);
}

// Folds umlauts and ß the way German dictionaries sort them (ä as a, ß as ss).
QString sortKey(const QString& word) {
    QString key = word.toLower();
    key.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u');
    key.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    return key;
}

}  // namespace

Member parseMember(const QString& raw) {
    Member member{raw.trimmed(), false};
    while (member.text.endsWith(u')')) {
        const qsizetype open = openingParenthesis(member.text);
        if (open <= 0 || member.text[open - 1] != u' ') {
            break;
        }
        const QString note = member.text.mid(open + 1, member.text.size() - open - 2);
        member.broader = member.broader || marksBroader(note);
        member.text = member.text.left(open).trimmed();
    }
    return member;
}

bool isAnswerWord(const QString& text) {
    return text.size() >= kShortestAnswer && text.size() <= kLongestAnswer &&
           std::all_of(text.begin(), text.end(), isGermanLetter);
}

QString meaningFor(const Group& group, std::size_t answer) {
    const QString& word = group.at(answer).text;
    QStringList parts;
    for (const bool broader : {false, true}) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (i == answer || group[i].broader != broader) {
                continue;
            }
            const QString part = cleanForMeaning(group[i].text);
            // A member longer than the whole field could never be shown; the next may fit.
            if (part.isEmpty() || part.size() > kMeaningLimit ||
                part.compare(word, Qt::CaseInsensitive) == 0 || parts.contains(part)) {
                continue;
            }
            parts << part;
        }
    }
    QString meaning;
    for (const QString& part : parts) {
        const qsizetype separator = meaning.isEmpty() ? 0 : 2;
        if (meaning.size() + separator + part.size() > kMeaningLimit) {
            break;
        }
        if (separator) {
            meaning += QStringLiteral(", ");
        }
        meaning += part;
    }
    return meaning;
}

std::vector<Group> readGroups(QIODevice& device) {
    if (device.atEnd()) {
        throw ThesaurusError(QStringLiteral("Die Thesaurusdatei ist leer."));
    }
    QString encoding = lineText(device.readLine()).trimmed();
    if (encoding.startsWith(QChar(0xFEFF))) {
        encoding.remove(0, 1);
    }
    if (encoding.compare(QStringLiteral("UTF-8"), Qt::CaseInsensitive) != 0) {
        throw ThesaurusError(
            QStringLiteral("Zeile 1: Der Thesaurus muss in UTF-8 geschrieben sein, "
                           "angegeben ist „%1“.")
                .arg(encoding));
    }
    std::vector<Group> groups;
    QSet<QString> seen;  // the same group stands under each of its members' headwords
    int lineNumber = 1;
    while (!device.atEnd()) {
        const QString headword = lineText(device.readLine());
        const int headwordLine = ++lineNumber;
        if (headword.trimmed().isEmpty()) {
            continue;
        }
        bool ok = false;
        const int count = headword.section(u'|', -1).toInt(&ok);
        if (!headword.contains(u'|') || !ok || count < 0) {
            throw ThesaurusError(
                QStringLiteral("Zeile %1: „%2“ ist keine Stichwortzeile (Wort|Anzahl).")
                    .arg(lineNumber)
                    .arg(headword));
        }
        for (int g = 0; g < count; ++g) {
            if (device.atEnd()) {
                throw ThesaurusError(
                    QStringLiteral("Zeile %1: Zum Stichwort „%2“ fehlen Gruppenzeilen.")
                        .arg(headwordLine)
                        .arg(headword.section(u'|', 0, -2)));
            }
            const QString line = lineText(device.readLine());
            ++lineNumber;
            const qsizetype bar = line.indexOf(u'|');
            if (bar < 0) {
                throw ThesaurusError(QStringLiteral("Zeile %1: „%2“ ist keine Gruppenzeile.")
                                         .arg(lineNumber)
                                         .arg(line));
            }
            // The field before the first bar is a word class, which the rule does not use.
            const QString members = line.mid(bar + 1);
            if (seen.contains(members)) {
                continue;
            }
            seen.insert(members);
            Group group;
            for (const QString& raw : members.split(u'|')) {
                Member member = parseMember(raw);
                if (!member.text.isEmpty()) {
                    group.push_back(std::move(member));
                }
            }
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

Respelling respellGroups(std::vector<Group>& groups) {
    Respelling count;
    for (Group& group : groups) {
        for (auto member = group.begin(); member != group.end();) {
            const std::optional<QString> spelt = codePageSpelling(member->text);
            if (!spelt) {
                ++count.dropped;
                member = group.erase(member);
                continue;
            }
            if (*spelt != member->text) {
                ++count.respelled;
                member->text = *spelt;
            }
            ++member;
        }
    }
    return count;
}

std::vector<Entry> entriesOf(const std::vector<Group>& groups) {
    struct Sortable {
        QString key;
        Entry entry;
    };
    std::vector<Sortable> found;
    QSet<QString> seen;
    for (const Group& group : groups) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i].broader || !isAnswerWord(group[i].text)) {
                continue;
            }
            Entry entry{group[i].text, meaningFor(group, i)};
            if (entry.meaning.isEmpty()) {
                continue;  // a lone word has nothing to be guessed from
            }
            const QString identity = entry.word.toLower() + u'|' + entry.meaning;
            if (seen.contains(identity)) {
                continue;
            }
            seen.insert(identity);
            found.push_back({sortKey(entry.word), std::move(entry)});
        }
    }
    std::sort(found.begin(), found.end(), [](const Sortable& a, const Sortable& b) {
        if (a.key != b.key) {
            return a.key < b.key;
        }
        if (a.entry.word != b.entry.word) {
            return a.entry.word < b.entry.word;
        }
        return a.entry.meaning < b.entry.meaning;
    });
    std::vector<Entry> entries;
    entries.reserve(found.size());
    for (Sortable& item : found) {
        entries.push_back(std::move(item.entry));
    }
    return entries;
}

std::map<int, int> countByLength(const std::vector<Entry>& entries) {
    std::map<int, int> counts;
    for (const Entry& entry : entries) {
        ++counts[int(entry.word.size())];
    }
    return counts;
}

}  // namespace vondrik::thesaurus
