// Sheets of the three puzzles.
#include "puzzles/puzzle_sheets.h"

#include "puzzles/pyramid_picture.h"
#include "puzzles/snail_picture.h"
#include "puzzles/stairs_picture.h"

namespace vondrik {
namespace {

// Drawn at four times the screen's density, so the printer's finer dots show clean lines.
constexpr double kSheetPictureRatio = 4;

}  // namespace

PuzzleSheet pyramidSheet(const Pyramid& pyramid, int number) {
    return {QStringLiteral("Rätselpyramide"), true, emptyPyramidPicture(kSheetPictureRatio),
            pyramid.printLines(), number};
}

PuzzleSheet snailSheet(const Snail& snail, int number) {
    return {QStringLiteral("Rätselschnecke"), true, snailPrintPicture(kSheetPictureRatio),
            snail.printLines(), number};
}

PuzzleSheet stairsSheet(const Stairs& stairs, int number) {
    return {QStringLiteral("Treppenrätsel"), false, stairsPicture(kSheetPictureRatio),
            stairs.printLines(), number};
}

}  // namespace vondrik
