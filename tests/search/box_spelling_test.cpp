// Crossword spelling over the fixture dictionary: what a solver with a row of boxes types, and
// that each answer from the copy of the entries is what the statement recorded in sql gives.
#include <gtest/gtest.h>

#include "dictionary/box_spelling.h"
#include "dictionary/statements.h"
#include "dictionary/text.h"
#include "search/anagram.h"
#include "search/entry_search.h"
#include "search/pattern_search.h"
#include "search/search_controller.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

class BoxSpelling : public ::testing::Test {
  protected:
    BoxSpelling() {
        QObject::connect(&searches, &SearchController::finished,
                         [this](const SearchResult& r) { result = r; });
    }

    QStringList pattern(const QString& typed, bool boxes) {
        searches.setBoxSpelling(boxes);
        result = {};
        searches.enterPattern(typed, false);
        return result.lines;
    }
    QStringList textOfLength(int length, const QString& text, bool boxes) {
        searches.setBoxSpelling(boxes);
        searches.chooseLength(length - 2);
        result = {};
        searches.startTextSearch({u'*' + text + u'*', {}, true});
        return result.lines;
    }
    QStringList anagram(const QString& letters, bool boxes) {
        searches.setBoxSpelling(boxes);
        result = {};
        searches.anagramm(letters);
        return result.lines;
    }
    // The words (in capitals) of the rows the recorded statement gives, in their order.
    QStringList wordsOfRecordedStatement() {
        QStringList words;
        for (Recordset rs = session.open(session.sql()); !rs.Eof(); rs.MoveNext()) {
            words << upperKeepLength(rs.text(u"Begriff"));
        }
        return words;
    }
    static QStringList wordsOf(const QStringList& lines) {
        QStringList words;
        for (const QString& line : lines) {
            words << line.section(u'\t', 0, 0).section(QStringLiteral(" ("), 0, 0);
        }
        return words;
    }

    test::TestAppFolder app;
    DictionarySession session{app.openDictionary()};
    SearchController searches{session};
    SearchResult result;
};

TEST(BoxRules, UmlautsAndSharpSTakeTwoBoxesPunctuationNone) {
    EXPECT_EQ(boxSpelling(u"Straße"), "STRASSE");
    EXPECT_EQ(boxSpelling(u"Äquator"), "AEQUATOR");
    EXPECT_EQ(boxSpelling(u"O'Neill-Straße am Öl"), "ONEILLSTRASSEAMOEL");
    EXPECT_EQ(patternBoxes(u"ä#u. -1ß"), "AE#U. -1SS");
}

