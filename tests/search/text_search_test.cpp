// Text search input rules and searches over one or all lengths on the fixture dictionary.
#include <gtest/gtest.h>

#include <algorithm>

#include "dictionary/cleaning.h"
#include "search/text_search.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

using test::fixtureEntries;
using test::fixtureEntriesOfLength;

// One search text; the boxes are taken by value because preparing rewrites them.
TextSearchInput oneText(QString text) {
    QString none;
    return *prepareTextSearch(text, none);
}

TEST(TextSearchInput, CleansTheBoxesInPlaceAndNeedsAFirstText) {
    QString t1 = " Rock'n'Roll [x] ";
    QString t2 = "  ";  // blanks only are no second text
    const auto input = prepareTextSearch(t1, t2);
    ASSERT_TRUE(input);
    EXPECT_EQ(t1, " RocknRoll (x) ");
    EXPECT_EQ(input->ei, "*RocknRoll (x)*");
    EXPECT_TRUE(input->nur1);
    QString empty;
    t2 = "{a}";
    EXPECT_FALSE(prepareTextSearch(empty, t2));
}

class TextSearch : public ::testing::Test {
  protected:
    test::TestAppFolder app;
    DictionarySession db{app.openDictionary()};
};

TEST_F(TextSearch, OneLengthFindsBothTextsSplitBetweenWordAndMeaning) {
    const auto entries = fixtureEntriesOfLength(6);
    const auto& e = *std::find_if(entries.begin(), entries.end(),
                                  [](const auto& x) { return x.bedeutung.size() > 5; });
    QString t1 = e.begriff.left(4);
    QString t2 = e.bedeutung.mid(1, 4);
    const auto result = searchOneLength(db, 6, *prepareTextSearch(t1, t2));
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_TRUE(result.lines.contains(resultLine(e.begriff, e.bedeutung)));
    for (const QString& line : result.lines) {
        EXPECT_TRUE(line.contains(t1, Qt::CaseInsensitive));
        EXPECT_TRUE(line.contains(t2, Qt::CaseInsensitive));
    }
}

TEST_F(TextSearch, AllLengthsListsShortWordsFirstAndFindsEveryHit) {
    const auto result = searchAllLengths(db, oneText("dichter"));
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
    EXPECT_TRUE(db.sql().startsWith("Select * from fuenfzehn "));
}

TEST_F(TextSearch, AllLengthsStopsAtTheLineLimit) {
    {
        auto appender = db.database().OpenTable("drei");
        for (int i = 0; i < kMaxAllLengthsLines; ++i) {
            appender->AddNew();
            appender->setValue(1, "Abc");
            appender->setValue(2, "Füllwort");
            appender->Update();
        }
    }
    const auto result = searchAllLengths(db, oneText(" "));
    EXPECT_TRUE(result.tooMany);
    EXPECT_EQ(result.lines.size(), 30000);
    EXPECT_TRUE(db.sql().contains("from drei "));
}

}  // namespace
}  // namespace vondrik
