// Text search input rules and searches over one or all lengths on the fixture dictionary.
#include <gtest/gtest.h>

#include "support/qt_printers.h"

#include <algorithm>

#include "dictionary/cleaning.h"
#include "dictionary/statements.h"
#include "search/text_search.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

using test::fixtureEntries;
using test::TestAppFolder;

TEST(TextSearchInput, CleansBoxesInPlaceAndWrapsInStars) {
    QString t1 = " Rock'n'Roll [x] ";
    QString t2 = "{a}";
    const auto input = prepareTextSearch(t1, t2);
    ASSERT_TRUE(input);
    EXPECT_EQ(t1, " RocknRoll (x) ");
    EXPECT_EQ(t2, "(a)");
    EXPECT_EQ(input->ei, "*RocknRoll (x)*");
    EXPECT_EQ(input->eii, "*(a)*");
    EXPECT_FALSE(input->nur1);
}

TEST(TextSearchInput, EmptyFirstTextStartsNothingBlanksDoNot) {
    QString empty;
    QString second = "Haus";
    EXPECT_FALSE(prepareTextSearch(empty, second));
    QString blanks = "   ";
    QString blankSecond = "  ";
    const auto input = prepareTextSearch(blanks, blankSecond);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->ei, "**");
    EXPECT_TRUE(input->nur1);
}

TEST(TextSearch, BlankTextListsTheWholeTable) {
    TestAppFolder app;
    auto db = app.openDictionary();
    QString t1 = " ";
    QString t2;
    const auto result = searchOneLength(*db, 4, *prepareTextSearch(t1, t2));
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(result.lines.size(), static_cast<qsizetype>(test::fixtureEntriesOfLength(4).size()));
}

TEST(TextSearch, TwoTextsMayBeSplitBetweenWordAndMeaning) {
    TestAppFolder app;
    auto db = app.openDictionary();
    // Pick a fixture word and a piece of its meaning: both must be found together.
    const auto entries = test::fixtureEntriesOfLength(6);
    const auto& e = *std::find_if(entries.begin(), entries.end(),
                                  [](const auto& x) { return x.bedeutung.size() > 5; });
    QString t1 = e.begriff.left(4);
    QString t2 = e.bedeutung.mid(1, 4);
    const auto result = searchOneLength(*db, 6, *prepareTextSearch(t1, t2));
    EXPECT_TRUE(result.lines.contains(resultLine(e.begriff, e.bedeutung)));
    for (const QString& line : result.lines) {
        EXPECT_TRUE(line.contains(t1, Qt::CaseInsensitive));
        EXPECT_TRUE(line.contains(t2, Qt::CaseInsensitive));
    }
}

TEST(TextSearch, AllLengthsListsShortWordsFirstAndFindsEveryHit) {
    TestAppFolder app;
    auto db = app.openDictionary();
    QString t1 = "dichter";
    QString t2;
    const auto result = searchAllLengths(*db, *prepareTextSearch(t1, t2));
    int expected = 0;
    for (const auto& e : fixtureEntries()) {
        expected += (e.begriff + u' ' + e.bedeutung).contains("dichter", Qt::CaseInsensitive);
    }
    ASSERT_GE(expected, 3);
    ASSERT_EQ(result.lines.size(), expected);
    qsizetype previousLength = 0;
    for (const QString& line : result.lines) {
        const qsizetype length = line.indexOf(u'\t');
        EXPECT_GE(length, previousLength) << line.toStdString();
        previousLength = length;
    }
    EXPECT_FALSE(result.tooMany);
    EXPECT_TRUE(result.sql.startsWith("Select * from fuenfzehn "));
}

TEST(TextSearch, BrokenTableIsPassedOverWithItsMessage) {
    TestAppFolder app;
    auto db = app.openDictionary();
    db->Execute("DROP TABLE sieben");
    QString t1 = " ";
    QString t2;
    const auto result = searchAllLengths(*db, *prepareTextSearch(t1, t2));
    EXPECT_TRUE(result.error.contains("sieben"));
    const auto all = fixtureEntries().size() - test::fixtureEntriesOfLength(7).size();
    EXPECT_EQ(result.lines.size(), static_cast<qsizetype>(all));
}

TEST(TextSearch, AllLengthsStopsAtTheLineLimit) {
    TestAppFolder app;
    auto db = app.openDictionary();
    {
        auto appender = db->OpenTable("drei");
        for (int i = 0; i < kMaxAllLengthsLines; ++i) {
            appender->AddNew();
            appender->setValue(1, "Abc");
            appender->setValue(2, "Füllwort");
            appender->Update();
        }
    }
    QString t1 = " ";
    QString t2;
    const auto result = searchAllLengths(*db, *prepareTextSearch(t1, t2));
    EXPECT_TRUE(result.tooMany);
    EXPECT_EQ(result.lines.size(), kMaxAllLengthsLines);
    EXPECT_TRUE(result.sql.contains("from drei "));
}

}  // namespace
}  // namespace vondrik
