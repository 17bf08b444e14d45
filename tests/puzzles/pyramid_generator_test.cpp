// The pyramid generator on small dictionaries: the pyramid's rules over many seeds, the
// row-2 fallback, the attempt limit and a dictionary without any pyramid.
#include "puzzles/pyramid_generator.h"

#include <gtest/gtest.h>

#include <QSet>

#include "dictionary/text.h"
#include "puzzle_dictionary.h"
#include "puzzles/puzzle_number.h"
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

TEST(PyramidGenerator, EveryPyramidKeepsTheRulesAndShowsTheChosenEntries) {
    const std::vector<PlacedEntry> entries = fixturePlus(test::pyramidChains());
    test::PuzzleDictionary dictionary(entries);
    QSet<QString> stored;  // "table|WORD|meaning" of every entry of the right length
    for (const PlacedEntry& e : entries) {
        if (e.begriff.size() == e.table) {
            stored.insert(QStringLiteral("%1|%2|%3")
                              .arg(e.table)
                              .arg(upperKeepLength(e.begriff), e.bedeutung));
        }
    }
    SeededRandom random(1);
    PyramidGenerator generator(dictionary.session, random);
    QSet<QString> startLetters;
    for (int seed = 1; seed <= 300; ++seed) {
        seedForPuzzle(random, seed);
        run(generator);
        ASSERT_EQ(generator.state(), PyramidGenerator::State::Complete) << seed;
        EXPECT_LE(generator.tableScans(), 6);  // each table read once however often it backs up
        const Pyramid& p = generator.pyramid();
        startLetters.insert(p.startLetter());
        EXPECT_TRUE(QStringLiteral("AEHRLTONSI").contains(p.startLetter())) << seed;
        for (int row = 2; row <= kPyramidRows; ++row) {
            ASSERT_EQ(p.words[row].size(), row) << seed << " " << p.words[row].toStdString();
            for (QChar letter : p.words[row - 1]) {
                EXPECT_TRUE(p.words[row].contains(letter)) << seed << " row " << row;
            }
            EXPECT_TRUE(stored.contains(
                QStringLiteral("%1|%2|%3").arg(row).arg(p.words[row], p.meanings[row])))
                << seed << " row " << row;
        }
    }
    EXPECT_GE(startLetters.size(), 3);
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

TEST(Pyramid, LinesForScreenAndSheet) {
    Pyramid p;
    p.words = {"", "I", "IN", "NIE", "NEID", "DIENT", "DIENST", "STUDIEN"};
    p.meanings = {"", "", "Ort", "nimmer", "Missgunst", "hilft", "Amt", "Arbeiten"};
    EXPECT_EQ(p.clueLines(), (QStringList{"2.  Ort", "3.  nimmer", "4.  Missgunst", "5.  hilft",
                                          "6.  Amt", "7.  Arbeiten"}));
    EXPECT_EQ(p.solutionLines().last(), "7. STUDIEN");
    const QStringList sheet = p.printLines();
    EXPECT_EQ(sheet, (QStringList{"      1. = I", "      2. = Ort", "      3. = nimmer",
                                  "      4. = Missgunst", "      5. = hilft", "      6. = Amt",
                                  "      7. = Arbeiten"}));
    EXPECT_EQ(firstBoxOfRow(7), 21);
}

}  // namespace
}  // namespace vondrik
