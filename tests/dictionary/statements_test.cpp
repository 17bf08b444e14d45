// Statement families as built, where a slip would change what they find or reach.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "dictionary/statements.h"

namespace vondrik {
namespace {

TEST(Statements, TwoTextsAreEachSearchedInBothFields) {
    EXPECT_EQ(statement(Family::TwoTexts, *tableForLength(8), {"*a*", "*b*"}),
              "Select * from acht WHERE (begriff LIKE '*a*' or bedeutung like '*a*') AND "
              "(begriff LIKE '*b*' or bedeutung like '*b*')");
    // Inserted text is never expanded again.
    EXPECT_EQ(statement(Family::Pattern, *tableForLength(3), {"{t}{1}"}),
              "Select * from drei WHERE begriff LIKE '{t}{1}'");
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

}  // namespace
}  // namespace vondrik
