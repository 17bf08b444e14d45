// Searching the help topics.
#include "extras/help_search.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace vondrik {
namespace {

// Where the element with the given id starts, or -1.
qsizetype sectionStart(const QString& html, const QString& id) {
    const QRegularExpression pattern(
        QStringLiteral(R"re(<[^>]*\b(id|name)\s*=\s*"%1")re").arg(QRegularExpression::escape(id)));
    const QRegularExpressionMatch match = pattern.match(html);
    return match.hasMatch() ? match.capturedStart() : -1;
}

}  // namespace

HelpSearch::HelpSearch(const QList<HelpTopic>& topics) {
    QHash<QString, QString> pages;
    for (const HelpTopic& topic : topics) {
        if (!pages.contains(topic.file)) {
            pages.insert(topic.file, readHtmlFile(topic.file));
        }
    }
    for (const HelpTopic& topic : topics) {
        const QString& html = pages.value(topic.file);
        const qsizetype start = topic.fragment.isEmpty() ? 0 : sectionStart(html, topic.fragment);
        if (start < 0) {
            texts_.append(QString());
            continue;
        }
        qsizetype end = html.size();
        if (!topic.fragment.isEmpty()) {
            for (const HelpTopic& other : topics) {
                if (other.file != topic.file || other.fragment.isEmpty()) {
                    continue;
                }
                const qsizetype otherStart = sectionStart(html, other.fragment);
                if (otherStart > start && otherStart < end) {
                    end = otherStart;
                }
            }
        }
        texts_.append(htmlToText(html.mid(start, end - start)).toLower());
    }
}

QStringList HelpSearch::words(const QString& query) {
    return query.toLower().split(QRegularExpression(QStringLiteral(R"re(\s+)re")),
                                 Qt::SkipEmptyParts);
}

QList<HelpSearch::Hit> HelpSearch::find(const QString& query) const {
    const QStringList wanted = words(query);
    QList<Hit> hits;
    if (wanted.isEmpty()) {
        return hits;
    }
    for (int i = 0; i < texts_.size(); ++i) {
        int total = 0;
        bool all = true;
        for (const QString& word : wanted) {
            const int count = static_cast<int>(texts_.at(i).count(word));
            if (count == 0) {
                all = false;
                break;
            }
            total += count;
        }
        if (all) {
            hits.append({i, total});
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.count > b.count; });
    return hits;
}

}  // namespace vondrik
