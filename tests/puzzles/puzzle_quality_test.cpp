// The puzzles a fan would accept, over puzzle numbers 1 to 1000 of each kind on the fixture
// dictionary with the words each kind's tests add: every puzzle keeps its kind's rules, no
// word or clue twice, no answer in a clue, every sheet on one page, no generation without a
// puzzle.
#include <gtest/gtest.h>

#include "puzzle_dictionary.h"
#include "puzzle_quality.h"

namespace vondrik {
namespace {

constexpr int kNumbers = 1000;

template <typename Generator>
void expectAccepted(const std::vector<test::PlacedEntry>& entries) {
    test::PuzzleDictionary dictionary(entries);
    const test::QualityCount count = test::countQuality<Generator>(dictionary.session, kNumbers);
    EXPECT_EQ(count.puzzles, kNumbers);
    EXPECT_EQ(count.failed, 0);
    EXPECT_EQ(count.malformed, 0);
    EXPECT_EQ(count.repeated, 0);
    EXPECT_EQ(count.answerInClue, 0);
    EXPECT_EQ(count.onePage, kNumbers);
}

TEST(PuzzleQuality, Pyramids) {
    expectAccepted<PyramidGenerator>(test::fixturePlus(test::pyramidChains()));
}

TEST(PuzzleQuality, Snails) {
    expectAccepted<SnailGenerator>(test::spiralWords());
}

TEST(PuzzleQuality, Stairs) {
    expectAccepted<StairsGenerator>(test::fixturePlus(test::stairsWords()));
}

}  // namespace
}  // namespace vondrik
