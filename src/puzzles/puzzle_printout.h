// The printed sheet of a puzzle, the same for the pyramid, the snail and the stairs: the
// empty puzzle figure, right below it the clue lines, and the puzzle number small at the
// foot, all on one page. The sheet never shows an answer: it prints exactly the lines it is
// given.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace vondrik {

class Printer;

struct PuzzleSheet {
    // The name of the print job ("Rätselpyramide", ...).
    QString documentName;
    // Whether the sheet starts with an empty line before anything else (the pyramid and the
    // snail do, the stairs do not).
    bool leadingEmptyLine = true;
    // The empty figure, placed at kSheetPictureAt in its own size on screen. An image with a
    // device pixel ratio above 1 keeps that size and prints sharper.
    QImage picture;
    // Printed below single-blank lines that move the text clear of the figure, at
    // kSheetFontSize or, where that would run off the page, a little smaller; blank lines
    // and headings are the caller's. A line wider than the paper goes on in the next, under
    // the text after its "n. = " label.
    QStringList lines;
    // Printed small below the lines when positive, so the puzzle can be made again.
    int puzzleNumber = 0;
};

inline constexpr QPoint kSheetPictureAt{4000, 2000};  // twips
inline constexpr double kSheetFontSize = 12;
inline constexpr double kSmallestSheetFontSize = 8;
inline constexpr double kSheetNumberFontSize = 8;
// The height a sheet may fill, in twips below the top of the printable area: that of A4 and
// of Letter paper with the printer's usual margins, whichever is less.
inline constexpr int kSheetPageHeight = 15400;

// The blank lines between the top of the sheet and its clues, so that the clues start just
// below a figure of this height (in pixels on screen).
int sheetSpacerLines(int pictureHeight, bool leadingEmptyLine);

// The foot line of a sheet: "Rätsel-Nr. 4711", indented like the clues.
QString sheetNumberLine(int puzzleNumber);

// Prints the sheet as one document. False when the document could not be produced; the
// print job has then told the user, as it does when the sheet went to a PDF file instead.
bool printPuzzleSheet(Printer& printer, const PuzzleSheet& sheet);

}  // namespace vondrik
