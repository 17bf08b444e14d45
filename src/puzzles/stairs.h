// A finished stairs puzzle: six seven-letter words in the rows of a 6 x 7 grid and a twelve-
// letter solution word on the staircase (columns k and k + 1 of row k, read downwards); the
// grid's geometry, the arrow-key moves and the lines the window shows and prints.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vondrik {

inline constexpr int kStairsRows = 6;
inline constexpr int kStairsColumns = 7;
inline constexpr int kStairsBoxes = kStairsRows * kStairsColumns;
inline constexpr int kStairsSolutionLength = 2 * kStairsRows;

// The box of row 1 to 6, column 1 to 7.
constexpr int stairsBox(int row, int column) {
    return kStairsColumns * (row - 1) + column - 1;
}

constexpr int firstBoxOfStairsRow(int row) {
    return stairsBox(row, 1);
}

// Whether a box is one of the twelve steps: column k or k + 1 of row k.
constexpr bool isStaircaseBox(int box) {
    const int row = box / kStairsColumns + 1;
    const int column = box % kStairsColumns + 1;
    return column == row || column == row + 1;
}

enum class Arrow { Left, Up, Right, Down };

// The box an arrow key moves to from box 0 to 41: left and right go through the boxes in
// order (across row ends), up and down by one row. Nothing at the border, where the key
// counts as a typed key instead.
std::optional<int> arrowTarget(int box, Arrow arrow);

struct Stairs {
    // Index 1: the solution word (12 letters); 2 to 7: the words of rows 1 to 6 (7 letters),
    // all in upper case. Index 0 unused.
    std::array<QString, kStairsRows + 2> words;
    // The meanings of these words, as stored.
    std::array<QString, kStairsRows + 2> meanings;

    const QString& solutionWord() const { return words[1]; }
    const QString& solutionMeaning() const { return meanings[1]; }
    const QString& rowWord(int row) const { return words.at(row + 1); }
    const QString& rowMeaning(int row) const { return meanings.at(row + 1); }

    // The letter of each box, row by row: 42 letters.
    QString gridText() const;
    // The twelve staircase letters read downwards; the solution word when the puzzle is
    // right.
    QString staircase() const;

    // "1.  meaning" to "6.  meaning": the clue list.
    QStringList clueLines() const;
    // "1.  WORD" to "6.  WORD" and "Lösungswort: WORD": the solution list.
    QStringList solutionLines() const;
    // The lines below the printed grid: the six clues "       1. = " to "       6. = ", then
    // the staircase's clue. Never an answer; before the first puzzle the clues are empty.
    QStringList printLines() const;

    friend bool operator==(const Stairs&, const Stairs&) = default;
};

}  // namespace vondrik
