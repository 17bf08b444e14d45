// Counting the statistics figures: parts of meanings and whole length tables.
#include <gtest/gtest.h>

#include "dictionary/statements.h"
#include "search/statistics.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {

// Found by the test framework through the figures' namespace.
static void PrintTo(const TableFigures& f, std::ostream* os) {
    *os << '{' << f.datensaetze << ", " << f.begriffe << ", " << f.erklaerungen << ", " << f.woerter
        << '}';
}

namespace {

TEST(PartCount, SplitsAtOneSeparatorCountingEmptyParts) {
    EXPECT_EQ(partCount(u"", u','), 0);
    EXPECT_EQ(partCount(u"Klang", u','), 1);
    EXPECT_EQ(partCount(u"Klang, Laut", u','), 2);
    EXPECT_EQ(partCount(u"a,,b", u','), 3);
    EXPECT_EQ(partCount(u"Klang  Laut", u' '), 3);
    EXPECT_EQ(partCount(u" ", u' '), 2);
}

class CountTable : public ::testing::Test {
  protected:
    void insert(const char* table, const QString& word, const QString& meaningLiteral) {
        db.execute(QStringLiteral("INSERT INTO %1 (Begriff, Bedeutung) VALUES ('%2', %3)")
                       .arg(QLatin1String(table), word, meaningLiteral));
    }

    TableFigures count(const char* table) {
        return countTable(db, *tableByName(QLatin1String(table)));
    }

    test::TestAppFolder app;
    DictionarySession db{app.openDictionary()};
};

TEST_F(CountTable, CommasGiveExplanationsAndBlanksGiveWords) {
    db.execute("DELETE FROM sieben");
    for (int i = 0; i < 7; ++i) {
        insert("sieben", "xxxxxxx", "'Wort, Wort Wort'");
    }
    EXPECT_EQ(count("sieben"), (TableFigures{7, 7, 14, 28}));
    db.execute("DELETE FROM vier");
    EXPECT_EQ(count("vier"), TableFigures{});
    EXPECT_EQ(statisticsStatement(*tableForLength(5)),
              "Select * from fuenf WHERE begriff LIKE '*' or bedeutung like '*'");
}

TEST_F(CountTable, EmptyAndMissingMeaningsCountAsEmpty) {
    db.execute("DELETE FROM zehn");
    insert("zehn", "Leerwert12", "''");
    // A missing meaning neither ends the count nor adds an explanation.
    insert("zehn", "Nullwert12", "NULL");
    insert("zehn", "Eintraege3", "'eins, zwei'");
    EXPECT_EQ(count("zehn"), (TableFigures{3, 3, 2, 3 + 2}));
}

}  // namespace
}  // namespace vondrik
