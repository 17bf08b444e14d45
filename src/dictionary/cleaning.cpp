// Cleaning keeps apostrophes out of statement literals and bracket classes out of LIKE.
#include "dictionary/cleaning.h"

#include "dictionary/text.h"

namespace vondrik {
namespace {

QString replaceBrackets(QString text) {
    text.replace(u'[', u'(');
    text.replace(u']', u')');
    text.replace(u'{', u'(');
    text.replace(u'}', u')');
    return text;
}

}  // namespace

QString cleanFreeText(const QString& text) {
    QString result = text;
    result.remove(u'\'');
    return replaceBrackets(result);
}

QString cleanPattern(const QString& text) {
    QString result = text;
    result.replace(u'\'', u'#');
    return replaceBrackets(result);
}

QString resultLine(const QString& begriff, const QString& bedeutung) {
    return upperKeepLength(begriff) + u'\t' + bedeutung;
}

}  // namespace vondrik
