// Pattern and combined searches run from the real main window, and how their results are
// shown; the search rules themselves are tested in tests/search.
#include <QApplication>
#include <QClipboard>

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

TEST_F(HauptTest, EnterListsEveryWordThatFitsThePattern) {
    const QStringList lines = search("###r####");
    const QStringList expected = expectedLines(8, [](const QString& w) { return w[3] == u'R'; });
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(haupt->session().sql(), "Select * from acht WHERE begriff LIKE '???r????'");
    EXPECT_EQ(Label2(*haupt)->text(), QString::number(expected.size()));
    EXPECT_TRUE(Frame2(*haupt)->isVisible() && List1(*haupt)->isVisible());
    EXPECT_FALSE(Image1(*haupt)->isVisible());
    EXPECT_EQ(List1(*haupt)->tabStop(), 60);
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/glocke.wav"));
    EXPECT_EQ(Text1(*haupt)->selectedText(), "###r####");

    List1(*haupt)->setFocus();
    QTest::keyClick(List1(*haupt), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join('\n'));

    // The box shows the cleaned pattern; same-letter marks filter the rows.
    search("r'e's'l'");
    EXPECT_EQ(Text1(*haupt)->text(), "r#e#s#l#");
    EXPECT_EQ(haupt->session().sql(), "Select * from acht WHERE begriff LIKE 'r?e?s?l?'");
    const QStringList marked = expectedLines(
        4, [](const QString& w) { return w[0] == w[3] && w[1] != w[0] && w[2] != w[0]; });
    ASSERT_GE(marked.size(), 3);
    EXPECT_EQ(search("1##1"), marked);
}

TEST_F(HauptTest, NoHitShowsThePictureAndATooShortPatternGetsTheMessage) {
    // A greeting left in the box is searched like any pattern.
    QTest::keyClick(Text1(*haupt), Qt::Key_Return);
    EXPECT_EQ(haupt->session().sql(), "Select * from neun WHERE begriff LIKE 'Guten?Tag'");
    EXPECT_EQ(Label2(*haupt)->text(), "0");
    EXPECT_FALSE(List1(*haupt)->isVisible());
    EXPECT_TRUE(Image1(*haupt)->isVisible());
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/oooch.wav"));

    ASSERT_FALSE(search("###r####").isEmpty());
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
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte Suchbegriff eingeben.");
    EXPECT_EQ(haupt->session().sql(),
              "Select * from fuenf WHERE begriff LIKE '?????' and bedeutung like '*dichter*'");
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
    fake.inputBox.script({"x"});
    search("a");
    EXPECT_EQ(fake.inputBox.asked().size(), 4);
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
}

}  // namespace
}  // namespace vondrik::test
