// Pattern and combined searches wired to the real main window; the search rules themselves are
// tested in tests/search.
#include "dictionary/cleaning.h"
#include "dictionary/text.h"
#include "haupt_fixture.h"
#include "support/qt_printers.h"

namespace vondrik::test {
namespace {

// Expected result lines, worked out from the fixture file independently of the search code.
QStringList expectedLines(int length, const std::function<bool(const QString& upper)>& fits) {
    QStringList lines;
    for (const auto& e : fixtureEntriesOfLength(length)) {
        if (fits(upperKeepLength(e.begriff))) {
            lines << resultLine(e.begriff, e.bedeutung);
        }
    }
    return lines;
}

TEST_F(HauptTest, EnterListsTheHitsOrShowsThePictureAndATooShortPatternGetsTheMessage) {
    const QStringList expected = expectedLines(8, [](const QString& w) { return w[3] == u'R'; });
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(search("###r####"), expected);
    EXPECT_EQ(Label2(*haupt)->text(), QString::number(expected.size()));
    EXPECT_TRUE(List1(*haupt)->isVisible() && !Image1(*haupt)->isVisible());
    EXPECT_EQ(Text1(*haupt)->selectedText(), "###r####");
    search("r'e's'l'");
    EXPECT_EQ(Text1(*haupt)->text(), "r#e#s#l#");  // the box shows the cleaned pattern

    EXPECT_TRUE(search("xxxxxxxx").isEmpty());
    EXPECT_EQ(Label2(*haupt)->text(), "0");
    EXPECT_TRUE(Image1(*haupt)->isVisible() && !List1(*haupt)->isVisible());
    ASSERT_EQ(fake.sound.played.size(), 3);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/glocke.wav"));
    EXPECT_TRUE(fake.sound.played[2].path.endsWith("ton/oooch.wav"));
    for (const char* pattern : {"a", ""}) {
        EXPECT_TRUE(search(QString::fromUtf8(pattern)).isEmpty()) << pattern;
    }
    EXPECT_EQ(messageTexts(), QStringList(2, "Sie müssen schon ein paar Buchstaben eingeben!"));
}

TEST_F(HauptTest, CombinedSearchNarrowsByTheMeaning) {
    Check1(*haupt)->setChecked(true);
    fake.inputBox.script({"dicht'er"});
    const QStringList lines = search("#####");
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    const QStringList expected = expectedLines(5, [](const QString&) {
                                     return true;
                                 }).filter("dichter", Qt::CaseInsensitive);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(lines, expected);

    // Cancelling the question keeps the list; it comes before the length check.
    fake.inputBox.script({"", ""});
    EXPECT_EQ(search("#####"), lines);
    EXPECT_EQ(fake.sound.played.size(), 1);
    search("a");
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
}

}  // namespace
}  // namespace vondrik::test
