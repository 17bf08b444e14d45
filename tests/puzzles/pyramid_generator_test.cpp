// The pyramid generator on small dictionaries: the row-2 fallback, the attempt limit and a
// dictionary without any pyramid. The rules of many generated pyramids are the quality
// test's.
#include "puzzles/pyramid_generator.h"

#include <gtest/gtest.h>

#include "puzzle_dictionary.h"
#include "ui/fake_platform.h"

namespace vondrik {
namespace {

using test::PlacedEntry;

using test::fixturePlus;

// Runs a generation to its end; the stage before each step, in order.
std::vector<int> run(PyramidGenerator& generator) {
    std::vector<int> stages;
    generator.start();
    do {
        stages.push_back(generator.stage());
    } while (generator.step());
    return stages;
}

TEST(PyramidGenerator, AStartLetterThatLeadsNowhereIsGivenUp) {
    test::PuzzleDictionary dictionary(fixturePlus(test::pyramidChains()));
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

TEST(PyramidGenerator, TheFiftiethEntryIntoARowGoesBackOneRow) {
    // Only one pyramid path, and no seventh row: rows 6 and 7 alternate until row 6 gives up.
    std::vector<PlacedEntry> entries = test::pyramidChains();
    std::erase_if(entries, [](const PlacedEntry& e) { return e.table == 7; });
    test::PuzzleDictionary dictionary(entries);
    SeededRandom random(3);
    PyramidGenerator generator(dictionary.session, random);
    generator.start();
    int entriesIntoRow6 = 0;
    while (generator.stage() != 6 || entriesIntoRow6 < 49) {
        entriesIntoRow6 += generator.stage() == 6 ? 1 : 0;
        ASSERT_TRUE(generator.step());
    }
    EXPECT_EQ(generator.attempts(6), 49);
    ASSERT_TRUE(generator.step());  // the fiftieth: no scan, back to row 5
    EXPECT_EQ(generator.stage(), 5);
    EXPECT_EQ(generator.attempts(6), 0);
    EXPECT_EQ(generator.pyramid().words[5], "DIENT");
}

TEST(PyramidGenerator, ADictionaryWithoutPyramidEndsWithTheMessage) {
    test::PuzzleDictionary dictionary(test::placedByLength(test::fixtureEntries()));
    SeededRandom random(5);
    PyramidGenerator generator(dictionary.session, random);
    run(generator);
    EXPECT_EQ(generator.state(), PyramidGenerator::State::Failed);
    EXPECT_EQ(generator.message(), PyramidGenerator::noPyramidMessage());
    EXPECT_EQ(generator.stagesRun(), PyramidGenerator::kStageLimit);

    // A closed dictionary ends the generation with the engine's text, not with a crash.
    dictionary.session.close();
    run(generator);
    EXPECT_EQ(generator.state(), PyramidGenerator::State::Failed);
    EXPECT_TRUE(generator.message().endsWith(notOpenMessage()));
}

}  // namespace
}  // namespace vondrik
