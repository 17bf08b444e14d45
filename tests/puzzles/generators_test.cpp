// The three generators on small dictionaries: the pyramid's row-2 fallback,
// the snail's word that finds nothing going back instead of taking a stale entry, and
// dictionaries without any puzzle. The rules of many generated puzzles
// are the quality test's.
#include <gtest/gtest.h>

#include "puzzle_dictionary.h"
#include "puzzles/pyramid_generator.h"
#include "puzzles/snail_generator.h"
#include "puzzles/stairs_generator.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

using test::PlacedEntry;

// Runs a generation to its end; the stage before each step, in order.
std::vector<int> run(StagedGenerator& generator) {
    std::vector<int> stages;
    generator.start();
    do {
        stages.push_back(generator.stage());
    } while (generator.step());
    return stages;
}

TEST(PyramidGenerator, AStartLetterThatLeadsNowhereIsGivenUp) {
    test::PuzzleDictionary dictionary(test::fixturePlus(test::pyramidChains()));
    // "T": no two-letter word holds it. "H": EH, REH, ÄHRE, ÄTHER, then no six-letter word,
    // and row 2 never gives up its start letter while it finds words.
    for (double r : {0.55, 0.25}) {
        FakeRandom random;
        random.script({r});
        PyramidGenerator generator(dictionary.session, random);
        const std::vector<int> stages = run(generator);
        ASSERT_EQ(generator.state(), PyramidGenerator::State::Complete) << r;
        EXPECT_FALSE(QStringLiteral("TH").contains(generator.pyramid().startLetter()));
        if (r == 0.55) {
            EXPECT_EQ(std::vector<int>(stages.begin(), stages.begin() + 3),
                      (std::vector<int>{1, 2, 1}));
        } else {
            EXPECT_GT(generator.stagesRun(), PyramidGenerator::kRestartStages);
        }
    }
}

TEST(PyramidGenerator, ADictionaryWithoutPyramidEndsWithTheMessage) {
    test::PuzzleDictionary dictionary(test::placedByLength(test::fixtureEntries()));
    SeededRandom random(5);
    PyramidGenerator generator(dictionary.session, random);
    run(generator);
    EXPECT_EQ(generator.state(), PyramidGenerator::State::Failed);
    EXPECT_EQ(generator.message(), PyramidGenerator::noPyramidMessage());
    EXPECT_EQ(generator.stagesRun(), PyramidGenerator::kStageLimit);

    // A closed dictionary ends the generation with the engine's text, not with a crash; the
    // three generators share that end.
    dictionary.session.close();
    run(generator);
    EXPECT_EQ(generator.state(), PyramidGenerator::State::Failed);
    EXPECT_TRUE(generator.message().endsWith(notOpenMessage()));
}

TEST(SnailGenerator, AWordThatFindsNothingGoesBackInsteadOfTakingAStaleEntry) {
    // SALBEN is the solution word and word 1; no word begins and ends with N, so word 2 finds
    // nothing, while the list still holds SALBEN from the scan of word 1.
    test::PuzzleDictionary dictionary({{6, "Salben", "Heilmittel"}, {6, "Sahne", "Rahm"}});
    SeededRandom random(9);
    SnailGenerator generator(dictionary.session, random);
    generator.start();
    bool wordOneStayed = false;  // its fiftieth entry keeps word 1 at its stage
    while (generator.state() == SnailGenerator::State::Generating) {
        const int stage = generator.stage();
        generator.step();
        EXPECT_TRUE(generator.snail().words[2].isEmpty());
        const bool restarted = generator.stagesRun() % SnailGenerator::kRestartStages == 0;
        if (stage == 2 && !restarted) {
            EXPECT_EQ(generator.stage(), 1);
        }
        wordOneStayed = wordOneStayed || (stage == 1 && generator.stage() == 1);
    }
    EXPECT_TRUE(wordOneStayed);
    EXPECT_EQ(generator.stagesRun(), SnailGenerator::kStageLimit);
}

TEST(SnailGenerator, NoSixLetterWordEndsAtOnce) {
    test::PuzzleDictionary dictionary({{6, "Genie", "zu kurz"}, {5, "Geist", "Verstand"}});
    SeededRandom random(2);
    SnailGenerator generator(dictionary.session, random);
    run(generator);
    EXPECT_EQ(generator.state(), SnailGenerator::State::Failed);
    EXPECT_EQ(generator.message(), SnailGenerator::noSnailMessage());
    EXPECT_EQ(generator.stagesRun(), 1);
}

TEST(StairsGenerator, ADictionaryWithoutStairsEndsWithTheMessage) {
    // Only NACHTWÄCHTER as solution word: every draw fails the check of its rows.
    std::vector<PlacedEntry> entries = test::stairsWords();
    std::erase_if(entries, [](const PlacedEntry& e) { return e.table == 12; });
    entries.push_back(test::kNachtwaechter);
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
}

}  // namespace
}  // namespace vondrik
