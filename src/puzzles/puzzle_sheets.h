// The printed sheet of each kind of puzzle: its name, its empty figure and its clue lines.
#pragma once

#include "puzzles/puzzle_printout.h"
#include "puzzles/pyramid.h"
#include "puzzles/snail.h"
#include "puzzles/stairs.h"

namespace vondrik {

// number: printed at the foot when positive.
PuzzleSheet pyramidSheet(const Pyramid& pyramid, int number);
PuzzleSheet snailSheet(const Snail& snail, int number);
PuzzleSheet stairsSheet(const Stairs& stairs, int number);

}  // namespace vondrik
