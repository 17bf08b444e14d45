// Searches over whole length tables on the fixture dictionary: the text search over all
// lengths and the statistics figures. The text search's input rules and its search of one
// length are tested through the input dialog.
#include <gtest/gtest.h>

#include "dictionary/dictionary_session.h"
#include "dictionary/statements.h"
#include "search/statistics.h"
#include "search/text_search.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {

// Found by the test framework through the figures' namespace.
static void PrintTo(const TableFigures& f, std::ostream* os) {
    *os << '{' << f.datensaetze << ", " << f.begriffe << ", " << f.erklaerungen << ", " << f.woerter
        << '}';
}

namespace {

class TableSearch : public ::testing::Test {
  protected:
    // Empties the table and fills it with entries of these meanings (statement literals).
    TableFigures countWith(const char* table, std::initializer_list<const char*> meanings) {
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
        const LengthTable t = *tableByName(QLatin1String(table));
        for (const char* meaning : meanings) {
            db.execute(QStringLiteral("INSERT INTO %1 (Begriff, Bedeutung) VALUES ('%2', %3)")
                           .arg(QLatin1String(table), QString(t.length, u'x'), meaning));
        }
        return countTable(db, t);
    }

    test::TestAppFolder app;
    DictionarySession db{app.openDictionary()};
};

TEST_F(TableSearch, TextSearchAllLengthsListsShortWordsFirstAndFindsEveryHit) {
    const auto result = searchAllLengths(db, TextSearchInput{"*dichter*", {}, true});
    int expected = 0;
    for (const auto& e : test::fixtureEntries()) {
        expected += (e.begriff + u' ' + e.bedeutung).contains("dichter", Qt::CaseInsensitive);
    }
    ASSERT_GE(expected, 3);
    ASSERT_EQ(result.lines.size(), expected);
    qsizetype previousLength = 0;
    for (const QString& line : result.lines) {
        const qsizetype length = line.indexOf(u'\t');
        EXPECT_GE(length, previousLength) << line.toStdString();
        previousLength = length;
    }
    EXPECT_FALSE(result.tooMany);
    EXPECT_TRUE(db.sql().startsWith("Select * from fuenfzehn "));
}

TEST_F(TableSearch, TextSearchAllLengthsStopsAtTheLineLimit) {
    {
        Transaction rows(db.database());
        test::appendRows(db.database(), "drei",
                         std::vector<test::FixtureEntry>(kMaxAllLengthsLines, {"Abc", "Füllwort"}));
        rows.commit();
    }
    const auto result = searchAllLengths(db, TextSearchInput{"**", {}, true});
    EXPECT_TRUE(result.tooMany);
    EXPECT_EQ(result.lines.size(), 30000);
    EXPECT_TRUE(db.sql().contains("from drei "));
}

TEST_F(TableSearch, CountsCommasAsExplanationsBlanksAsWordsEmptyPartsAndMissingMeaningsToo) {
    EXPECT_EQ(countWith("sieben", {"'Wort, Wort Wort'", "'Wort, Wort Wort'"}),
              (TableFigures{2, 2, 4, 2 + 6}));
    // Two separators in a row leave an empty part that counts too.
    EXPECT_EQ(countWith("acht", {"'a,,b'", "'Klang  Laut'", "' '"}),
              (TableFigures{3, 3, 3 + 1 + 1, 3 + 1 + 3 + 2}));
    EXPECT_EQ(countWith("vier", {}), TableFigures{});
    // A missing meaning neither ends the count nor adds an explanation.
    EXPECT_EQ(countWith("zehn", {"''", "NULL", "'eins, zwei'"}), (TableFigures{3, 3, 2, 3 + 2}));
}

}  // namespace
}  // namespace vondrik
