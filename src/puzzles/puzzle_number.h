// Puzzle numbers: a puzzle is generated from the random sequence its number seeds, so the same
// number on the same dictionary gives the same puzzle again (a printed sheet can be re-created
// to check the answers).
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "ui/random_source.h"

namespace vondrik {

inline constexpr int kHighestPuzzleNumber = 999999;

// A fresh number 1 to 999999 from the clock-seeded source.
int drawPuzzleNumber(RandomSource& random);

// Makes random the sequence of the puzzle with this number.
inline void seedForPuzzle(SeededRandom& random, int number) {
    random.seed(static_cast<std::uint64_t>(number));
}

// A number as the user typed it (blanks around it allowed), or nothing when the text is not a
// whole number from 1 to 999999.
std::optional<int> parsePuzzleNumber(QStringView text);

// What the user is told when parsePuzzleNumber() refuses the text.
QString puzzleNumberMessage();

}  // namespace vondrik
