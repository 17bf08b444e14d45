// Checking the letters typed into a pyramid: which rows are right, which of them have just
// turned right (each rings the bell once), and whether the whole pyramid is solved.
#pragma once

#include <QString>
#include <array>

#include "puzzles/pyramid.h"

namespace vondrik {

struct PyramidCheck {
    // Index 2 to 7: whether the row's boxes, joined left to right, give the row's word.
    std::array<bool, kPyramidRows + 1> right{};
    // Rows that were wrong at the previous check and are right now.
    std::array<bool, kPyramidRows + 1> turnedRight{};
    bool solved = false;
};

class PyramidChecker {
  public:
    // Checks against this pyramid from now on; every row counts as not yet right.
    void reset(const Pyramid& pyramid);

    // boxes: the texts of boxes 0 to 27 as they stand. Rows are compared as whole strings,
    // so the right letters in another order do not count.
    PyramidCheck check(const std::array<QString, kPyramidBoxes>& boxes);

  private:
    Pyramid pyramid_;
    // Consecutive checks in which row 2 to 7 was right; 0 after a check that found it wrong.
    std::array<int, kPyramidRows + 1> streak_{};
};

}  // namespace vondrik
