// Length-keeping upper case and blank trimming.
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

}  // namespace vondrik
