// The stairs generator on small dictionaries: the staircase spells the solution word over
// many seeds, the word pool's limit and dictionaries without any
// stairs; the grid's arrow keys, the letter check and the lines shown and printed.
#include "puzzles/stairs_generator.h"

#include <gtest/gtest.h>

#include <QSet>

#include "dictionary/text.h"
#include "puzzle_dictionary.h"
#include "puzzles/letter_boxes.h"
#include "puzzles/puzzle_number.h"

namespace vondrik {
namespace {

using test::PlacedEntry;

using test::kNachtwaechter;
using test::stairsWords;

std::vector<PlacedEntry> fixtureWith(const std::vector<PlacedEntry>& extra) {
    std::vector<PlacedEntry> entries = test::placedByLength(test::fixtureEntries());
    entries.insert(entries.end(), extra.begin(), extra.end());
    return entries;
}

void run(StairsGenerator& generator) {
    generator.start();
    while (generator.step()) {
    }
}

TEST(StairsGenerator, TheStaircaseSpellsTheSolutionWord) {
    const std::vector<PlacedEntry> entries = fixtureWith(stairsWords());
    test::PuzzleDictionary dictionary(entries);
    QSet<QString> stored;  // "WORD|meaning" of every entry of its table's length
    for (const PlacedEntry& e : entries) {
        if (e.begriff.size() == e.table) {
            stored.insert(upperKeepLength(e.begriff) + u'|' + e.bedeutung);
        }
    }
    SeededRandom random(1);
    StairsGenerator generator(dictionary.session, random);
    QSet<QString> grids;
    for (int seed = 1; seed <= 200; ++seed) {
        seedForPuzzle(random, seed);
        run(generator);
        ASSERT_EQ(generator.state(), StairsGenerator::State::Complete) << seed;
        EXPECT_EQ(generator.tableScans(), 2);
        const Stairs& s = generator.stairs();
        ASSERT_EQ(s.solutionWord().size(), kStairsSolutionLength);
        EXPECT_TRUE(stored.contains(s.solutionWord() + u'|' + s.solutionMeaning()));
        for (int row = 1; row <= kStairsRows; ++row) {
            ASSERT_EQ(s.rowWord(row).size(), kStairsColumns) << seed;
            EXPECT_TRUE(stored.contains(s.rowWord(row) + u'|' + s.rowMeaning(row))) << seed;
        }
        EXPECT_EQ(s.staircase(), s.solutionWord()) << seed;
        grids.insert(s.gridText());
    }
    EXPECT_GE(grids.size(), 10);
}

TEST(StairsGenerator, ADictionaryWithoutStairsEndsWithTheMessage) {
    // Only NACHTWÄCHTER as solution word: every draw fails the check of its rows.
    std::vector<PlacedEntry> entries = stairsWords();
    std::erase_if(entries, [](const PlacedEntry& e) { return e.table == 12; });
    entries.push_back(kNachtwaechter);
    test::PuzzleDictionary dictionary(entries);
    SeededRandom random(4);
    StairsGenerator generator(dictionary.session, random);
    run(generator);
    EXPECT_EQ(generator.state(), StairsGenerator::State::Failed);
    EXPECT_EQ(generator.message(), StairsGenerator::noStairsMessage());
    EXPECT_EQ(generator.stagesRun(), StairsGenerator::kStageLimit);

    // Without any twelve-letter word there is nothing to draw, and it says so at once.
    test::PuzzleDictionary noSolutions(test::placedByLength(test::fixtureEntriesOfLength(7)));
    StairsGenerator second(noSolutions.session, random);
    run(second);
    EXPECT_EQ(second.state(), StairsGenerator::State::Failed);
    EXPECT_EQ(second.stagesRun(), 1);

    noSolutions.session.close();
    run(second);
    EXPECT_TRUE(second.message().endsWith(notOpenMessage()));
}

TEST(StairsGenerator, OnlyTheFirstRecordsOfTheSevenLetterTableCanBeRows) {
    const std::vector<PlacedEntry> fillers(StairsGenerator::kPoolSize,
                                           {7, "Füllsel", "passt in keine Zeile"});
    std::vector<PlacedEntry> wordsFirst = stairsWords();
    wordsFirst.insert(wordsFirst.end(), fillers.begin(), fillers.end());
    std::vector<PlacedEntry> fillersFirst = fillers;
    fillersFirst.insert(fillersFirst.end(), wordsFirst.begin(),
                        wordsFirst.end() - StairsGenerator::kPoolSize);
    for (const auto& [entries, complete] : {std::pair{wordsFirst, true}, {fillersFirst, false}}) {
        test::PuzzleDictionary dictionary(entries);
        SeededRandom random(6);
        StairsGenerator generator(dictionary.session, random);
        run(generator);
        EXPECT_EQ(generator.state() == StairsGenerator::State::Complete, complete);
    }
}

TEST(Stairs, ArrowKeysStopAtTheBorder) {
    EXPECT_EQ(arrowTarget(7, Arrow::Left), 6);  // across the row end, box by box
    EXPECT_EQ(arrowTarget(0, Arrow::Left), std::nullopt);
    EXPECT_EQ(arrowTarget(41, Arrow::Right), std::nullopt);
    EXPECT_EQ(arrowTarget(6, Arrow::Up), std::nullopt);
    EXPECT_EQ(arrowTarget(35, Arrow::Down), std::nullopt);
    int steps = 0;
    for (int box = 0; box < kStairsBoxes; ++box) {
        steps += isStaircaseBox(box) ? 1 : 0;
    }
    EXPECT_EQ(steps, kStairsSolutionLength);
    EXPECT_EQ(firstBoxOfStairsRow(6), 35);
}

TEST(Stairs, LinesForScreenAndSheet) {
    const QStringList empty = Stairs().printLines();  // printing before the first puzzle
    EXPECT_EQ(empty.first(), "       1. = ");
    EXPECT_EQ(empty.last(), "      ");

    Stairs s;
    s.words = {"",        "NICHTRAUCHER", "NIEMALS", "SCHRANK",
               "MATROSE", "GENAUSO",      "ETLICHE", "SPANNER"};
    s.meanings = {"", "raucht nicht", "nie", "Möbel", "Seemann", "ebenso", "manche", "Werkzeug"};
    EXPECT_EQ(s.staircase(), "NICHTRAUCHER");
    EXPECT_EQ(s.gridText().mid(firstBoxOfStairsRow(3), 7), "MATROSE");
    EXPECT_EQ(s.clueLines().first(), "1.  nie");
    EXPECT_EQ(s.solutionLines().last(), "Lösungswort: NICHTRAUCHER");
    EXPECT_EQ(s.printLines(),
              (QStringList{"       1. = nie", "       2. = Möbel", "       3. = Seemann",
                           "       4. = ebenso", "       5. = manche", "       6. = Werkzeug",
                           "     ", "      Die Buchstaben der Treppe nennen abwärts gelesen: ",
                           "      raucht nicht"}));
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

    EXPECT_EQ(letterPuzzleSolvedMessage(false), "Prima Sie haben das Rätsel komplett gelöst !");
    EXPECT_TRUE(letterPuzzleSolvedMessage(true).endsWith("anzeigen zu lassen!"));
}

}  // namespace
}  // namespace vondrik
