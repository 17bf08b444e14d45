// Placeholders, same-letter marks and the row filter.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "search/pattern_search.h"

namespace vondrik {
namespace {

TEST(PatternSearch, EveryPlaceholderBecomesTheSameWildcard) {
    EXPECT_EQ(toLikePattern("###r####"), "???r????");
    for (const char* p : {"a#c", "a?c", "a c", "a.c", "a-c", "a+c", "a*c"}) {
        EXPECT_EQ(toLikePattern(p), "a?c") << p;
    }
    EXPECT_EQ(toLikePattern("r#e#s#l#"), "r?e?s?l?");
}

TEST(PatternSearch, DigitsSixToZeroStayLiteral) {
    EXPECT_FALSE(hasSameLetterMarks("a6789 0"));
    EXPECT_EQ(toLikePattern(marksToPlaceholders("a6789 0")), "a6789?0");
    EXPECT_TRUE(hasSameLetterMarks("##5"));
    EXPECT_EQ(marksToPlaceholders("1##12345"), "########");
}

TEST(SameLetterMarks, EqualLetterRequiredAtEveryMark) {
    EXPECT_TRUE(passesSameLetterMarks("1##1", u"Esse"));
    EXPECT_TRUE(passesSameLetterMarks("1##1", u"rohr"));
    EXPECT_FALSE(passesSameLetterMarks("1##1", u"Haus"));
}

TEST(SameLetterMarks, MarkedLetterElsewhereDropsTheRow) {
    EXPECT_TRUE(passesSameLetterMarks("1##1", u"ERLE"));
    EXPECT_FALSE(passesSameLetterMarks("1##1", u"Alaa"));  // A also in third place
    EXPECT_TRUE(passesSameLetterMarks("1###", u"Haus"));
    EXPECT_FALSE(passesSameLetterMarks("1###", u"Anna"));  // A again at the end
}

TEST(SameLetterMarks, TwoMarksNeedTwoDifferentLetters) {
    EXPECT_TRUE(passesSameLetterMarks("12##", u"Tore"));
    EXPECT_FALSE(passesSameLetterMarks("12##", u"Aale"));
    EXPECT_TRUE(passesSameLetterMarks("1221", u"Otto"));
    EXPECT_FALSE(passesSameLetterMarks("1221", u"Oooo"));
}

TEST(SameLetterMarks, CaseAndUmlautsCompareInCapitals) {
    EXPECT_TRUE(passesSameLetterMarks("1#1", u"äbÄ"));
    EXPECT_FALSE(passesSameLetterMarks("1#1", u"äba"));
    EXPECT_TRUE(passesSameLetterMarks("##1#1", u"Maßaß"));
    EXPECT_FALSE(passesSameLetterMarks("##1#1", u"Maßas"));
}

TEST(SameLetterMarks, ShorterStoredWordNeverCrashes) {
    EXPECT_FALSE(passesSameLetterMarks("1##1", u"Ab"));
}

TEST(TabStops, GrowWithTheWordLength) {
    EXPECT_EQ(tabStopForLength(2), 30);
    EXPECT_EQ(tabStopForLength(15), 95);
}

}  // namespace
}  // namespace vondrik
