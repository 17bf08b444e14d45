// Length-keeping case mapping, blank trimming and one-line user text.
#include "dictionary/text.h"

namespace vondrik {

void upperInPlace(QString& text) {
    QChar* data = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = data[i];
        if (c.unicode() < 0x80) {
            if (c.unicode() >= 'a' && c.unicode() <= 'z') {
                data[i] = QChar(c.unicode() - 32);
            }
        } else if (!c.isSurrogate()) {
            // QChar::toUpper maps one code unit to one; only full case mapping turns ß into SS.
            data[i] = c.toUpper();
        }
    }
}

QString upperKeepLength(const QString& text) {
    QString result = text;
    upperInPlace(result);
    return result;
}

QString lowerKeepLength(const QString& text) {
    QString result = text;
    QChar* data = result.data();
    for (qsizetype i = 0; i < result.size(); ++i) {
        // One code unit to one, as in upperInPlace; a surrogate pair stays as it is.
        if (!data[i].isSurrogate()) {
            data[i] = data[i].toLower();
        }
    }
    return result;
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ') {
        ++begin;
    }
    while (end > begin && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString singleLineText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n') {
            result.append(u' ');
        } else if (c.unicode() >= 0x20 && c.unicode() != 0x7F) {
            result.append(c);
        }
    }
    return result;
}

}  // namespace vondrik
