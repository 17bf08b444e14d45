// Cleaning keeps apostrophes out of statement literals and bracket classes out of LIKE.
#include "dictionary/cleaning.h"

#include "dictionary/text.h"

namespace vondrik {
namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// Every user text passes here first. A pasted TAB, line end or NUL would otherwise be stored
// raw and break result lines and logs, or cut the statement short in the engine.
QString withoutControls(const QString& text) {
    QString result = text;
    result.removeIf(isControl);
    return result;
}

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
