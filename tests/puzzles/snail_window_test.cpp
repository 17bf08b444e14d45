// The snail window Schnecken driven through its controls: presenting a generated snail,
// checking the letters as they are typed, the clue click, the solution toggle and the solved
// messages, the printed sheet and the puzzle number.
#include "puzzles/snail_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "puzzle_window_fixture.h"
#include "puzzles/clue_list.h"
#include "puzzles/puzzle_printout.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

class SnailWindowTest : public test::PuzzleWindowTest<Schnecken, SnailGenerator> {
  protected:
    SnailWindowTest() : PuzzleWindowTest(test::spiralWords()) {}

    static QColor colour(QLineEdit* b) { return b->palette().color(QPalette::Text); }

    void type(int i, const QString& letter) {
        QTest::mouseClick(box(i), Qt::LeftButton);
        QTest::keyClicks(box(i), letter);
    }
    int sounds() const {
        int n = 0;
        for (const PlayedSound& s : fake.sound.played) {
            n += s.path.endsWith(QStringLiteral("ton/1.wav")) ? 1 : 0;
        }
        return n;
    }
};

TEST_F(SnailWindowTest, PresentsAGeneratedSnail) {
    EXPECT_EQ(window->windowTitle(), "Rätselschnecke");
    EXPECT_TRUE(box(0)->isHidden());
    fake.random.script({0.0047});  // puzzle number 4700
    generate();
    const Snail& s = window->snail();
    ASSERT_EQ(s.solutionWord(), "GEHEIM");
    EXPECT_EQ(window->puzzleNumber(), 4700);
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "4700");
    EXPECT_EQ(control<ClueList>("List1")->lines(), s.clueLines());
    EXPECT_EQ(control<QLabel>("Label2")->text(), s.solutionMeaning());
    EXPECT_EQ(button(5)->text(), "Lösung einblenden");
    EXPECT_EQ(box(20)->palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST_F(SnailWindowTest, RightLettersTurnBlueAndTheDiagonalIsMirrored) {
    generate();
    const QString letters = window->snail().spiralText();
    type(0, letters.mid(0, 1).toLower());
    EXPECT_EQ(box(0)->text(), letters.mid(0, 1));
    EXPECT_EQ(colour(box(0)), kBlue);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(window->focusWidget(), box(1));
    EXPECT_EQ(control<QLineEdit>("Text2_0")->text(), letters.mid(0, 1));

    type(20, QStringLiteral("q"));  // wrong, but mirrored all the same
    EXPECT_EQ(colour(box(20)), kBlack);
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), "Q");

    QTest::mouseClick(box(35), Qt::LeftButton);
    QTest::keyClick(box(35), Qt::Key_Shift);  // types nothing; the last box keeps the focus
    EXPECT_EQ(window->focusWidget(), box(35));

    auto* list = control<ClueList>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(9)).center());
    EXPECT_EQ(window->focusWidget(), box(33));
}

TEST_F(SnailWindowTest, SolvedMessagesAfterAllBoxesAreBlue) {
    generate();
    button(5)->click();
    EXPECT_FALSE(control("List2")->isHidden());
    EXPECT_EQ(button(5)->text(), "Lösung ausblenden");
    button(5)->click();  // hidden again, yet the solution was shown
    EXPECT_TRUE(control("List2")->isHidden());
    const QString letters = window->snail().spiralText();
    for (int i = 0; i < kSnailBoxes; ++i) {
        type(i, letters.mid(i, 1));
    }
    EXPECT_EQ(sounds(), kSnailBoxes);
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(fake.messageBox.shown()[0].text, letterPuzzleSolvedMessage(true));

    generate();  // a new snail: black again, and solved without help
    EXPECT_EQ(colour(box(0)), kBlack);
    const QString next = window->snail().spiralText();
    for (int i = 0; i < kSnailBoxes; ++i) {
        type(i, next.mid(i, 1));
    }
    ASSERT_EQ(fake.messageBox.shown().size(), 2);
    EXPECT_EQ(fake.messageBox.shown()[1].text, letterPuzzleSolvedMessage(false));
}

TEST_F(SnailWindowTest, PrintsCluesWithoutAnswersAndTheNumberMakesTheSnailAgain) {
    fake.random.script({0.0047});
    generate();
    const Snail first = window->snail();
    button(2)->click();
    ASSERT_EQ(fake.printer.documents().size(), 1);
    const PrintedPage& page = fake.printer.documents()[0].pages[0];
    QStringList printed;
    for (const PrintedLine& line : page.lines) {
        printed.append(line.text);
    }
    EXPECT_EQ(printed.mid(1 + kSheetSpacerLines, 13), first.printLines());
    EXPECT_TRUE(printed.contains(sheetNumberLine(4700)));
    for (int n = 0; n <= kSnailWords; ++n) {
        for (const QString& line : printed) {
            EXPECT_FALSE(line.contains(first.words[n])) << line.toStdString();
        }
    }

    fake.random.script({0.5});
    generate();
    auto* number = control<QLineEdit>("Text3");
    number->setText(QStringLiteral(" 4700 "));
    QTest::keyClick(number, Qt::Key_Return);
    finish();
    EXPECT_EQ(window->snail(), first);
    EXPECT_EQ(window->puzzleNumber(), 4700);
}

}  // namespace
}  // namespace vondrik
