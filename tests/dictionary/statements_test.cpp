// Statement families as built: a text put into a statement is never read as a placeholder.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "dictionary/statements.h"

namespace vondrik {
namespace {

TEST(Statements, InsertedTextIsNeverExpandedAgain) {
    EXPECT_EQ(statement(Family::Pattern, *tableForLength(3), {"{t}{1}"}),
              "Select * from drei WHERE begriff LIKE '{t}{1}'");
    EXPECT_EQ(statement(Family::TwoTexts, *tableForLength(8), {"{2}", "%1"}),
              "Select * from acht WHERE (begriff LIKE '{2}' or bedeutung like '{2}') AND "
              "(begriff LIKE '%1' or bedeutung like '%1')");
}

}  // namespace
}  // namespace vondrik
