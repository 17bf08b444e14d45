// Statement families as built, blanks included.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <stdexcept>

#include "dictionary/statements.h"

namespace vondrik {
namespace {

LengthTable table(int length) {
    return *tableForLength(length);
}

TEST(LengthTables, CoverTwoToFifteenOnly) {
    EXPECT_FALSE(tableForLength(1));
    EXPECT_FALSE(tableForLength(16));
    EXPECT_STREQ(tableForLength(2)->name, "zwei");
    EXPECT_STREQ(tableForLength(5)->name, "fuenf");
    EXPECT_STREQ(tableForLength(12)->name, "zwoelf");
    EXPECT_STREQ(tableForLength(15)->name, "fuenfzehn");
    EXPECT_EQ(tableByName(QStringLiteral("ACHT"))->length, 8);
    EXPECT_FALSE(tableByName(QStringLiteral("eins")));
}

TEST(Statements, SearchFamilies) {
    const LengthTable acht = *tableForLength(8);
    EXPECT_EQ(statement(Family::Pattern, acht, {QStringLiteral("???r????")}),
              "Select * from acht WHERE begriff LIKE '???r????'");
    EXPECT_EQ(statement(Family::PatternWithMeaning, acht, {"?????", "*x*"}),
              "Select * from acht WHERE begriff LIKE '?????' and bedeutung like '*x*'");
    EXPECT_EQ(statement(Family::OneText, acht, {"*a*"}),
              "Select * from acht WHERE begriff LIKE '*a*' or bedeutung like '*a*'");
    EXPECT_EQ(statement(Family::TwoTexts, acht, {"*a*", "*b*"}),
              "Select * from acht WHERE (begriff LIKE '*a*' or bedeutung like '*a*') AND "
              "(begriff LIKE '*b*' or bedeutung like '*b*')");
    EXPECT_EQ(statement(Family::Everything, acht, {}),
              "Select * from acht WHERE begriff LIKE '*' or bedeutung like '*'");
    EXPECT_EQ(statement(Family::WarmUp, acht, {}), "Select * from zwei WHERE begriff LIKE 'e*'");
}

TEST(Statements, WholeTableWithAndWithoutTrailingBlank) {
    EXPECT_EQ(statement(Family::WholeTableBlank, table(3), {}), "Select * from drei ");
    EXPECT_EQ(statement(Family::WholeTable, table(3), {}), "Select * from drei");
}

TEST(Statements, EditorFamiliesKeepTheirBlanks) {
    const LengthTable zwei = *tableForLength(2);
    EXPECT_EQ(statement(Family::EditorWord, zwei, {"*x*"}),
              "Select * from zwei WHERE begriff LIKE '*x*'");
    EXPECT_EQ(statement(Family::EditorMeaning, zwei, {"*x*"}),
              "Select * from zwei WHERE bedeutung LIKE '*x*'");
    EXPECT_EQ(statement(Family::OneRecord, zwei, 123456), "Select * from zwei where id = 123456");
    EXPECT_EQ(statement(Family::Change, zwei, {"Ei", "Teil vom Huhn", "7"}),
              "UPDATE zwei Set begriff = 'Ei', Bedeutung = 'Teil vom Huhn' Where id =  7 ");
    EXPECT_EQ(statement(Family::Insert, zwei, {"Ei", "Frühstück"}),
              "INSERT INTO zwei (Begriff, Bedeutung) VALUES ('Ei', 'Frühstück')");
}

TEST(Statements, DeleteHasTwoBlanksBeforeWhereForFourTables) {
    for (const LengthTable& t : lengthTables()) {
        const QString name = QLatin1String(t.name);
        const bool wide = name == "drei" || name == "vier" || name == "sieben" || name == "zwoelf";
        const QString gap = wide ? "  " : " ";
        EXPECT_EQ(statement(Family::Delete, t, 42), "DELETE from " + name + gap + "Where id =  42 ")
            << t.name;
    }
}

TEST(Statements, InsertedTextIsNeverExpandedAgain) {
    EXPECT_EQ(statement(Family::Pattern, table(3), {"{t}{1}"}),
              "Select * from drei WHERE begriff LIKE '{t}{1}'");
}

TEST(Statements, WrongInsertCountIsRefused) {
    EXPECT_THROW(statement(Family::Pattern, table(3), {}), std::invalid_argument);
    EXPECT_THROW(statement(Family::Change, table(3), {"a", "b"}), std::invalid_argument);
    EXPECT_EQ(insertCount(Family::Change), 3);
    EXPECT_EQ(insertCount(Family::TwoTexts), 2);
}

}  // namespace
}  // namespace vondrik
