// The snail generator on small dictionaries: a word that finds nothing going back instead of
// taking a stale entry, and a dictionary without any snail; the spiral's geometry and the
// lines shown and printed. The rules of many generated snails are the quality test's.
#include "puzzles/snail_generator.h"

#include <gtest/gtest.h>

#include <QSet>

#include "puzzle_dictionary.h"

namespace vondrik {
namespace {

// Runs a generation to its end; the stage before each step, in order.
std::vector<int> run(SnailGenerator& generator) {
    std::vector<int> stages;
    generator.start();
    do {
        stages.push_back(generator.stage());
    } while (generator.step());
    return stages;
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
    EXPECT_EQ(generator.state(), SnailGenerator::State::Failed);
    EXPECT_EQ(generator.message(), SnailGenerator::noSnailMessage());
    EXPECT_EQ(generator.stagesRun(), SnailGenerator::kStageLimit);
}

TEST(SnailGenerator, NoSixLetterWordOrAClosedDictionaryEndsAtOnce) {
    test::PuzzleDictionary dictionary({{6, "Genie", "zu kurz"}, {5, "Geist", "Verstand"}});
    SeededRandom random(2);
    SnailGenerator generator(dictionary.session, random);
    run(generator);
    EXPECT_EQ(generator.state(), SnailGenerator::State::Failed);
    EXPECT_EQ(generator.message(), SnailGenerator::noSnailMessage());
    EXPECT_EQ(generator.stagesRun(), 1);

    dictionary.session.close();
    run(generator);
    EXPECT_EQ(generator.state(), SnailGenerator::State::Failed);
    EXPECT_TRUE(generator.message().endsWith(notOpenMessage()));
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

TEST(Snail, LinesForScreenAndSheet) {
    Snail s;
    s.words = {"GEHEIM", "GLOBUS", "SYSTEM", "MOSAIK", "KÖNIG", "GEIST",
               "TAXI",   "IDEE",   "EMU",    "UHR",    "RE",    "ER"};
    for (int n = 0; n <= kSnailWords; ++n) {
        s.meanings[n] = QStringLiteral("Bedeutung %1").arg(n);
    }
    EXPECT_EQ(s.spiralText(), "GLOBUSYSTEMOSAIKÖNIGEISTAXIDEEMUHRER");
    EXPECT_EQ(s.clueLines().first(), "1.  Bedeutung 1");
    EXPECT_EQ(s.solutionLines().last(), "11.  ER");
    const QStringList sheet = s.printLines();
    ASSERT_EQ(sheet.size(), kSnailWords + 2);
    EXPECT_EQ(sheet[0], "       1. = Bedeutung 1");
    EXPECT_EQ(sheet[10], "      11. = Bedeutung 11");
    EXPECT_EQ(sheet[11], "     ");
    EXPECT_EQ(sheet[12], "      Bedeutung des Lösungsworts: Bedeutung 0");
}

}  // namespace
}  // namespace vondrik