// Each row: what is typed, what must be among the lines in crossword spelling, and (when
// the search finds anything at all) what must not be.
TEST_F(BoxSpelling, PatternsCountBoxesAndOffStaysAsBefore) {
    const struct {
        QString typed;
        QStringList found;
        QStringList notFound;
    } cases[] = {
        {"stra##e", {"STRAßE (STRASSE)\tFahrweg"}, {}},
        {"m##dchen", {"MÄDCHEN (MAEDCHEN)\tMaid, Deern"}, {}},
        {"oel", {"ÖL (OEL)\tSchmierstoff"}, {}},
        {"fu##", {"FUß (FUSS)\tunterer Teil des Beines"}, {}},
        {"##quator", {"ÄQUATOR (AEQUATOR)\tGroßkreis um die Erde"}, {}},
        {"ä#uator", {"ÄQUATOR (AEQUATOR)\tGroßkreis um die Erde"}, {}},  // Ä typed is AE
        // Not every UE is an umlaut: one pattern finds both kinds.
        {"#ue##", {"SÜß (SUESS)", "DUELL\tZweikampf"}, {}},
        {"st#uer", {"STEUER\tAbgabe an den Staat"}, {}},
        // Marks count boxes: the E of Ö and a real E repeat; the halves of Ö are two letters.
        {"#1#1", {"ÖSE (OESE)"}, {}},
        {"1##1", {}, {"ÖSE (OESE)"}},
        {"11##", {}, {"ÖSE (OESE)", "ÄRA (AERA)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QStringList boxes = pattern(c.typed, true);
        for (const QString& line : c.found) {
            EXPECT_FALSE(boxes.filter(line).isEmpty()) << boxes.join(u'|').toStdString();
        }
        for (const QString& line : c.notFound) {
            EXPECT_TRUE(boxes.filter(line).isEmpty()) << boxes.join(u'|').toStdString();
        }
        // The statement gives the rows of the pattern; the marks filter them, as ever.
        const QString marked = patternBoxes(c.typed);
        QStringList expectedWords;
        for (const QString& word : wordsOfRecordedStatement()) {
            if (!hasSameLetterMarks(marked) || passesSameLetterMarks(marked, boxSpelling(word))) {
                expectedWords << word;
            }
        }
        EXPECT_EQ(expectedWords, wordsOf(boxes));

        // Switched off, the same typing searches by letters, exactly as the statement does.
        const QStringList letters = pattern(c.typed, false);
        const auto table = tableForLength(int(c.typed.size()));
        const QString like = toLikePattern(marksToPlaceholders(c.typed));
        QStringList expected =
            runSearch(session, statement(Family::Pattern, *table, {like}), [&](QStringView w) {
                return !hasSameLetterMarks(c.typed) || passesSameLetterMarks(c.typed, w);
            }).lines;
        EXPECT_EQ(letters, expected);
    }
}

TEST_F(BoxSpelling, TextByLengthAndAnagramCountBoxes) {
    EXPECT_EQ(textOfLength(7, "fahrweg", true), QStringList{"STRAßE (STRASSE)\tFahrweg"});
    EXPECT_EQ(wordsOfRecordedStatement(), QStringList{"STRAßE"});
    EXPECT_EQ(textOfLength(6, "fahrweg", false), QStringList{"STRAßE\tFahrweg"});
    EXPECT_EQ(textOfLength(7, "fahrweg", false), QStringList());

    EXPECT_FALSE(anagram("strasse", true).filter("STRAßE (STRASSE)").isEmpty());
    QStringList covering;  // the statement gives the words of seven boxes; the letters choose
    for (const QString& word : wordsOfRecordedStatement()) {
        if (LetterTable(u"strasse").coveredBy(boxSpelling(word))) {
            covering << word;
        }
    }
    EXPECT_EQ(covering, wordsOf(result.lines));
    EXPECT_TRUE(anagram("strasse", false).filter("STRAßE").isEmpty());
}

// The copy answers free-text searches as the statements do, and follows every change.
TEST_F(BoxSpelling, CopyAnswersAsTheStatementsDoAndFollowsChanges) {
    const std::vector<TextSearchInput> inputs = {
        {"*dichter*", {}, true},
        {"*STRASSE*", {}, true},
        {"*ä*", "*e*", false},
        {"*weg*", {}, true},
    };
    for (int round = 0; round < 2; ++round) {
        for (const TextSearchInput& input : inputs) {
            SCOPED_TRACE(input.ei.toStdString());
            for (int length : {0, 6}) {
                const auto copy = searchTextInCopy(session, length, input, false);
                ASSERT_TRUE(copy.has_value());
                const QString recorded = session.sql();
                const SearchResult engine = length == 0 ? searchAllLengths(session, input)
                                                        : searchOneLength(session, length, input);
                EXPECT_EQ(copy->lines, engine.lines);
                EXPECT_EQ(recorded, session.sql());
            }
        }
        session.execute(statement(Family::Insert, *tableForLength(9), {"Wegweiser", "Dichter"}));
    }
    EXPECT_FALSE(searchTextInCopy(session, 0, {"*d?chter*", {}, true}, false).has_value());
}

}  // namespace
}  // namespace vondrik
