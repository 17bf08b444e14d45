// Placeholders, same-letter marks and the row filter of the pattern search.
#include <gtest/gtest.h>

#include "search/pattern_search.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

TEST(PatternSearch, PlaceholdersBecomeOneWildcardAndOnlyOneToFiveAreMarks) {
    EXPECT_EQ(toLikePattern("###r####"), "???r????");
    for (const char* p : {"a#c", "a?c", "a c", "a.c", "a-c", "a+c", "a*c"}) {
        EXPECT_EQ(toLikePattern(p), "a?c") << p;
    }
    EXPECT_TRUE(hasSameLetterMarks("##5"));
    EXPECT_EQ(marksToPlaceholders("1##12345"), "########");
    // Six to nine and zero are ordinary characters of the word.
    EXPECT_FALSE(hasSameLetterMarks("a6789 0"));
    EXPECT_EQ(toLikePattern(marksToPlaceholders("a6789 0")), "a6789?0");
}

TEST(SameLetterMarks, OneLetterAtEveryMarkAndNowhereElse) {
    const struct {
        const char* pattern;
        const char16_t* word;
        bool passes;
    } cases[] = {
        {"1##1", u"Esse", true},
        {"1##1", u"Haus", false},
        {"1##1", u"Alaa", false},  // the marked "A" stands in the third place too
        {"1###", u"Haus", true},
        {"1###", u"Anna", false},
        {"12##", u"Tore", true},
        {"12##", u"Aale", false},  // two marks need two different letters
        {"1221", u"Otto", true},
        {"1221", u"Oooo", false},
        {"1#1", u"äbÄ", true},  // compared in capitals, umlauts included
        {"1#1", u"äba", false},
        {"##1#1", u"Maßaß", true},
        {"##1#1", u"Maßas", false},
        {"1##1", u"Ab", false},  // a shorter stored word must not crash the filter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.pattern + (u' ' + QString::fromUtf16(c.word))).toStdString());
        EXPECT_EQ(passesSameLetterMarks(c.pattern, c.word), c.passes);
    }
}

}  // namespace
}  // namespace vondrik
