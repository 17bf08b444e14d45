// The logic the puzzles share: the refused entries, puzzle numbers and the letter check of
// snail and stairs; and the shapes of the snail's spiral and of the stairs' grid.
#include <gtest/gtest.h>

#include <QSet>
#include <cmath>

#include "puzzles/letter_boxes.h"
#include "puzzles/puzzle_number.h"
#include "puzzles/snail.h"
#include "puzzles/stairs.h"
#include "puzzles/taken_entries.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

TEST(TakenEntries, AnAnswerInAClueOrAnythingTwiceIsRefused) {
    TakenEntries taken;
    taken.add("AL", "Aluminium, chemisches Element");
    taken.add("REH", "Waldtier");
    struct Case {
        const char* word;
        const char* meaning;
        bool accepted;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"MELANOM", "malignes Melanom der Haut", false},  // its own word
             {"RIO", "Rio-de-Janeiro, Stadt", false},
             {"ÖL", "öl, Fett", false},                       // case and umlaut
             {"ALU", "Al, Aluminium (Kurzwort)", false},      // another row's answer
             {"ALU", "Aluminium (Kurzwort)", true},           // only inside a longer word
             {"WALDTIER", "Hirsch oder Wildschwein", false},  // in a taken clue
             {"REH", "Wild", false},                          // the same word again
             {"HIRSCH", "  WALDTIER ", false},                // the same clue again
             {"SPEISEÖL", "Öl zum Braten", true}}) {
        EXPECT_EQ(taken.accepts(QString::fromUtf8(c.word), QString::fromUtf8(c.meaning)),
                  c.accepted)
            << c.word << " / " << c.meaning;
    }
    EXPECT_FALSE(TakenEntries().accepts("RIO", QStringLiteral("Stadt (Rio)")));
    EXPECT_TRUE(TakenEntries().accepts("RIO", QStringLiteral("Rio2")));
}

TEST(PuzzleNumber, DrawnAndTypedNumbersStayInRange) {
    FakeRandom random;
    random.script({0.0, std::nextafter(1.0, 0.0)});
    EXPECT_EQ(drawPuzzleNumber(random), 1);
    EXPECT_EQ(drawPuzzleNumber(random), kHighestPuzzleNumber);

    EXPECT_EQ(parsePuzzleNumber(u" 4711 "), 4711);
    EXPECT_EQ(parsePuzzleNumber(u"0000999999"), 999999);
    for (const char16_t* bad : {u"", u"  ", u"0", u"1000000", u"12a", u"-5", u"3,5"}) {
        EXPECT_EQ(parsePuzzleNumber(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(Snail, SpiralGeometry) {
    QSet<int> cells;
    for (int box = 0; box < kSnailBoxes; ++box) {
        const GridCell cell = snailCell(box);
        cells.insert(cell.row * 10 + cell.column);
        if (box > 0) {  // each box touches the one before
            const GridCell before = snailCell(box - 1);
            EXPECT_EQ(std::abs(cell.row - before.row) + std::abs(cell.column - before.column), 1);
        }
    }
    EXPECT_EQ(cells.size(), kSnailBoxes);
    for (int j = 0; j < kSnailSide; ++j) {
        EXPECT_EQ(snailCell(kSnailDiagonalBoxes[j]), (GridCell{j + 1, j + 1}));
    }
    EXPECT_EQ(snailCell(5), (GridCell{1, 6}));
}

TEST(Stairs, ArrowKeysStopAtTheBorder) {
    EXPECT_EQ(arrowTarget(7, Arrow::Left), 6);  // across the row end, box by box
    EXPECT_EQ(arrowTarget(0, Arrow::Left), std::nullopt);
    EXPECT_EQ(arrowTarget(41, Arrow::Right), std::nullopt);
    EXPECT_EQ(arrowTarget(6, Arrow::Up), std::nullopt);
    EXPECT_EQ(arrowTarget(35, Arrow::Down), std::nullopt);
    EXPECT_EQ(firstBoxOfStairsRow(6), 35);
}

TEST(LetterBoxes, EachBoxCountsOnceAndOnlyItsOwnLetter) {
    LetterBoxes boxes;
    EXPECT_FALSE(boxes.check(0, ""));  // no puzzle yet: an empty box is not right
    EXPECT_FALSE(boxes.solved());
    boxes.reset("ABA");
    EXPECT_TRUE(boxes.check(0, "A"));
    EXPECT_TRUE(boxes.check(0, "A"));  // checked again: still one box
    EXPECT_EQ(boxes.rightCount(), 1);
    EXPECT_TRUE(boxes.check(1, "B"));
    EXPECT_TRUE(boxes.check(2, "A"));
    EXPECT_TRUE(boxes.solved());
    EXPECT_FALSE(boxes.check(1, "X"));  // a right letter overwritten
    EXPECT_EQ(boxes.rightCount(), 2);
    EXPECT_FALSE(boxes.solved());
    boxes.reset("AB");  // a new puzzle: every box black again
    EXPECT_EQ(boxes.rightCount(), 0);
}

}  // namespace
}  // namespace vondrik
