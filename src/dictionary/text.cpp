// Length-keeping upper case and blank trimming.
#include "dictionary/text.h"

namespace vondrik {

QString upperKeepLength(const QString& text) {
    QString result = text;
    QChar* data = result.data();
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QChar c = data[i];
        if (c.isSurrogate()) {
            continue;
        }
        // QChar::toUpper maps one code unit to one; only full case mapping turns ß into SS.
        data[i] = c.toUpper();
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

}  // namespace vondrik
