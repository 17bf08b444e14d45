// The stairs generator on small dictionaries: the word pool's limit and dictionaries without
// any stairs; the grid's arrow keys and the letter check. The
// rules of many generated puzzles are the quality test's.
#include "puzzles/stairs_generator.h"

#include <gtest/gtest.h>

#include "puzzle_dictionary.h"
#include "puzzles/letter_boxes.h"

namespace vondrik {
namespace {

using test::PlacedEntry;

using test::kNachtwaechter;
using test::stairsWords;

void run(StairsGenerator& generator) {
    generator.start();
    while (generator.step()) {
    }
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
