// Counting the statistics figures: parts of meanings and whole length tables.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "dictionary/statements.h"
#include "search/statistics.h"
#include "support/test_app_folder.h"

namespace vondrik {

// Found by the test framework through the figures' namespace.
static void PrintTo(const TableFigures& f, std::ostream* os) {
    *os << '{' << f.datensaetze << ", " << f.begriffe << ", " << f.erklaerungen << ", " << f.woerter
        << '}';
}

namespace {

using test::TestAppFolder;

TEST(PartCount, SplitsAtOneSeparator) {
    EXPECT_EQ(partCount(u"", u','), 0);
    EXPECT_EQ(partCount(u"Klang", u','), 1);
    EXPECT_EQ(partCount(u"Klang, Laut", u','), 2);
    EXPECT_EQ(partCount(u"a,,b", u','), 3);
    EXPECT_EQ(partCount(u"Klang, Laut", u' '), 2);
    // Two blanks in a row leave an empty part between them, and it counts.
    EXPECT_EQ(partCount(u"Klang  Laut", u' '), 3);
    EXPECT_EQ(partCount(u" ", u' '), 2);
}

class CountTable : public ::testing::Test {
  protected:
    // Replaces the rows of a length table.
    void fill(const char* table, int rows, const QString& meaningLiteral) {
        db->Execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        const QString word(tableByName(QLatin1String(table))->length, u'x');
        for (int i = 0; i < rows; ++i) {
            db->Execute(QStringLiteral("INSERT INTO %1 (Begriff, Bedeutung) VALUES ('%2', %3)")
                            .arg(QLatin1String(table), word, meaningLiteral));
        }
    }

    TableFigures count(const char* table) {
        return countTable(*db, *tableByName(QLatin1String(table)));
    }

    TestAppFolder app;
    std::unique_ptr<Database> db = app.openDictionary();
};

TEST_F(CountTable, OneCommaTwoBlanksGiveTwiceAndFourTimesTheRecords) {
    fill("sieben", 7, QStringLiteral("'Wort, Wort Wort'"));
    EXPECT_EQ(count("sieben"), (TableFigures{7, 7, 14, 28}));
}

TEST_F(CountTable, EmptyTableCountsNothing) {
    fill("vier", 0, {});
    EXPECT_EQ(count("vier"), TableFigures{});
}

TEST_F(CountTable, EmptyAndMissingMeaningsCountAsEmpty) {
    fill("zehn", 1, QStringLiteral("''"));
    EXPECT_EQ(count("zehn"), (TableFigures{1, 1, 0, 1}));
    // A missing meaning neither ends the count nor adds an explanation.
    db->Execute(
        QStringLiteral("INSERT INTO zehn (Begriff, Bedeutung) VALUES ('Nullwert12', NULL)"));
    db->Execute(QStringLiteral(
        "INSERT INTO zehn (Begriff, Bedeutung) VALUES ('Eintraege3', 'eins, zwei')"));
    EXPECT_EQ(count("zehn"), (TableFigures{3, 3, 2, 3 + 2}));
}

TEST_F(CountTable, FigureOfTheFixtureTableAndTotals) {
    // Two-letter fixture table: twenty records, four meanings with one comma each.
    const TableFigures zwei = count("zwei");
    EXPECT_EQ(zwei.datensaetze, 20);
    EXPECT_EQ(zwei.begriffe, 20);
    EXPECT_EQ(zwei.erklaerungen, 24);

    TableFigures total;
    for (const LengthTable& table : lengthTables()) {
        total += countTable(*db, table);
    }
    EXPECT_EQ(total.datensaetze, static_cast<qint64>(test::fixtureEntries().size()));
    EXPECT_EQ(total.begriffe, total.datensaetze);
}

TEST(StatisticsStatement, ReadsEveryRecordOfTheTable) {
    EXPECT_EQ(statisticsStatement(*tableForLength(5)),
              "Select * from fuenf WHERE begriff LIKE '*' or bedeutung like '*'");
}

}  // namespace
}  // namespace vondrik
