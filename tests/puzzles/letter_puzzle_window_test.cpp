// What only the snail and the stairs windows do: right letters turning blue, the snail's
// mirrored diagonal, the stairs' arrow keys, clue clicks and the stairs sheet before the
// first puzzle.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "puzzle_window_fixture.h"
#include "puzzles/clue_list.h"
#include "puzzles/snail_window.h"
#include "puzzles/stairs_window.h"

namespace vondrik {
namespace {

QColor colour(QLineEdit* b) {
    return b->palette().color(QPalette::Text);
}

void clickClue(ClueList* list, int line) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(line)).center());
}

class SnailWindowTest : public test::PuzzleWindowTest<Schnecken, SnailGenerator> {
  protected:
    SnailWindowTest() : PuzzleWindowTest(test::spiralWords()) {}
};

TEST_F(SnailWindowTest, RightLettersTurnBlueAndTheDiagonalIsMirrored) {
    generate();
    const QString letters = window->snail().spiralText();
    QTest::mouseClick(box(0), Qt::LeftButton);
    test::typeText(box(0), letters.mid(0, 1).toLower());
    EXPECT_EQ(box(0)->text(), letters.mid(0, 1));
    EXPECT_EQ(colour(box(0)), QColor(0, 0, 255));
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_TRUE(fake.sound.played[0].path.endsWith("ton/1.wav"));
    EXPECT_EQ(control<QLineEdit>("Text2_0")->text(), letters.mid(0, 1));

    QTest::mouseClick(box(20), Qt::LeftButton);
    test::typeText(box(20), QStringLiteral("q"));  // wrong, but mirrored all the same
    EXPECT_EQ(colour(box(20)), QColor(0, 0, 0));
    EXPECT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), "Q");

    clickClue(control<ClueList>("List1"), 9);
    EXPECT_EQ(window->focusWidget(), box(33));
}

class StairsWindowTest : public test::PuzzleWindowTest<Treppen, StairsGenerator> {
  protected:
    StairsWindowTest() : PuzzleWindowTest(test::stairsWords()) {}
};

TEST_F(StairsWindowTest, ArrowKeysMoveInTheGridAndStopAtItsBorder) {
    generate();
    const QString grid = window->stairs().gridText();
    QTest::mouseClick(box(8), Qt::LeftButton);
    test::typeText(box(8), grid.mid(8, 1).toLower());
    EXPECT_EQ(colour(box(8)), QColor(0, 0, 255));
    EXPECT_EQ(window->focusWidget(), box(9));
    QTest::keyClick(box(9), Qt::Key_Down);
    EXPECT_EQ(window->focusWidget(), box(16));
    QTest::keyClick(box(16), Qt::Key_Left);
    EXPECT_EQ(window->focusWidget(), box(15));
    box(4)->setFocus();
    QTest::keyClick(box(4), Qt::Key_Up);  // at the border: nowhere, and no letter
    EXPECT_EQ(window->focusWidget(), box(4));

    clickClue(control<ClueList>("List1"), 4);
    EXPECT_EQ(window->focusWidget(), box(28));
}

TEST_F(StairsWindowTest, PrintsTheEmptyCluesBeforeTheFirstPuzzle) {
    button(2)->click();
    ASSERT_EQ(fake.printer.documents().size(), 1);
    QStringList printed;
    for (const PrintedLine& line : fake.printer.documents()[0].pages[0].lines) {
        printed.append(line.text);
    }
    const QStringList empty = Stairs().printLines();
    EXPECT_EQ(printed.mid(printed.indexOf(empty.first()), empty.size()), empty);
    EXPECT_FALSE(printed.join(u' ').contains(QStringLiteral("Rätsel-Nr.")));
}

}  // namespace
}  // namespace vondrik
