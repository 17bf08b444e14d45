// The rules of the pattern search (placeholders, same-letter marks and their row filter) and
// of the anagram search (its input and letter table).
#include <gtest/gtest.h>

#include "search/anagram.h"
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
        {"1##1", u"Esse", true},  {"1##1", u"Haus", false},
        {"1##1", u"Alaa", false},  // the marked "A" stands in the third place too
        {"12##", u"Tore", true},  {"12##", u"Aale", false},  // two marks need two different letters
        {"1221", u"Otto", true},  {"1#1", u"äbÄ", true},  // compared in capitals, umlauts included
        {"1#1", u"äba", false},   {"##1#1", u"Maßaß", true},
        {"1##1", u"Ab", false},  // a shorter stored word must not crash the filter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.pattern + (u' ' + QString::fromUtf16(c.word))).toStdString());
        EXPECT_EQ(passesSameLetterMarks(c.pattern, c.word), c.passes);
    }
}

TEST(AnagramInput, CleansInPlaceAndJudgesByTrimmedLength) {
    QString text = " ab'[c]{d} ";
    const AnagramInput input = prepareAnagramInput(text);
    EXPECT_EQ(input.verdict, AnagramVerdict::Ready);
    // The apostrophe turns into an unknown letter rather than vanishing.
    EXPECT_EQ(text, " ab#(c)(d) ");
    EXPECT_EQ(input.letters, "ab#(c)(d)");

    const struct {
        const char* text;
        AnagramVerdict verdict;
    } cases[] = {
        {"", AnagramVerdict::Empty},
        {"   ", AnagramVerdict::TooShort},
        {"  a  ", AnagramVerdict::TooShort},
        {" ab ", AnagramVerdict::Ready},
        {"  abcdefghijklmn?  ", AnagramVerdict::Ready},
        {"abcdefghijklmnop", AnagramVerdict::TooLong},
        {"abcdefg  hijklmn", AnagramVerdict::TooLong},  // inner blanks are unknown letters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QString box = c.text;
        EXPECT_EQ(prepareAnagramInput(box).verdict, c.verdict);
    }
}

TEST(LetterTable, WordMustHoldEveryLetterAsOftenAsTyped) {
    const struct {
        const char16_t* letters;
        const char16_t* word;
        bool covered;
    } cases[] = {
        {u"anna", u"Nana", true},
        {u"anna", u"ANNA", true},
        {u"anna", u"Anza", false},  // one "n" is not two
        {u"ann?", u"Wann", true},
        {u"ann?", u"Anke", false},
        // A typed umlaut is no letter of the table, only an unknown position.
        {u"bär", u"Rob", true},
        {u"bar", u"Bär", false},   // an "ä" in the word never stands in for an "a"
        {u"fuss", u"Fuß", false},  // "ß" is one character, not "ss"
        {u"fu??", u"Fuß", true},
        {u"###", u"Öse", true},
    };
    // Only "a" to "z" are letters of the table, and the longest input never overflows it.
    EXPECT_EQ(LetterTable(u"zebra?bä#z").last(), 4);
    EXPECT_EQ(LetterTable(u"??#ä").last(), -1);
    EXPECT_EQ(LetterTable(u"abcdefghijklmno").last(), 14);
    for (const auto& c : cases) {
        SCOPED_TRACE(
            (QString::fromUtf16(c.letters) + u' ' + QString::fromUtf16(c.word)).toStdString());
        EXPECT_EQ(LetterTable(c.letters).coveredBy(c.word), c.covered);
    }
}

}  // namespace
}  // namespace vondrik
