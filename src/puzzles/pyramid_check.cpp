// Row by row comparison of the typed pyramid with the generated one.
#include "puzzles/pyramid_check.h"

namespace vondrik {

void PyramidChecker::reset(const Pyramid& pyramid) {
    pyramid_ = pyramid;
    streak_.fill(0);
}

PyramidCheck PyramidChecker::check(const std::array<QString, kPyramidBoxes>& boxes) {
    PyramidCheck result;
    bool allRight = true;
    for (int row = 2; row <= kPyramidRows; ++row) {
        QString typed;
        for (int box = firstBoxOfRow(row); box < firstBoxOfRow(row + 1); ++box) {
            typed += boxes[box];
        }
        // An empty row is never right, even against a pyramid that was never set.
        const bool right = !typed.isEmpty() && typed == pyramid_.words[row];
        result.right[row] = right;
        if (right) {
            result.turnedRight[row] = ++streak_[row] == 1;
        } else {
            streak_[row] = 0;
            allRight = false;
        }
    }
    result.solved = allRight;
    return result;
}

}  // namespace vondrik
