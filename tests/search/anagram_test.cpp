// The anagram solver's input rules and letter table.
#include <gtest/gtest.h>

#include "search/anagram.h"
#include "support/qt_printers.h"

namespace vondrik {
namespace {

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
        {u"anna", u"Nase", false},
        {u"ann?", u"Wann", true},
        {u"ann?", u"Nanu", true},
        {u"ann?", u"Anke", false},
        // A typed umlaut is no letter of the table, only an unknown position.
        {u"bär", u"Bär", true},
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
