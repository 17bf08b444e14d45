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
    EXPECT_STREQ(tableForLength(12)->name, "zwoelf");
    EXPECT_EQ(tableByName(QStringLiteral("ACHT"))->length, 8);
    EXPECT_FALSE(tableByName(QStringLiteral("eins")));
}

TEST(Statements, TextSearchAndWarmUpFamilies) {
    const LengthTable acht = *tableForLength(8);
    EXPECT_EQ(statement(Family::OneText, acht, {"*a*"}),
              "Select * from acht WHERE begriff LIKE '*a*' or bedeutung like '*a*'");
    EXPECT_EQ(statement(Family::TwoTexts, acht, {"*a*", "*b*"}),
              "Select * from acht WHERE (begriff LIKE '*a*' or bedeutung like '*a*') AND "
              "(begriff LIKE '*b*' or bedeutung like '*b*')");
    EXPECT_EQ(statement(Family::Everything, acht, {}),
              "Select * from acht WHERE begriff LIKE '*' or bedeutung like '*'");
    EXPECT_EQ(statement(Family::WarmUp, acht, {}), "Select * from zwei WHERE begriff LIKE 'e*'");
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
}

}  // namespace
}  // namespace vondrik
