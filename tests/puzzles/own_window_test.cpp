// What each puzzle window does on its own beside the shared driver: the pyramid's rows turning
// green, its locked solved pyramid and its restart and cancel; right letters of the snail and
// the stairs turning blue, the snail's mirrored diagonal, the stairs' arrow keys, clue clicks
// and the stairs sheet before the first puzzle.
#include <gtest/gtest.h>

#include <algorithm>

#include "puzzle_window_fixture.h"
#include "puzzles/clue_list.h"

namespace vondrik {
namespace {

QColor base(QLineEdit* b) {
    return b->palette().color(QPalette::Base);
}
QColor letter(QLineEdit* b) {
    return b->palette().color(QPalette::Text);
}

void clickClue(ClueList* list, int line) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(line)).center());
}

class PyramidWindowTest : public test::PuzzleWindowTest<Form4, PyramidGenerator> {
  protected:
    PyramidWindowTest() : PuzzleWindowTest(test::fixturePlus(test::pyramidChains())) {}

    // Clicks each of the row's boxes, which selects its letter, and types the word's letter
    // in lower case.
    void typeRow(int row, const QString& word) {
        for (int k = 0; k < word.size(); ++k) {
            QLineEdit* b = box(firstBoxOfRow(row) + k);
            QTest::mouseClick(b, Qt::LeftButton);
            test::typeText(b, word.mid(k, 1).toLower());
        }
    }
    auto bells() const {
        return std::count_if(fake.sound.played.begin(), fake.sound.played.end(), [](auto& s) {
            return s.path.endsWith(QStringLiteral("ton/glocke1.wav")) && s.found;
        });
    }
};

TEST_F(PyramidWindowTest, ARowTurningRightGoesGreenAndRingsOncePerChange) {
    generate();
    const Pyramid p = window->pyramid();
    EXPECT_EQ(box(0)->text(), p.startLetter());
    EXPECT_EQ(base(box(0)), QColor(Qt::green));
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 1);
    EXPECT_EQ(box(3)->text(), p.words[3].left(1));  // upper case
    EXPECT_EQ(base(box(5)), QColor(Qt::green));

    typeRow(2, p.words[2]);  // another row: row 3 stays right and rings no more
    EXPECT_EQ(bells(), 2);

    QTest::mouseClick(box(5), Qt::LeftButton);
    test::typeText(box(5), QStringLiteral("q"));  // the selected letter is replaced
    EXPECT_EQ(box(5)->text(), "Q");
    EXPECT_EQ(base(box(3)), QColor(Qt::white));
    EXPECT_EQ(base(box(1)), QColor(Qt::green));
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 3);
}

TEST_F(PyramidWindowTest, ASolvedPyramidIsLockedAndNeitherShownNorPrinted) {
    generate();
    const Pyramid p = window->pyramid();
    for (int row = 2; row <= 7; ++row) {
        typeRow(row, p.words[row]);
    }
    EXPECT_EQ(base(box(27)), QColor(Qt::yellow));
    EXPECT_TRUE(box(27)->isReadOnly());
    button(2)->click();
    button(3)->click();
    EXPECT_TRUE(control("Label1_1")->isHidden());
    EXPECT_TRUE(fake.printer.documents().isEmpty());
    test::typeText(box(10), QStringLiteral("x"));  // locked: no second message, no green
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(base(box(10)), QColor(Qt::yellow));
}

TEST_F(PyramidWindowTest, CancelLeavesNoPyramidAndRestartKeepsTheAttemptCounts) {
    button(1)->click();
    while (window->generating() && window->versuche(3) == 0) {
        window->stufe();
    }
    ASSERT_TRUE(window->generating());
    const int before = window->versuche(3);
    const int firstNumber = window->puzzleNumber();
    button(6)->click();
    EXPECT_TRUE(window->generating());
    EXPECT_EQ(window->versuche(3), before);
    EXPECT_NE(window->puzzleNumber(), firstNumber);

    button(7)->click();
    EXPECT_FALSE(window->generating());
    window->stufe();  // a stage still due from the timer runs nothing
    EXPECT_EQ(window->pyramid(), Pyramid());
    EXPECT_EQ(window->puzzleNumber(), 0);
    EXPECT_FALSE(window->ready());
    EXPECT_FALSE(button(1)->isHidden());
    button(3)->click();
    EXPECT_TRUE(fake.printer.documents().isEmpty());
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
    EXPECT_EQ(letter(box(0)), QColor(Qt::blue));
    ASSERT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(control<QLineEdit>("Text2_0")->text(), letters.mid(0, 1));

    QTest::mouseClick(box(20), Qt::LeftButton);
    test::typeText(box(20), QStringLiteral("q"));  // wrong, but mirrored all the same
    EXPECT_EQ(letter(box(20)), QColor(Qt::black));
    EXPECT_EQ(fake.sound.played.size(), 1);
    EXPECT_EQ(control<QLineEdit>("Text2_1")->text(), "Q");

    clickClue(control<ClueList>("List1"), 9);
    EXPECT_EQ(window->focusWidget(), box(33));
}

class StairsWindowTest : public test::PuzzleWindowTest<Treppen, StairsGenerator> {
  protected:
    StairsWindowTest() : PuzzleWindowTest(test::stairsWords()) {}
};

TEST_F(StairsWindowTest, ArrowKeysAndCluesMoveInTheGrid) {
    generate();
    QTest::mouseClick(box(8), Qt::LeftButton);
    test::typeText(box(8), window->stairs().gridText().mid(8, 1).toLower());
    EXPECT_EQ(letter(box(8)), QColor(Qt::blue));
    EXPECT_EQ(window->focusWidget(), box(9));
    QTest::keyClick(box(9), Qt::Key_Down);
    EXPECT_EQ(window->focusWidget(), box(16));

    clickClue(control<ClueList>("List1"), 4);
    EXPECT_EQ(window->focusWidget(), box(28));
}

}  // namespace
}  // namespace vondrik
