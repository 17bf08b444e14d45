// The anagram solver's input rules and letter table.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include "search/anagram.h"

namespace vondrik {
namespace {

TEST(AnagramInput, CleansInPlaceAndTrims) {
    QString text = " ab'[c]{d} ";
    const AnagramInput input = prepareAnagramInput(text);
    EXPECT_EQ(input.verdict, AnagramVerdict::Ready);
    // The apostrophe turns into an unknown letter rather than vanishing.
    EXPECT_EQ(text, " ab#(c)(d) ");
    EXPECT_EQ(input.letters, "ab#(c)(d)");
}

TEST(AnagramInput, JudgesByTrimmedLength) {
    QString empty;
    EXPECT_EQ(prepareAnagramInput(empty).verdict, AnagramVerdict::Empty);
    QString blanks = "   ";
    EXPECT_EQ(prepareAnagramInput(blanks).verdict, AnagramVerdict::TooShort);
    QString one = "  a  ";
    EXPECT_EQ(prepareAnagramInput(one).verdict, AnagramVerdict::TooShort);
    QString two = " ab ";
    EXPECT_EQ(prepareAnagramInput(two).verdict, AnagramVerdict::Ready);
    QString fifteen = "  abcdefghijklmn?  ";
    EXPECT_EQ(prepareAnagramInput(fifteen).verdict, AnagramVerdict::Ready);
    QString sixteen = "abcdefghijklmnop";
    const AnagramInput tooLong = prepareAnagramInput(sixteen);
    EXPECT_EQ(tooLong.verdict, AnagramVerdict::TooLong);
    // Blanks inside count: each one is an unknown position.
    QString inner = "abcdefg  hijklmn";
    EXPECT_EQ(prepareAnagramInput(inner).verdict, AnagramVerdict::TooLong);
}

TEST(LetterTable, CountsDistinctLettersAlphabetically) {
    const LetterTable table(u"zebra?bä#z");
    ASSERT_EQ(table.last(), 4);
    const std::pair<char16_t, int> expected[] = {
        {u'a', 1}, {u'b', 2}, {u'e', 1}, {u'r', 1}, {u'z', 2}};
    for (int i = 0; i <= table.last(); ++i) {
        EXPECT_EQ(table.entry(i).letter, expected[i].first) << i;
        EXPECT_EQ(table.entry(i).count, expected[i].second) << i;
    }
    EXPECT_EQ(LetterTable(u"??#ä").last(), -1);
    // Fifteen distinct letters fit: the longest input never overflows the table.
    EXPECT_EQ(LetterTable(u"abcdefghijklmno").last(), 14);
}

TEST(LetterTable, WordMustHoldEveryLetterAsOftenAsTyped) {
    const LetterTable anna(u"anna");
    EXPECT_TRUE(anna.coveredBy(u"Nana"));
    EXPECT_TRUE(anna.coveredBy(u"ANNA"));
    // One "n" is not two.
    EXPECT_FALSE(anna.coveredBy(u"Anza"));
    EXPECT_FALSE(anna.coveredBy(u"Nase"));

    const LetterTable withUnknown(u"ann?");
    EXPECT_TRUE(withUnknown.coveredBy(u"Wann"));
    EXPECT_TRUE(withUnknown.coveredBy(u"Nanu"));
    EXPECT_FALSE(withUnknown.coveredBy(u"Anke"));
}

TEST(LetterTable, UmlautsOnlyFillUnknownPositions) {
    // A typed "ä" is no letter of the table, so "Bär" needs only "b" and "r".
    const LetterTable typedUmlaut(u"bär");
    EXPECT_TRUE(typedUmlaut.coveredBy(u"Bär"));
    EXPECT_TRUE(typedUmlaut.coveredBy(u"Bar"));
    EXPECT_TRUE(typedUmlaut.coveredBy(u"Rob"));
    // An "ä" in the word never stands in for an "a".
    EXPECT_FALSE(LetterTable(u"bar").coveredBy(u"Bär"));
    // "ß" is one character, not "ss".
    EXPECT_FALSE(LetterTable(u"fuss").coveredBy(u"Fuß"));
    EXPECT_TRUE(LetterTable(u"fu??").coveredBy(u"Fuß"));
    // Only unknown positions: every word qualifies.
    EXPECT_TRUE(LetterTable(u"###").coveredBy(u"Öse"));
}

}  // namespace
}  // namespace vondrik
