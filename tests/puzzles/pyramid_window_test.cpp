// What only the pyramid window Form4 does: rows turning green as they are typed, the locked
// yellow pyramid once solved, cancelling and restarting with the attempt counts kept.
#include "puzzles/pyramid_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "puzzle_window_fixture.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

class PyramidWindowTest : public test::PuzzleWindowTest<Form4, PyramidGenerator> {
  protected:
    PyramidWindowTest() : PuzzleWindowTest(test::fixturePlus(test::pyramidChains())) {}

    static QColor colour(QLineEdit* b) { return b->palette().color(QPalette::Base); }

    // Clicks each of the row's boxes, which selects its letter, and types the word's letter
    // in lower case.
    void typeRow(int row, const QString& word) {
        for (int k = 0; k < word.size(); ++k) {
            QLineEdit* b = box(firstBoxOfRow(row) + k);
            QTest::mouseClick(b, Qt::LeftButton);
            test::typeText(b, word.mid(k, 1).toLower());
        }
    }
    int bells() const {
        int n = 0;
        for (const PlayedSound& s : fake.sound.played) {
            n += s.path.endsWith(QStringLiteral("ton/glocke1.wav")) && s.found ? 1 : 0;
        }
        return n;
    }
};

TEST_F(PyramidWindowTest, ARowTurningRightGoesGreenAndRingsOncePerChange) {
    generate();
    const Pyramid p = window->pyramid();
    EXPECT_EQ(box(0)->text(), p.startLetter());
    EXPECT_EQ(colour(box(0)), kGreen);
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 1);
    EXPECT_EQ(box(3)->text(), p.words[3].left(1));  // upper case
    EXPECT_EQ(colour(box(5)), kGreen);

    typeRow(2, p.words[2]);  // another row: row 3 stays right and rings no more
    EXPECT_EQ(bells(), 2);

    QTest::mouseClick(box(5), Qt::LeftButton);
    test::typeText(box(5), QStringLiteral("q"));  // the selected letter is replaced
    EXPECT_EQ(box(5)->text(), "Q");
    EXPECT_EQ(colour(box(3)), kWhite);
    EXPECT_EQ(colour(box(1)), kGreen);
    typeRow(3, p.words[3]);
    EXPECT_EQ(bells(), 3);

    // The right letters in another order are no right row.
    QString reversed = p.words[4];
    std::reverse(reversed.begin(), reversed.end());
    if (reversed != p.words[4]) {
        typeRow(4, reversed);
        EXPECT_EQ(colour(box(6)), kWhite);
        EXPECT_EQ(bells(), 3);
    }
}

TEST_F(PyramidWindowTest, ASolvedPyramidIsLockedAndNeitherShownNorPrinted) {
    generate();
    const Pyramid p = window->pyramid();
    for (int row = 2; row <= 7; ++row) {
        typeRow(row, p.words[row]);
    }
    ASSERT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(colour(box(27)), kYellow);
    EXPECT_TRUE(box(27)->isReadOnly());
    EXPECT_FALSE(window->ready());
    button(2)->click();
    button(3)->click();
    EXPECT_TRUE(control("Label1_1")->isHidden());
    EXPECT_TRUE(fake.printer.documents().isEmpty());
    test::typeText(box(10), QStringLiteral("x"));  // locked: no second message, no green
    EXPECT_EQ(fake.messageBox.shown().size(), 1);
    EXPECT_EQ(colour(box(10)), kYellow);
}

TEST_F(PyramidWindowTest, CancelLeavesNoPyramidAndRestartKeepsTheAttemptCounts) {
    button(1)->click();
    EXPECT_TRUE(button(1)->isHidden());
    EXPECT_FALSE(button(7)->isHidden());
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
    EXPECT_TRUE(box(0)->isHidden());
    EXPECT_FALSE(button(1)->isHidden());
    EXPECT_GE(window->versuche(3), before);
    button(3)->click();
    EXPECT_TRUE(fake.printer.documents().isEmpty());
}

}  // namespace
}  // namespace vondrik
