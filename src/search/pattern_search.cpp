// Pattern normalisation and the same-letter row filter.
#include "search/pattern_search.h"

#include "dictionary/box_spelling.h"
#include "dictionary/text.h"

namespace vondrik {

bool hasSameLetterMarks(const QString& pattern) {
    for (const QChar c : pattern) {
        if (c >= u'1' && c <= u'5') {
            return true;
        }
    }
    return false;
}

QString marksToPlaceholders(const QString& pattern) {
    QString result = pattern;
    for (QChar& c : result) {
        if (c >= u'1' && c <= u'5') {
            c = u'#';
        }
    }
    return result;
}

QString toLikePattern(const QString& pattern) {
    QString result = pattern;
    for (QChar& c : result) {
        if (isPatternPlaceholder(c)) {
            c = u'?';
        }
    }
    return result;
}

bool passesSameLetterMarks(const QString& pattern, QStringView word) {
    QString w = word.toString();
    upperInPlace(w);
    const auto letterAt = [&](qsizetype i) { return i < w.size() ? w.at(i) : QChar(); };
    for (char16_t mark = u'1'; mark <= u'5'; ++mark) {
        int marked = 0;
        QChar letter;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            if (pattern.at(i) != mark) {
                continue;
            }
            if (++marked == 1) {
                letter = letterAt(i);
            } else if (letterAt(i) != letter) {
                return false;
            }
        }
        if (marked == 0) {
            continue;
        }
        int occurrences = 0;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            occurrences += letterAt(i) == letter ? 1 : 0;
        }
        if (occurrences != marked) {
            return false;
        }
    }
    return true;
}

}  // namespace vondrik
