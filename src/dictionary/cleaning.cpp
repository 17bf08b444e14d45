// Cleaning keeps apostrophes out of statement literals and bracket classes out of LIKE.
#include "dictionary/cleaning.h"

#include "dictionary/storable_text.h"
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
    QString result = withoutControls(text);
    result.remove(u'\'');
    return replaceBrackets(result);
}

QString cleanPattern(const QString& text) {
    QString result = withoutControls(text);
    result.replace(u'\'', u'#');
    return replaceBrackets(result);
}

QString cleanLiteral(const QString& text) {
    QString result = withoutControls(text);
    result.replace(u'\'', QStringLiteral("''"));
    return result;
}

QString resultLine(QStringView begriff, QStringView bedeutung) {
    QString line;
    line.reserve(begriff.size() + 1 + bedeutung.size());
    line.append(begriff);
    upperInPlace(line);
    line.append(u'\t');
    line.append(bedeutung);
    return line;
}

}  // namespace vondrik
