// Statement templates. "{t}" is the table name, "{g}" the gap before "Where" in the Delete
// family, "{1}".."{3}" the inserted texts in order.
#include "dictionary/statements.h"

#include <stdexcept>

namespace vondrik {
namespace {

struct Template {
    Family family;
    const char16_t* text;
};

constexpr Template kTemplates[] = {
    {Family::WarmUp, u"Select * from zwei WHERE begriff LIKE 'e*'"},
    {Family::Pattern, u"Select * from {t} WHERE begriff LIKE '{1}'"},
    {Family::PatternWithMeaning,
     u"Select * from {t} WHERE begriff LIKE '{1}' and bedeutung like '{2}'"},
    {Family::OneText, u"Select * from {t} WHERE begriff LIKE '{1}' or bedeutung like '{1}'"},
    {Family::TwoTexts,
     u"Select * from {t} WHERE (begriff LIKE '{1}' or bedeutung like '{1}') AND "
     u"(begriff LIKE '{2}' or bedeutung like '{2}')"},
    {Family::Everything, u"Select * from {t} WHERE begriff LIKE '*' or bedeutung like '*'"},
    {Family::WholeTableBlank, u"Select * from {t} "},
    {Family::WholeTable, u"Select * from {t}"},
    {Family::EditorWord, u"Select * from {t} WHERE begriff LIKE '{1}'"},
    {Family::EditorMeaning, u"Select * from {t} WHERE bedeutung LIKE '{1}'"},
    {Family::OneRecord, u"Select * from {t} where id = {1}"},
    {Family::Change, u"UPDATE {t} Set begriff = '{1}', Bedeutung = '{2}' Where id =  {3} "},
    {Family::Delete, u"DELETE from {t}{g}Where id =  {1} "},
    {Family::Insert, u"INSERT INTO {t} (Begriff, Bedeutung) VALUES ('{1}', '{2}')"},
};

const Template& templateOf(Family family) {
    for (const Template& t : kTemplates) {
        if (t.family == family) {
            return t;
        }
    }
    throw std::invalid_argument("unknown statement family");
}

// These four Delete members have always carried two blanks before "Where".
bool hasWideDeleteGap(const LengthTable& table) {
    const QLatin1String name(table.name);
    return name == QLatin1String("drei") || name == QLatin1String("vier") ||
           name == QLatin1String("sieben") || name == QLatin1String("zwoelf");
}

int highestPlaceholder(const QStringView text) {
    int highest = 0;
    for (qsizetype i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == u'{' && text[i + 2] == u'}' && text[i + 1].isDigit()) {
            highest = std::max(highest, text[i + 1].digitValue());
        }
    }
    return highest;
}

}  // namespace

int insertCount(Family family) {
    return highestPlaceholder(QStringView(templateOf(family).text));
}

QString statement(Family family, const LengthTable& table, std::initializer_list<QString> inserts) {
    const QStringView text(templateOf(family).text);
    if (static_cast<int>(inserts.size()) != highestPlaceholder(text)) {
        throw std::invalid_argument("wrong number of inserted texts for statement family");
    }
    const QString* args = inserts.begin();
    QString result;
    result.reserve(text.size() + 64);
    // One pass, so an inserted text that happens to contain "{1}" is never expanded again.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'{' && i + 2 < text.size() && text[i + 2] == u'}') {
            const QChar key = text[i + 1];
            if (key == u't') {
                result += QLatin1String(table.name);
            } else if (key == u'g') {
                result += hasWideDeleteGap(table) ? u"  " : u" ";
            } else {
                result += args[key.digitValue() - 1];
            }
            i += 2;
            continue;
        }
        result += text[i];
    }
    return result;
}

QString statement(Family family, const LengthTable& table, qint64 recordNumber) {
    return statement(family, table, {QString::number(recordNumber)});
}

}  // namespace vondrik
