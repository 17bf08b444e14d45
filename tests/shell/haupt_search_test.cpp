// Pattern and combined searches typed into the real main window, and the result display.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>

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

TEST_F(HauptTest, PatternListsEveryWordWithTheKnownLetters) {
    const QStringList lines = search("###r####");
    const QStringList expected = expectedLines(8, [](const QString& w) { return w[3] == u'R'; });
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(haupt->sql, "Select * from acht WHERE begriff LIKE '???r????'");
    EXPECT_EQ(haupt->Label2->text(), QString::number(expected.size()));
    EXPECT_TRUE(haupt->Frame2->isVisible());
    EXPECT_TRUE(haupt->List1->isVisible());
    EXPECT_FALSE(haupt->Image1->isVisible());
    EXPECT_EQ(haupt->List1->tabStop(), 60);
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/glocke.wav"));
    EXPECT_EQ(haupt->Text1->selectedText(), "###r####");
}

TEST_F(HauptTest, EveryPlaceholderSearchesTheSame) {
    const QStringList reference = search("r#e#s#l#");
    for (const char* pattern : {"r?e?s?l?", "r e s l ", "r.e-s+l*", "r'e's'l'"}) {
        EXPECT_EQ(search(QString::fromUtf8(pattern)), reference) << pattern;
        EXPECT_EQ(haupt->sql, "Select * from acht WHERE begriff LIKE 'r?e?s?l?'");
    }
    EXPECT_EQ(haupt->Text1->text(), "r#e#s#l#");  // the apostrophes as shown in the box
}

TEST_F(HauptTest, NoHitShowsThePictureAndPlaysTheFailureSound) {
    EXPECT_TRUE(search("[x]{y}").isEmpty());
    EXPECT_EQ(haupt->Text1->text(), "(x)(y)");
    EXPECT_EQ(haupt->sql, "Select * from sechs WHERE begriff LIKE '(x)(y)'");
    EXPECT_EQ(haupt->Label2->text(), "0");
    EXPECT_FALSE(haupt->List1->isVisible());
    EXPECT_TRUE(haupt->Image1->isVisible());
    EXPECT_TRUE(fake.sound.played.last().path.endsWith("ton/oooch.wav"));
}

TEST_F(HauptTest, TooShortPatternGetsTheMessageAndAnEmptyList) {
    search("###r####");
    for (const char* pattern : {"a", ""}) {
        const int before = fake.messageBox.shown().size();
        EXPECT_TRUE(search(QString::fromUtf8(pattern)).isEmpty());
        ASSERT_EQ(fake.messageBox.shown().size(), before + 1);
        const auto& m = fake.messageBox.shown().last();
        EXPECT_EQ(m.text, "Sie müssen schon ein paar Buchstaben eingeben!");
        EXPECT_EQ(m.title, "Also sowas");
        EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    }
}

TEST_F(HauptTest, SameLetterMarksNeedOneLetterFoundNowhereElse) {
    const QStringList lines = search("1##1");
    const QStringList expected = expectedLines(
        4, [](const QString& w) { return w[0] == w[3] && w[1] != w[0] && w[2] != w[0]; });
    ASSERT_GE(expected.size(), 3);
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(haupt->markenflag);

    // Two marks need two different letters in their places.
    const QStringList pairs = search("12##");
    for (const QString& line : pairs) {
        EXPECT_NE(line[0], line[1]) << line.toStdString();
    }
    EXPECT_EQ(pairs, expectedLines(4, [](const QString& w) {
                  return w[0] != w[1] && w.count(w[0]) == 1 && w.count(w[1]) == 1;
              }));
}

TEST_F(HauptTest, DigitsSixToZeroAreLiteral) {
    EXPECT_TRUE(search("6##9").isEmpty());
    EXPECT_EQ(haupt->sql, "Select * from vier WHERE begriff LIKE '6??9'");
    EXPECT_FALSE(haupt->markenflag);
}

TEST_F(HauptTest, GreetingLeftInTheBoxIsSearchedAsAPattern) {
    ASSERT_EQ(haupt->Text1->text(), "Guten Tag");
    QTest::keyClick(haupt->Text1, Qt::Key_Return);
    EXPECT_EQ(haupt->sql, "Select * from neun WHERE begriff LIKE 'Guten?Tag'");
}

TEST_F(HauptTest, CombinedSearchNarrowsByTheMeaning) {
    haupt->Check1->setChecked(true);
    fake.inputBox.script({"dicht'er"});
    const QStringList lines = search("#####");
    ASSERT_EQ(fake.inputBox.asked().size(), 1);
    EXPECT_EQ(fake.inputBox.asked()[0].prompt, "Bitte Suchbegriff eingeben.");
    EXPECT_EQ(fake.inputBox.asked()[0].title, "'Suche kombinieren' ist aktiviert");
    EXPECT_EQ(haupt->kombitext, "*dichter*");
    EXPECT_EQ(haupt->sql,
              "Select * from fuenf WHERE begriff LIKE '?????' and bedeutung like '*dichter*'");
    const QStringList expected = expectedLines(5, [](const QString&) {
                                     return true;
                                 }).filter("dichter", Qt::CaseInsensitive);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(lines, expected);
}

TEST_F(HauptTest, CancelledCombinedQuestionKeepsTheOldList) {
    const QStringList before = search("###r####");
    haupt->Check1->setChecked(true);
    fake.inputBox.script({""});
    EXPECT_EQ(search("#####"), before);
    EXPECT_EQ(fake.sound.played.size(), 1);
    // The question comes before the length check: cancelling it shows no length message.
    fake.inputBox.script({""});
    search("a");
    EXPECT_TRUE(fake.messageBox.shown().isEmpty());
    fake.inputBox.script({"x"});
    search("a");
    EXPECT_EQ(fake.inputBox.asked().size(), 3);
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
}

TEST_F(HauptTest, CtrlCCopiesEveryResultLine) {
    const QStringList lines = search("###r####");
    haupt->List1->setFocus();
    QTest::keyClick(haupt->List1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join('\n'));
}

TEST_F(HauptTest, DatabaseErrorIsReportedAndTheWindowStaysUsable) {
    haupt->DB->Execute("DROP TABLE acht");
    EXPECT_TRUE(search("########").isEmpty());
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].title, "Fehler bei der Suche");
    EXPECT_TRUE(fake.messageBox.shown()[0].text.contains("acht"));
    EXPECT_FALSE(search("###r").isEmpty());
}

TEST_F(HauptTest, TextSearchOverAllLengthsListsShortWordsFirst) {
    haupt->ei = "*dichter*";
    haupt->nur1 = 1;
    haupt->alle = 1;
    haupt->allesuch();
    const QStringList lines = haupt->List1->lines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_LE(lines.first().indexOf('\t'), lines.last().indexOf('\t'));
    EXPECT_EQ(haupt->alle, 0);
    EXPECT_EQ(haupt->treffer, lines.size());
    EXPECT_EQ(haupt->List1->tabStop(), 80);
    EXPECT_EQ(haupt->Label2->text(), QString::number(lines.size()));
}

}  // namespace
}  // namespace vondrik::test
