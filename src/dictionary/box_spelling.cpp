// The box rules, and the SQL function that lets a statement use them.
#include "dictionary/box_spelling.h"

#include <sqlcipher/sqlite3.h>

#include "dictionary/text.h"

namespace vondrik {
namespace {

bool takesNoBox(QChar c) {
    return c == u'\'' || c == u'\u2019' || c == u'-' || c == u' ' || c == u'.';
}

// The wildcard "?" a placeholder becomes and the same-letter marks 1 to 5 keep their box too.
bool isPlaceholderOrMark(QChar c) {
    return isPatternPlaceholder(c) || c == u'?' || (c >= u'1' && c <= u'5');
}

void appendBoxes(QString& boxes, QChar c) {
    switch (c.unicode()) {
        case u'ä':
        case u'Ä':
            boxes += QStringLiteral("AE");
            return;
        case u'ö':
        case u'Ö':
            boxes += QStringLiteral("OE");
            return;
        case u'ü':
        case u'Ü':
            boxes += QStringLiteral("UE");
            return;
        case u'ß':
        case u'ẞ':
            boxes += QStringLiteral("SS");
            return;
        default:
            boxes += c;
    }
}

void kaestchen(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = static_cast<const char16_t*>(sqlite3_value_text16(argv[0]));
    const int bytes = sqlite3_value_bytes16(argv[0]);
    const QString boxes = boxSpelling(QStringView(text, bytes / 2));
    sqlite3_result_text16(context, boxes.utf16(), int(boxes.size() * 2), SQLITE_TRANSIENT);
}

}  // namespace

bool isPatternPlaceholder(QChar c) {
    return c == u'#' || c == u'*' || c == u' ' || c == u'-' || c == u'.' || c == u'+';
}

QString boxSpelling(QStringView word) {
    QString boxes;
    boxes.reserve(word.size() + 2);
    for (QChar c : word) {
        if (!takesNoBox(c)) {
            appendBoxes(boxes, c);
        }
    }
    upperInPlace(boxes);
    return boxes;
}

QString patternBoxes(QStringView pattern) {
    QString boxes;
    boxes.reserve(pattern.size() + 2);
    for (QChar c : pattern) {
        if (isPlaceholderOrMark(c)) {
            boxes += c;
        } else {
            appendBoxes(boxes, c);
        }
    }
    upperInPlace(boxes);
    return boxes;
}

int registerBoxSpelling(sqlite3* db) {
    return sqlite3_create_function(db, "kaestchen", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                   kaestchen, nullptr, nullptr);
}

}  // namespace vondrik
