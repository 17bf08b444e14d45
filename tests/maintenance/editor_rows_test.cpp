// Editor rows: their layout, reading the record number back, list order and exact patterns.
#include <gtest/gtest.h>

#include "dictionary/jet_like.h"
#include "maintenance/editor_rows.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(EditorRowTest, HoldsWordMeaningAndARecordNumberThatComesBackWhole) {
    EXPECT_EQ(editorRow(u"Haus", u"Gebäude", 17),
              QStringLiteral("Haus\tGebäude") + QString(80, u' ') + QStringLiteral("17"));
    // The meaning ends in digits too: they must not run into the number.
    for (const qint64 number : {1LL, 23456LL, 123456LL, 9876543210LL}) {
        EXPECT_EQ(recordNumberOfRow(editorRow(u"Jahr", u"im Jahr 1999", number)), number);
    }
    EXPECT_EQ(recordNumberOfRow(u"Wort\tohne Nummer"), 0);
}

TEST(SortedRowsTest, GermanOrderOfTheWholeRowWithoutRegardToCase) {
    const QStringList rows = {
        editorRow(u"Bahn", u"Schiene", 1), editorRow(u"Ähre", u"Getreide", 2),
        editorRow(u"aster", u"Blume", 3),  editorRow(u"Ast", u"Zweig", 4),
        editorRow(u"bahn", u"Weg", 5),     editorRow(u"Zebra", u"Tier", 6),
    };
    QStringList words;
    for (const QString& row : sortedRows(rows)) {
        words << row.section(u'\t', 0, 0) + u'/' + QString::number(recordNumberOfRow(row));
    }
    // Umlauts sort with their base letter; the TAB after a short word comes before letters;
    // "Bahn" and "bahn" differ only in case and in their meanings, which decide.
    EXPECT_EQ(words, (QStringList{"Ähre/2", "Ast/4", "aster/3", "Bahn/1", "bahn/5", "Zebra/6"}));
}

TEST(LikeLiteralTest, MatchesExactlyTheTextItself) {
    const struct {
        const char16_t* text;
        const char16_t* pattern;
    } cases[] = {
        {u"Wirt's Stube", u"Wirt''s Stube"},
        {u"C# und mehr?", u"C[#] und mehr[?]"},
        {u"*neu* [alt]", u"[*]neu[*] [[]alt]"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const QString pattern = likeLiteral(text);
        EXPECT_EQ(pattern, QString::fromUtf16(c.pattern));
        // In the statement the doubled apostrophe reaches LIKE as one.
        const QString like = QString(pattern).replace(QStringLiteral("''"), QStringLiteral("'"));
        EXPECT_TRUE(JetPattern(like.toStdString()).matches(text.toStdString()));
    }
    EXPECT_FALSE(JetPattern("C[#] und mehr[?]").matches("C1 und mehr!"));
}

}  // namespace
}  // namespace vondrik
