// The text search over all lengths on the fixture dictionary; the input rules and the search
// of one length are tested through the input dialog.
#include <gtest/gtest.h>

#include "dictionary/dictionary_session.h"
#include "search/text_search.h"
#include "support/qt_printers.h"
#include "support/test_app_folder.h"

namespace vondrik {
namespace {

class TextSearch : public ::testing::Test {
  protected:
    test::TestAppFolder app;
    DictionarySession db{app.openDictionary()};
};

TEST_F(TextSearch, AllLengthsListsShortWordsFirstAndFindsEveryHit) {
    const auto result = searchAllLengths(db, TextSearchInput{"*dichter*", {}, true});
    int expected = 0;
    for (const auto& e : test::fixtureEntries()) {
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
        Transaction rows(db.database());
        auto appender = db.database().OpenTable("drei");
        for (int i = 0; i < kMaxAllLengthsLines; ++i) {
            appender->AddNew();
            appender->setValue(1, "Abc");
            appender->setValue(2, "Füllwort");
            appender->Update();
        }
        rows.commit();
    }
    const auto result = searchAllLengths(db, TextSearchInput{"**", {}, true});
    EXPECT_TRUE(result.tooMany);
    EXPECT_EQ(result.lines.size(), 30000);
    EXPECT_TRUE(db.sql().contains("from drei "));
}

}  // namespace
}  // namespace vondrik
