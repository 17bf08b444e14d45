// Counting the statistics figures of whole length tables.
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

class CountTable : public ::testing::Test {
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

TEST_F(CountTable, CommasGiveExplanationsAndBlanksGiveWordsEmptyPartsIncluded) {
    EXPECT_EQ(countWith("sieben", {"'Wort, Wort Wort'", "'Wort, Wort Wort'"}),
              (TableFigures{2, 2, 4, 2 + 6}));
    // Two separators in a row leave an empty part that counts too.
    EXPECT_EQ(countWith("acht", {"'a,,b'", "'Klang  Laut'", "' '"}),
              (TableFigures{3, 3, 3 + 1 + 1, 3 + 1 + 3 + 2}));
    EXPECT_EQ(countWith("vier", {}), TableFigures{});
}

TEST_F(CountTable, EmptyAndMissingMeaningsCountAsEmpty) {
    // A missing meaning neither ends the count nor adds an explanation.
    EXPECT_EQ(countWith("zehn", {"''", "NULL", "'eins, zwei'"}), (TableFigures{3, 3, 2, 3 + 2}));
}

}  // namespace
}  // namespace vondrik
